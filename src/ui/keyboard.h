// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

class QMainWindow;
class QWidget;

namespace talve {
class Session;
}

namespace talve::ui {

class WindowInterface;

// The keyboard rules of the main window, which sees every key before its
// controls:
// - any key pressed anywhere ends the shutdown countdown;
// - a key let go first closes the in-window help when it is shown, and
//   does nothing else (its press reached no control either);
// - Escape, when let go, quits, unless a long task is going on (it waits) or
//   the key went to a message box, a dialog or an open floating panel (that
//   one closes and nothing else happens);
// - Delete, when let go in the FileTable, removes the selected rows;
// - every key release and mouse press refreshes the modified indication.
class KeyboardRules : public QObject {
  Q_OBJECT

 public:
  struct Links {
    QStringList floating_panels;             // closed by Escape when the key goes to them
    std::function<void()> quit;              // Escape
    std::function<void()> remove_selection;  // Delete in the FileTable
    // Hides the in-window help when it is shown; true when it was.
    std::function<bool()> hide_help;
    // Whether it is shown: the keys pressed meanwhile reach no control.
    std::function<bool()> help_shown;
  };
  KeyboardRules(QMainWindow* window, Session& session, WindowInterface& ui, Links links);
  ~KeyboardRules() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool in_main_window(const QObject* watched) const;
  QWidget* floating_panel_of(const QObject* watched) const;

  QMainWindow* m_window;
  Session& m_session;
  WindowInterface& m_ui;
  Links m_links;
  int m_pressed = 0;  // Escape or Delete, pressed in the main window, until let go
};

}  // namespace talve::ui
