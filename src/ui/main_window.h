// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <memory>

#include "session/quitting.h"
#include "session/startup.h"

namespace talve {
class Session;
}

namespace talve::ui {

class BusyState;
class FileTableGestures;
class FloatingHelp;
class HelpOverlay;
class ChartWindow;
class KeyboardRules;
class NoticePanel;
class PanelPlacement;
class PeriodControls;
class SessionViews;
class SettingsBinder;
class TrackingWindow;
class WindowInterface;
class WorkflowButtons;

// The main window "Form1": the five zones laid out on its central surface,
// with the floating panels raised over them, showing the one Session of the
// program. Its first activation runs the start-up sequence; quitting (the
// "exit" button, Escape or the window's close button) asks first and saves.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(const CommandLine& command_line = {}, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The central widget: the zones' parent and the floating panels' surface.
  QWidget* surface() const { return m_surface; }
  Session& session() { return *m_session; }
  SettingsBinder& binder() { return *m_binder; }
  WindowInterface& window_interface() { return *m_ui; }
  bool startup_done() const;

  // Everything the window shows follows the session (after every action).
  void refresh();
  // Quitting: the questions and the saves; the window closes when the user
  // confirms. Nothing while a long task is going on.
  void request_quit(QuitOrigin origin);

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void run_startup();
  bool busy() const;
  void connect_scheme();
  void connect_session_values();

  QWidget* m_surface;
  std::unique_ptr<WindowInterface> m_ui;
  std::unique_ptr<Session> m_session;
  // The chart window "TForm2": a window of its own, made with the main one.
  std::unique_ptr<ChartWindow> m_charts;
  std::unique_ptr<BusyState> m_busy;
  PanelPlacement* m_placement = nullptr;
  TrackingWindow* m_tracking = nullptr;
  NoticePanel* m_notice = nullptr;
  SessionViews* m_views = nullptr;
  SettingsBinder* m_binder = nullptr;
  PeriodControls* m_period = nullptr;
  WorkflowButtons* m_buttons = nullptr;
  KeyboardRules* m_keyboard = nullptr;
  QObject* m_panels = nullptr;  // the floating panels' links to the session
  FileTableGestures* m_gestures = nullptr;
  HelpOverlay* m_overlay = nullptr;
  FloatingHelp* m_help = nullptr;
  bool m_startup_posted = false;
  bool m_quit_confirmed = false;
};

}  // namespace talve::ui
