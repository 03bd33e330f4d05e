// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace talve {
class Session;
}

namespace talve::ui {

class NoticePanel;
class TrackingWindow;
class WindowInterface;

// The command buttons of the window on the session's operations: the three
// steps and "stop", the result buttons, the description buttons, the three
// folder buttons, the output-folder button and "exit". Each click but
// "stop" does nothing while a long task is going on (its button is greyed
// then anyway), and every click ends with the window following the session.
class WorkflowButtons : public QObject {
  Q_OBJECT

 public:
  struct Links {
    TrackingWindow* tracking;
    NoticePanel* notice;
    std::function<void()> after_action;  // the window follows the session
    std::function<void()> quit;          // "exit"
  };
  WorkflowButtons(QWidget* surface, Session& session, WindowInterface& ui, Links links);

 private:
  void on_click(const char* button, std::function<void()> action, bool while_busy = false);

  QWidget* m_surface;
  Session& m_session;
  WindowInterface& m_ui;
  Links m_links;
};

}  // namespace talve::ui
