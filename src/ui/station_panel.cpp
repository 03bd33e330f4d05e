// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/station_panel.h"

#include <QFont>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

#include "files/file_table.h"
#include "session/session.h"
#include "session/table_editing.h"
#include "ui/panel_links.h"
#include "ui/panel_placement.h"
#include "ui/widget_factory.h"

namespace talve::ui {
namespace {

struct Choice {
  const char* name;
  const char* caption;  // before a station is known
  StationChoice choice;
};

constexpr Choice kChoices[] = {
    {"RadioButton1", "ne cocher que les <>", StationChoice::only_station},
    {"RadioButton2", "cocher les <> en plus", StationChoice::add_station},
    {"RadioButton4", "décocher toutes les lignes", StationChoice::uncheck_all},
    {"RadioButton5", "décocher juste les  <>", StationChoice::uncheck_station},
    {"RadioButton6", "cocher toutes les lignes ", StationChoice::check_all},
};

constexpr int kStationLeft = 88;
constexpr int kBesideConfirmation = 40;
constexpr int kBelowClick = 10;

}  // namespace

void build_station_panel(QWidget* surface) {
  auto* panel = make_panel(surface, "Panel_coche", "Sélection par station  (coche x)  ");
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(6, 4, 6, 6);
  column->setSpacing(2);
  auto* bar = new QHBoxLayout;
  auto* title = make_label(panel, "Label_coche", "Sélection par station  (coche x)  ");
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);
  bar->addWidget(title);
  bar->addStretch();
  auto* close = make_button(panel, "SpeedButton9", "esc", " fermer ");
  close->setAccessibleName("fermer la sélection par station");
  close->setMaximumWidth(40);
  bar->addWidget(close);
  column->addLayout(bar);
  for (const Choice& c : kChoices) column->addWidget(make_radio(panel, c.name, c.caption));
  panel->resize(320, 160);
}

StationPanel::StationPanel(QWidget* surface, Session& session, PanelPlacement& placement,
                           std::function<void()> after_action)
    : QObject(surface),
      m_surface(surface),
      m_session(session),
      m_after_action(std::move(after_action)),
      m_table(surface->findChild<QTableView*>("StringGrid1")),
      m_panel(surface->findChild<QWidget*>("Panel_coche")) {
  if (!m_table || !m_panel) {
    qWarning("talve: no control named StringGrid1 or Panel_coche in the window");
    return;
  }
  // Right clicks on the cells (viewport coordinates) and on the titles.
  m_table->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(m_table, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    const QModelIndex index = m_table->indexAt(at);
    if (index.isValid())
      right_click(index.row() + 1, index.column(), m_table->viewport()->mapTo(m_surface, at));
  });
  QHeaderView* titles = m_table->horizontalHeader();
  titles->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(titles, &QWidget::customContextMenuRequested, this, [this, titles](const QPoint& at) {
    const int column = titles->logicalIndexAt(at);
    if (column >= 0) right_click(0, column, titles->viewport()->mapTo(m_surface, at));
  });

  for (const Choice& c : kChoices)
    on_panel_click(
        surface, this, session, c.name,
        [this, choice = c.choice] {
          choisir_coche_station(m_session, choice);
          clear_choices();
        },
        m_after_action);
  on_panel_click(
      surface, this, session, "SpeedButton9", [this] { fermer_panneau_coche(m_session); }, m_after_action);
  on_panel_hidden(m_panel, this, [this] {
    if (m_session.table_state.check_panel.open) fermer_panneau_coche(m_session);
  });

  placement.place_by(m_panel, [this, &placement] {
    const bool station = m_session.table_state.check_panel.column_title == "Station";
    const int left =
        station ? kStationLeft : placement.anchor("CheckBox_sans_confirmation").left() - kBesideConfirmation;
    return QRect(left, m_top, m_panel->width(), m_panel->height());
  });
}

void StationPanel::right_click(int row, int column, QPoint at) {
  if (m_session.flags.busy || m_session.flags.running) return;
  const auto& columns = FileTable::columns();
  if (column < 0 || column >= static_cast<int>(columns.size())) return;
  // Just under the click, so that the row clicked stays in sight.
  m_top = at.y() + kBelowClick;
  clear_choices();
  clic_droit_tableau(m_session, row, columns[static_cast<std::size_t>(column)].title);
  m_after_action();
}

// The choices open unselected.
void StationPanel::clear_choices() {
  for (QRadioButton* button : m_panel->findChildren<QRadioButton*>()) {
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(true);
  }
}

}  // namespace talve::ui
