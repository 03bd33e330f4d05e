// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>
#include <functional>

class QTableView;
class QWidget;

namespace talve {
class Session;
}

namespace talve::ui {

class PanelPlacement;

// The station panel's widgets, hidden: "Sélection par station  (coche x)  ",
// the five choices and "esc".
void build_station_panel(QWidget* surface);

// The station panel `Panel_coche`: a right click on a cell or the title of
// the FileTable's "Station" or " x" column opens it for the station of that
// row (another right click closes it); a choice checks or unchecks the rows
// and closes it, "esc" closes it. It stands at left 88 for "Station", 40
// pixels left of "sans confirmation" for " x", just under the click, in
// front.
class StationPanel : public QObject {
  Q_OBJECT

 public:
  StationPanel(QWidget* surface, Session& session, PanelPlacement& placement,
               std::function<void()> after_action);

 private:
  void right_click(int row, int column, QPoint at);
  void clear_choices();

  QWidget* m_surface;
  Session& m_session;
  std::function<void()> m_after_action;
  QTableView* m_table = nullptr;
  QWidget* m_panel = nullptr;
  int m_top = 0;  // its top, under the click, in the surface
};

}  // namespace talve::ui
