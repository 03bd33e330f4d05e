// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/keyboard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>

#include "session/modified_indication.h"
#include "session/session.h"
#include "ui/window_interface.h"

namespace talve::ui {
KeyboardRules::KeyboardRules(QMainWindow* window, Session& session, WindowInterface& ui, Links links)
    : QObject(window), m_window(window), m_session(session), m_ui(ui), m_links(std::move(links)) {
  qApp->installEventFilter(this);
}

KeyboardRules::~KeyboardRules() { qApp->removeEventFilter(this); }

bool KeyboardRules::in_main_window(const QObject* watched) const {
  const auto* widget = qobject_cast<const QWidget*>(watched);
  return widget && widget->window() == m_window;
}

QWidget* KeyboardRules::floating_panel_of(const QObject* watched) const {
  for (auto* widget = qobject_cast<QWidget*>(const_cast<QObject*>(watched)); widget;
       widget = widget->parentWidget())
    if (m_links.floating_panels.contains(widget->objectName()) && widget->isVisible()) return widget;
  return nullptr;
}

// The window's own keys act when they are let go, as the user's other
// keys end: the help overlay first takes any key to close, and a key whose
// press went to a box (Escape answering it) is not taken up by the window
// when it comes up.
bool KeyboardRules::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress: {
      auto* key = static_cast<QKeyEvent*>(event);
      // Any key, wherever it goes, ends the countdown.
      if (m_session.shutdown_countdown.running()) m_session.shutdown_countdown.key_pressed();
      if (QApplication::activeModalWidget() || !in_main_window(watched)) break;
      // The in-window help takes the key: it hides when the key is let go.
      if (m_links.help_shown && m_links.help_shown()) return true;
      if (key->key() != Qt::Key_Escape && key->key() != Qt::Key_Delete) break;
      if (key->key() == Qt::Key_Delete && watched->objectName() != "StringGrid1") break;
      // Held for the release; its control does not see it.
      if (!key->isAutoRepeat()) m_pressed = key->key();
      return true;
    }
    case QEvent::KeyRelease: {
      auto* key = static_cast<QKeyEvent*>(event);
      if (key->isAutoRepeat() || QApplication::activeModalWidget() || !in_main_window(watched)) break;
      refresh_save_colours(m_session);
      if (m_links.hide_help && m_links.hide_help()) {
        m_pressed = 0;
        return true;
      }
      const int pressed = m_pressed;
      if (key->key() != pressed) break;
      m_pressed = 0;
      if (pressed == Qt::Key_Escape) {
        if (QWidget* panel = floating_panel_of(watched))
          panel->hide();
        else if (!m_session.busy())
          m_links.quit();
      } else if (pressed == Qt::Key_Delete && watched->objectName() == "StringGrid1") {
        m_links.remove_selection();
      }
      return true;
    }
    case QEvent::MouseButtonPress:
      if (in_main_window(watched)) refresh_save_colours(m_session);
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace talve::ui
