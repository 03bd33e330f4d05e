// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>

class QLabel;
class QWidget;

namespace talve {
class Session;
}

namespace talve::ui {

class PanelPlacement;
class WindowInterface;

// The notice panel `Panel4`: yellow text on blue. It shows the save notice
// (750 x 200, near the top, centred) and the shutdown countdown after a run
// (650 x 200, under the file table), which a 200 ms timer drives until it
// ends: a key pressed anywhere cancels it, five minutes without one ask the
// system to shut down.
class NoticePanel : public QObject {
  Q_OBJECT

 public:
  NoticePanel(QWidget* surface, Session& session, WindowInterface& ui, PanelPlacement& placement);

  // After a run: drives the countdown if the run started it.
  void follow_countdown();
  bool counting_down() const { return m_timer.isActive(); }

 private:
  void tick();

  Session& m_session;
  PanelPlacement& m_placement;
  QWidget* m_panel;
  QLabel* m_text = nullptr;
  QTimer m_timer;
};

}  // namespace talve::ui
