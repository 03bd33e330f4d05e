// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/panel_placement.h"

#include <QEvent>
#include <QScrollArea>
#include <QWidget>
#include <algorithm>

namespace talve::ui {

PanelPlacement::PanelPlacement(QWidget* surface) : QObject(surface), m_surface(surface) {
  surface->installEventFilter(this);
}

void PanelPlacement::place_by(QWidget* panel, Rule rule) {
  m_rules[panel] = std::move(rule);
  panel->installEventFilter(this);
}

QRect PanelPlacement::anchor(const char* control) const {
  const QWidget* widget = m_surface->findChild<QWidget*>(QString::fromLatin1(control));
  if (!widget || !widget->isVisibleTo(m_surface)) return {};
  return QRect(widget->mapTo(m_surface, QPoint(0, 0)), widget->size());
}

void PanelPlacement::place(QWidget* panel) {
  const auto it = m_rules.find(panel);
  if (it == m_rules.end()) return;
  QRect wanted = it->second();
  if (wanted.isEmpty()) return;
  // Inside the surface, however small the window.
  const QRect area = m_surface->rect();
  wanted.setWidth(std::min(wanted.width(), area.width()));
  wanted.setHeight(std::min(wanted.height(), area.height()));
  wanted.moveLeft(std::clamp(wanted.left(), 0, std::max(0, area.width() - wanted.width())));
  wanted.moveTop(std::clamp(wanted.top(), 0, std::max(0, area.height() - wanted.height())));
  panel->setGeometry(wanted);
  panel->raise();
  bring_into_view(panel);
}

bool PanelPlacement::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_surface && event->type() == QEvent::Resize) {
    for (const auto& [panel, rule] : m_rules)
      if (panel->isVisible()) place(panel);
  } else if (event->type() == QEvent::Show) {
    if (auto* panel = qobject_cast<QWidget*>(watched); panel && m_rules.count(panel)) place(panel);
  }
  return QObject::eventFilter(watched, event);
}

void bring_into_view(QWidget* widget) {
  for (QWidget* up = widget->parentWidget(); up; up = up->parentWidget()) {
    auto* scroll = qobject_cast<QScrollArea*>(up);
    if (!scroll || !scroll->widget() || !scroll->widget()->isAncestorOf(widget)) continue;
    const QPoint centre = widget->mapTo(scroll->widget(), widget->rect().center());
    scroll->ensureVisible(centre.x(), centre.y(), widget->width() / 2 + 2, widget->height() / 2 + 2);
    return;
  }
}

}  // namespace talve::ui
