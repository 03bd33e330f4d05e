// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QObject;
class QWidget;

namespace talve {
class Session;
}

namespace talve::ui {

class PanelPlacement;
class SettingsBinder;
class WindowInterface;

// Builds the widgets of the folder chooser (with the recent folders), the
// colour panel, the drive panel and the station panel, hidden, on the
// window's surface.
void build_panels(QWidget* surface);

// Connects those panels, and the double-click on the description's name,
// to the session; `after_action` lets the window follow the session after
// each gesture. Returns the owner of the connections, which the window
// deletes before its session.
QObject* install_panels(QWidget* surface, Session& session, WindowInterface& ui, PanelPlacement& placement,
                        SettingsBinder& binder, const std::function<void()>& after_action);

}  // namespace talve::ui
