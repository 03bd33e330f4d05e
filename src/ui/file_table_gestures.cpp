// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/file_table_gestures.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QStyledItemDelegate>
#include <QTableView>
#include <algorithm>

#include "session/listing.h"
#include "session/session.h"
#include "session/table_editing.h"
#include "ui/file_table_model.h"

namespace talve::ui {
namespace {

// Selected cells keep the table's own look (maroon on a colour of the
// scheme) rather than the desktop's highlight, so that the dates of a
// selected row stand out from its other cells as they do elsewhere.
class FileTableDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    if (!(option->state & QStyle::State_Selected)) return;
    option->state &= ~QStyle::State_Selected;
    option->backgroundBrush = index.data(FileTableModel::kSelectedBackgroundRole).value<QBrush>();
    const QBrush ink = index.data(FileTableModel::kSelectedForegroundRole).value<QBrush>();
    option->palette.setBrush(QPalette::Text, ink);
  }
};

std::string title_of(int column) {
  const auto& columns = FileTable::columns();
  if (column < 0 || column >= static_cast<int>(columns.size())) return {};
  return std::string(columns[static_cast<std::size_t>(column)].title);
}

}  // namespace

FileTableGestures::FileTableGestures(QWidget* surface, Session& session, std::function<void()> after_action)
    : QObject(surface), m_session(session), m_after_action(std::move(after_action)) {
  m_table = surface->findChild<QTableView*>("StringGrid1");
  if (!m_table) {
    qWarning("talve: no table named StringGrid1 in the window");
    return;
  }
  // A block of whole rows: a removal never takes the rows between two
  // separate selections.
  m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_table->setSelectionMode(QAbstractItemView::ContiguousSelection);
  m_table->setItemDelegate(new FileTableDelegate(m_table));
  connect(m_table, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
    static_cast<void>(
        double_clic_tableau(m_session, FileTableModel::table_row(index), title_of(index.column())));
    done();
  });
  connect(m_table->horizontalHeader(), &QHeaderView::sectionDoubleClicked, this, [this](int column) {
    static_cast<void>(double_clic_tableau(m_session, 0, title_of(column)));
    done();
  });
  connect_buttons(surface);
}

void FileTableGestures::connect_buttons(QWidget* surface) {
  on_button(surface, "SpeedButton_effacer_selection", [this] { remove_selection(); });
  on_button(surface, "SpeedButton_effacer_vers_le_haut",
            [this] { static_cast<void>(effacer_vers_le_haut(m_session, current_row())); });
  on_button(surface, "SpeedButton_effacer_vers_le_bas",
            [this] { static_cast<void>(effacer_vers_le_bas(m_session, current_row())); });
  on_button(surface, "SpeedButton_effacer_ligne_hors_intervalle",
            [this] { static_cast<void>(effacer_hors_periode(m_session)); });
  on_button(surface, "SpeedButton6", [this] { static_cast<void>(reafficher_tableau_complet(m_session)); });
}

void FileTableGestures::on_button(QWidget* surface, const char* name, std::function<void()> action) {
  auto* button = surface->findChild<QAbstractButton*>(QString::fromLatin1(name));
  if (!button) {
    qWarning("talve: no button named %s in the window", name);
    return;
  }
  connect(button, &QAbstractButton::clicked, this, [this, action = std::move(action)] {
    action();
    done();
  });
}

int FileTableGestures::current_row() const {
  const int rows = m_session.file_table.file_row_count();
  int row = m_session.table_state.current_row;
  if (m_table && m_table->currentIndex().isValid()) {
    row = FileTableModel::table_row(m_table->currentIndex());
  } else if (m_table && m_table->selectionModel() && m_table->selectionModel()->hasSelection()) {
    row = FileTableModel::table_row(m_table->selectionModel()->selectedRows().front());
  }
  return std::clamp(row, 1, std::max(1, rows));
}

void FileTableGestures::remove_selection() {
  if (!m_table || !m_table->selectionModel()) return;
  const QModelIndexList rows = m_table->selectionModel()->selectedRows();
  RowRange range{current_row(), current_row()};
  if (!rows.isEmpty()) {
    const auto [low, high] =
        std::minmax_element(rows.begin(), rows.end(),
                            [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    range = {FileTableModel::table_row(*low), FileTableModel::table_row(*high)};
  }
  // Refused or removed, the table the model shows says which.
  static_cast<void>(effacer_selection(m_session, range));
}

void FileTableGestures::done() {
  if (m_after_action) m_after_action();
}

}  // namespace talve::ui
