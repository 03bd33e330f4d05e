// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/file_table_model.h"

#include <QBrush>
#include <QGuiApplication>
#include <QPalette>

#include "core/parameter_colours.h"
#include "files/cell_style.h"
#include "session/session.h"
#include "ui/text_edge.h"
#include "ui/widget_paint.h"

namespace talve::ui {
namespace {

QColor ink_colour(CellInk ink) {
  switch (ink) {
    case CellInk::maroon:
      return to_qcolor(kMaroon);
    case CellInk::blue:
      return to_qcolor(kBlue);
    case CellInk::window_text:
      break;
  }
  return QGuiApplication::palette().color(QPalette::WindowText);
}

}  // namespace

FileTableModel::FileTableModel(const Session& session, QObject* parent)
    : QAbstractTableModel(parent), m_session(session), m_rows(session.file_table.file_row_count()) {}

int FileTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_rows; }

int FileTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(FileTable::columns().size());
}

QVariant FileTableModel::data(const QModelIndex& index, int role) const {
  const FileTable& table = m_session.file_table;
  const int row = table_row(index);
  if (!index.isValid() || row >= table.row_count()) return {};
  const std::string_view title = FileTable::columns()[static_cast<std::size_t>(index.column())].title;
  switch (role) {
    case Qt::DisplayRole:
      return " " + to_qstring(table.cell(row, index.column()));
    case Qt::ForegroundRole:
      return QBrush(ink_colour(cell_style(title, row, false).ink));
    case kSelectedForegroundRole:
      return QBrush(ink_colour(cell_style(title, row, true).ink));
    case Qt::BackgroundRole:
      return QBrush(paper_colour(cell_style(title, row, false).paper));
    case kSelectedBackgroundRole:
      return QBrush(paper_colour(cell_style(title, row, true).paper));
    default:
      return {};
  }
}

QColor FileTableModel::paper_colour(CellPaper paper) const {
  const SchemeColours shown =
      colours_in_use(m_session.description.choice("RadioGroup_coul_nb.ItemIndex"), m_session.colours);
  switch (paper) {
    case CellPaper::scheme_first:
    case CellPaper::selected_dates:
      return to_qcolor(shown.field);
    case CellPaper::scheme_second:
      return to_qcolor(shown.number);
    case CellPaper::selected_other:
      return to_qcolor(shown.panel);
    case CellPaper::menu:
    case CellPaper::scheme_third:
      break;
  }
  return to_qcolor(shown.background);
}

QVariant FileTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Vertical) return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
  const auto& columns = FileTable::columns();
  if (section < 0 || section >= static_cast<int>(columns.size())) return {};
  if (role == Qt::DisplayRole) return " " + to_qstring(columns[static_cast<std::size_t>(section)].title);
  if (role == Qt::ForegroundRole) return QBrush(to_qcolor(kMaroon));
  return {};
}

void FileTableModel::refresh(int only_row) {
  const int rows = m_session.file_table.file_row_count();
  if (rows != m_rows) {
    beginResetModel();
    m_rows = rows;
    endResetModel();
  } else if (only_row >= 1 && only_row <= rows) {
    emit dataChanged(index(only_row - 1, 0), index(only_row - 1, columnCount() - 1));
  } else if (rows > 0) {
    emit dataChanged(index(0, 0), index(rows - 1, columnCount() - 1));
  }
}

}  // namespace talve::ui
