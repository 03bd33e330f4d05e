// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace talve {
class Session;
}

namespace talve::ui {

class PanelPlacement;
class SettingsBinder;

// The colour panel's widgets, hidden: "modifier les couleurs ...", the
// scheme `RadioGroup_coul_nb`, the four colour buttons and "X".
void build_colour_panel(QWidget* surface);

// The colour panel `Panel_des_couleurs`: "couleurs" shows or hides it; the
// scheme switches between the parameter file's colours and the grey
// levels; each colour button opens the colour dialog with the program's
// custom colours and sets that colour of the scheme. The window is painted
// again after each change. The panel stands 40 pixels right of the
// "format date/heure" label and 40 pixels below the top of the file table.
class ColourPanel : public QObject {
  Q_OBJECT

 public:
  ColourPanel(QWidget* surface, Session& session, SettingsBinder& binder, PanelPlacement& placement,
              std::function<void()> after_action);

 private:
  void repaint();

  QWidget* m_surface;
  Session& m_session;
  std::function<void()> m_after_action;
};

}  // namespace talve::ui
