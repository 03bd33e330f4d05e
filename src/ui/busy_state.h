// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <vector>

namespace talve {
class Session;
}

namespace talve::ui {

// While a listing, a grid build, a spreadsheet read or a run is going on,
// the window lets its events through for the "stop" button; nothing else
// may start meanwhile. Every command button and editable setting is then
// disabled, except "stop", "fenêtre de suivi" and the tracking window; when
// the task ends they are enabled again, but for the result buttons that
// have nothing to show yet. "stop" answers only during a long task, and not
// while its result is written.
class BusyState {
 public:
  BusyState(QWidget* surface, const Session& session);

  // Follows the session's flags; cheap when nothing changed.
  void refresh();
  bool busy() const { return m_busy; }

  // The controls that stay usable during a long task.
  static const QStringList& always_enabled();

 private:
  void disable_controls();
  void enable_controls();

  QWidget* m_surface;
  const Session& m_session;
  bool m_busy = false;
  std::vector<QPointer<QWidget>> m_disabled;  // what this state disabled
};

}  // namespace talve::ui
