// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tracking_window.h"

#include <QAbstractButton>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>

#include "session/result_writing.h"
#include "session/session.h"
#include "ui/panel_placement.h"
#include "ui/text_edge.h"
#include "ui/window_interface.h"

namespace talve::ui {
namespace {

template <typename W>
W* child(QWidget* parent, const char* name) {
  W* widget = parent->findChild<W*>(QString::fromLatin1(name));
  if (!widget) qWarning("talve: no control named %s in the window", name);
  return widget;
}

}  // namespace

TrackingWindow::TrackingWindow(QWidget* surface, Session& session, WindowInterface& ui,
                               PanelPlacement& placement)
    : QObject(surface),
      m_session(session),
      m_placement(placement),
      m_panel(child<QWidget>(surface, "Panel1")),
      m_text(child<QPlainTextEdit>(surface, "Memo5")) {
  ui.on_tracking_line = [this](const std::string& line) {
    // Shown at the next turn of the event loop, with the lines added meanwhile.
    if (m_pending.isEmpty()) QTimer::singleShot(0, this, &TrackingWindow::flush);
    m_pending << to_qstring(line);
  };
  ui.on_tracking_cleared = [this] {
    m_pending.clear();
    if (m_text) m_text->clear();
  };
  ui.route_visibility("Panel1", [this](bool visible) {
    if (visible)
      show();
    else if (m_panel)
      m_panel->hide();
  });
  if (!m_panel) return;
  placement.place_by(m_panel, [this] { return wanted_geometry(); });
  m_panel->installEventFilter(this);
  // The place moves with the layout (the window resized, zone 5 shown
  // again after the large table).
  if (QWidget* place = surface->findChild<QWidget*>("Cadre_suivi")) place->installEventFilter(this);
  if (auto* clear = child<QAbstractButton>(surface, "SpeedButton_clear"))
    connect(clear, &QAbstractButton::clicked, this, [this] { effacer_suivi_click(m_session); });
  if (auto* close = child<QAbstractButton>(surface, "SpeedButton_fermer_suivi"))
    connect(close, &QAbstractButton::clicked, m_panel, &QWidget::hide);
  if (auto* small = child<QRadioButton>(surface, "RadioButton_fen_suivi_petite"))
    connect(small, &QRadioButton::toggled, this, [this](bool on) {
      if (on) set_size(Size::Small);
    });
  if (auto* large = child<QRadioButton>(surface, "RadioButton_fen_suivi_grande"))
    connect(large, &QRadioButton::toggled, this, [this](bool on) {
      if (on) set_size(Size::Large);
    });
  if (auto* toggle_button = child<QAbstractButton>(surface, "Panel_button_suivi"))
    connect(toggle_button, &QAbstractButton::clicked, this, &TrackingWindow::toggle);
}

void TrackingWindow::flush() {
  if (m_pending.isEmpty() || !m_text) return;
  m_text->appendPlainText(m_pending.join('\n'));
  m_pending.clear();
  m_text->verticalScrollBar()->setValue(m_text->verticalScrollBar()->maximum());
}

void TrackingWindow::set_size(Size size) {
  m_size = size;
  QWidget* surface = m_placement.surface();
  const char* button = size == Size::Small ? "RadioButton_fen_suivi_petite" : "RadioButton_fen_suivi_grande";
  if (auto* radio = surface->findChild<QRadioButton*>(button); radio && !radio->isChecked()) {
    const QSignalBlocker blocker(radio);
    radio->setChecked(true);
  }
  if (m_panel && m_panel->isVisible()) m_placement.place(m_panel);
}

void TrackingWindow::show() {
  if (!m_panel) return;
  m_panel->show();
  m_placement.place(m_panel);
}

void TrackingWindow::toggle() {
  if (m_panel && m_panel->isVisible())
    m_panel->hide();
  else
    show();
}

// Under the file table, whose listing it reports on: "petite" fills the
// place kept for it there, "grande" rises from that place up to the top of
// "sans confirmation", over the lower rows of the table. Neither covers a
// command. With the place out of sight it stays where it is.
QRect TrackingWindow::wanted_geometry() const {
  const QRect place = m_placement.anchor("Cadre_suivi");
  if (place.isEmpty() || m_size == Size::Small) return place;
  const QRect no_confirmation = m_placement.anchor("CheckBox_sans_confirmation");
  if (no_confirmation.isEmpty() || no_confirmation.top() >= place.top()) return place;
  return QRect(QPoint(place.left(), no_confirmation.top()), place.bottomRight());
}

bool TrackingWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched != m_panel) {
    const auto type = event->type();
    if ((type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show) && m_panel->isVisible())
      m_placement.place(m_panel);
    return QObject::eventFilter(watched, event);
  }
  // Moved with the mouse, by any part of the panel that is not a control.
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() == Qt::LeftButton) {
        m_dragging = true;
        m_drag_offset = mouse->position().toPoint();
        m_panel->raise();
        return true;
      }
      break;
    }
    case QEvent::MouseMove:
      if (m_dragging) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        m_panel->move(m_panel->mapToParent(mouse->position().toPoint()) - m_drag_offset);
        return true;
      }
      break;
    case QEvent::MouseButtonRelease:
      m_dragging = false;
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace talve::ui
