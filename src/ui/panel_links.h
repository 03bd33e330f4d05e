// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QObject;
class QWidget;

namespace talve {
class Session;
}

namespace talve::ui {

// How the floating panels reach the session.

// A button of the window (found by name on `surface`) runs `action`, then
// `after` (the window follows the session). Nothing happens while a
// listing, a grid build or a run works.
void on_panel_click(QWidget* surface, QObject* owner, const Session& session, const char* button,
                    std::function<void()> action, const std::function<void()>& after);

// A floating panel hidden by the window itself (Escape, a close button, the
// session) while the session still counts it as shown: `hidden` tells the
// session, so that however a panel goes, the session follows. Hiding the
// whole window does not count.
void on_panel_hidden(QWidget* panel, QObject* owner, std::function<void()> hidden);

}  // namespace talve::ui
