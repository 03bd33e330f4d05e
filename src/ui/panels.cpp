// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/panels.h"

#include <QWidget>

#include "session/description_actions.h"
#include "session/session.h"
#include "ui/colour_panel.h"
#include "ui/drive_panel.h"
#include "ui/folder_chooser.h"
#include "ui/recent_folders_panel.h"
#include "ui/settings_binder.h"
#include "ui/station_panel.h"

namespace talve::ui {

void build_panels(QWidget* surface) {
  build_folder_chooser(surface);
  build_colour_panel(surface);
  build_drive_panel(surface);
  build_station_panel(surface);
}

QObject* install_panels(QWidget* surface, Session& session, WindowInterface& ui, PanelPlacement& placement,
                        SettingsBinder& binder, const std::function<void()>& after_action) {
  auto* owner = new QObject(surface);
  for (QObject* panel :
       std::initializer_list<QObject*>{new FolderChooser(surface, session, ui, placement, after_action),
                                       new RecentFoldersPanel(surface, session, ui, placement, after_action),
                                       new ColourPanel(surface, session, binder, placement, after_action),
                                       new DrivePanelView(surface, session, placement, after_action),
                                       new StationPanel(surface, session, placement, after_action)})
    panel->setParent(owner);

  binder.on_double_click("Label_description_bd", [&session, after_action] {
    if (session.flags.busy || session.flags.running) return;
    edit_description(session);
    after_action();
  });
  return owner;
}

}  // namespace talve::ui
