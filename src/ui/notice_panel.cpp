// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/notice_panel.h"

#include <QLabel>
#include <QVBoxLayout>

#include "core/shutdown_countdown.h"
#include "session/session.h"
#include "ui/panel_placement.h"
#include "ui/text_edge.h"
#include "ui/widget_paint.h"
#include "ui/window_interface.h"

namespace talve::ui {
namespace {

constexpr int kTickMilliseconds = static_cast<int>(ShutdownCountdown::kTickSeconds * 1000);

}  // namespace

NoticePanel::NoticePanel(QWidget* surface, Session& session, WindowInterface& ui, PanelPlacement& placement)
    : QObject(surface), m_session(session), m_placement(placement), m_panel(ui.control("Panel4")) {
  m_timer.setInterval(kTickMilliseconds);
  connect(&m_timer, &QTimer::timeout, this, &NoticePanel::tick);
  if (!m_panel) return;
  // The panel is its own text, or holds it.
  m_text = qobject_cast<QLabel*>(m_panel);
  if (!m_text) m_text = m_panel->findChild<QLabel*>();
  if (!m_text) {
    m_text = new QLabel(m_panel);
    m_text->setObjectName("Panel4_texte");
    auto* layout = new QVBoxLayout(m_panel);
    layout->addWidget(m_text);
  }
  m_text->setAlignment(Qt::AlignCenter);
  m_text->setWordWrap(true);
  QFont font = m_text->font();
  font.setPointSize(font.pointSize() + 4);
  font.setBold(true);
  m_text->setFont(font);
  set_background(m_panel, to_qcolor(kBlue));
  set_text_colour(m_text, QColor(Qt::yellow));
  ui.route_caption("Panel4", [this](const std::string& text) { m_text->setText(to_qstring(text)); });
  placement.place_by(m_panel, [this] {
    const QRect surface_rect = m_placement.surface()->rect();
    if (m_session.shutdown_countdown.running()) {
      const QRect table = m_placement.anchor("StringGrid1");
      return QRect(table.isEmpty() ? 10 : table.left(), table.isEmpty() ? 10 : table.bottom() + 5, 650, 200);
    }
    return QRect((surface_rect.width() - 750) / 2, 20, 750, 200);
  });
}

void NoticePanel::follow_countdown() {
  if (m_session.shutdown_countdown.running() && !m_timer.isActive()) m_timer.start();
}

void NoticePanel::tick() {
  if (m_session.shutdown_countdown.tick() != ShutdownCountdown::State::Running) m_timer.stop();
}

}  // namespace talve::ui
