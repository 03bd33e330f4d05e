// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/panel_links.h"

#include <QAbstractButton>
#include <QEvent>
#include <QWidget>

#include "session/session.h"

namespace talve::ui {
namespace {

class HidingWatch : public QObject {
 public:
  HidingWatch(QWidget* panel, QObject* owner, std::function<void()> hidden)
      : QObject(owner), m_panel(panel), m_hidden(std::move(hidden)) {
    panel->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == m_panel && event->type() == QEvent::Hide && !event->spontaneous() &&
        m_panel->parentWidget() && !m_panel->isVisibleTo(m_panel->parentWidget()))
      m_hidden();
    return QObject::eventFilter(watched, event);
  }

 private:
  QWidget* m_panel;
  std::function<void()> m_hidden;
};

}  // namespace

void on_panel_click(QWidget* surface, QObject* owner, const Session& session, const char* name,
                    std::function<void()> action, const std::function<void()>& after) {
  auto* button = surface->findChild<QAbstractButton*>(QString::fromLatin1(name));
  if (!button) {
    qWarning("talve: no button named %s in the window", name);
    return;
  }
  QObject::connect(button, &QAbstractButton::clicked, owner, [&session, action = std::move(action), after] {
    if (session.flags.busy || session.flags.running) return;
    action();
    after();
  });
}

void on_panel_hidden(QWidget* panel, QObject* owner, std::function<void()> hidden) {
  new HidingWatch(panel, owner, std::move(hidden));
}

}  // namespace talve::ui
