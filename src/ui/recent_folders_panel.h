// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

class QListWidget;
class QWidget;

namespace talve {
class Session;
}

namespace talve::ui {

class PanelPlacement;
class WindowInterface;

// The recent folders `ListBox_rep_recent` beside the folder chooser: 700 x
// 400, its top 1 pixel below the chooser's, its left at the chooser's right
// edge. "récents" shows it with the session's list; a double-click offers
// the entry's folder for the folder being chosen.
class RecentFoldersPanel : public QObject {
  Q_OBJECT

 public:
  RecentFoldersPanel(QWidget* surface, Session& session, WindowInterface& ui, PanelPlacement& placement,
                     std::function<void()> after_action);

 private:
  void show_list(bool visible);

  Session& m_session;
  std::function<void()> m_after_action;
  QListWidget* m_list;
};

}  // namespace talve::ui
