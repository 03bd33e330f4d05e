// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help_overlay.h"

#include <QFrame>
#include <QLabel>
#include <QWidget>

namespace talve::ui {
namespace {

struct Zone {
  const char* box;
  const char* title;
  bool orange;
};
constexpr Zone kZones[] = {
    {"Zone_description", "1- Description des fichiers de données", true},
    {"Zone_listage", "2- Listage des fichiers impliqués", false},
    {"Zone_format_sortie", "3- Format de sortie", true},
    {"Zone_periode", "4- Période ciblée", false},
    {"Zone_sortie", "5- Zone de sortie et d'attente", true},
};
constexpr int kStrip = 6;
constexpr int kTitleHeight = 50;

const QColor kOrange(255, 91, 13);
const QColor kBlue(Qt::blue);

QRect rect_in(const QWidget* widget, const QWidget* surface) {
  return {widget->mapTo(surface, QPoint(0, 0)), widget->size()};
}

}  // namespace

HelpOverlay::HelpOverlay(QWidget* surface) : QObject(surface), m_surface(surface) {}

void HelpOverlay::create() {
  for (const Zone& zone : kZones) {
    const QColor colour = zone.orange ? kOrange : kBlue;
    for (int side = 0; side < 4; ++side) {
      auto* strip = new QWidget(m_surface);
      strip->setObjectName(QStringLiteral("%1_cadre_%2").arg(zone.box).arg(side));
      strip->setAutoFillBackground(true);
      QPalette colours = strip->palette();
      colours.setColor(QPalette::Window, colour);
      strip->setPalette(colours);
      strip->hide();
      m_strips << strip;
    }
    // A yellow raised panel: border 5, bevel 3, bold 12 points.
    auto* title = new QLabel(QString::fromUtf8(zone.title), m_surface);
    title->setObjectName(QStringLiteral("%1_titre").arg(zone.box));
    title->setAlignment(Qt::AlignCenter);
    title->setAutoFillBackground(true);
    title->setFrameStyle(QFrame::Panel | QFrame::Raised);
    title->setLineWidth(3);
    title->setMargin(5);
    QPalette colours = title->palette();
    colours.setColor(QPalette::Window, Qt::yellow);
    colours.setColor(QPalette::WindowText, colour);
    title->setPalette(colours);
    QFont bold = title->font();
    bold.setPointSize(12);
    bold.setBold(true);
    title->setFont(bold);
    title->hide();
    m_titles << title;
  }
  m_note = new QLabel(QStringLiteral("saisie manuelle ci-dessus"), m_surface);
  m_note->setObjectName("Zone_periode_note");
  m_note->setAutoFillBackground(true);
  QPalette colours = m_note->palette();
  colours.setColor(QPalette::Window, Qt::yellow);
  colours.setColor(QPalette::WindowText, Qt::red);
  m_note->setPalette(colours);
  m_note->adjustSize();
  m_note->hide();
}

void HelpOverlay::lay_out() {
  for (int z = 0; z < static_cast<int>(std::size(kZones)); ++z) {
    const QWidget* box = m_surface->findChild<QWidget*>(QString::fromLatin1(kZones[z].box));
    if (!box) continue;
    const QRect r = rect_in(box, m_surface);
    m_strips[4 * z + 0]->setGeometry(r.left(), r.top(), kStrip, r.height());
    m_strips[4 * z + 1]->setGeometry(r.left(), r.top(), r.width(), kStrip);
    m_strips[4 * z + 2]->setGeometry(r.right() + 1 - kStrip, r.top(), kStrip, r.height());
    m_strips[4 * z + 3]->setGeometry(r.left(), r.bottom() + 1 - kStrip, r.width(), kStrip);
    // Ten pixels a character (or what the text needs), centred on the top
    // strip, inside the window.
    QLabel* title = m_titles[z];
    const int width = std::max(10 * static_cast<int>(title->text().size()), title->sizeHint().width());
    const int top = std::max(0, r.top() + kStrip / 2 - kTitleHeight / 2);
    title->setGeometry(r.left() + (r.width() - width) / 2, top, width, kTitleHeight);
  }
  // The note, 18 pixels above the date-test group, at its left.
  if (const QWidget* test = m_surface->findChild<QWidget*>("GroupBox_actuel_ou_passee")) {
    const QRect group = rect_in(test, m_surface);
    m_note->move(group.left(), group.top() - 18);
  }
}

void HelpOverlay::toggle(bool titles) {
  if (hide()) return;
  if (m_strips.isEmpty()) create();
  lay_out();
  for (int z = 0; z < static_cast<int>(std::size(kZones)); ++z) {
    const QWidget* box = m_surface->findChild<QWidget*>(QString::fromLatin1(kZones[z].box));
    for (int side = 0; side < 4; ++side) {
      QWidget* strip = m_strips[4 * z + side];
      strip->show();
      // Frames alone: the left and top strips go behind the zone's
      // controls, seen where nothing covers them.
      if (!titles && side < 2 && box)
        strip->stackUnder(const_cast<QWidget*>(box));
      else
        strip->raise();
    }
    if (titles) {
      m_titles[z]->show();
      m_titles[z]->raise();
    }
  }
  if (titles) {
    m_note->show();
    m_note->raise();
  }
  m_shown = true;
}

bool HelpOverlay::hide() {
  if (!m_shown) return false;
  for (QWidget* strip : m_strips) strip->hide();
  for (QLabel* title : m_titles) title->hide();
  m_note->hide();
  m_shown = false;
  return true;
}

}  // namespace talve::ui
