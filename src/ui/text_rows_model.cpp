// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/text_rows_model.h"

#include "text/text_rows.h"
#include "ui/text_edge.h"

namespace talve::ui {

TextRowsModel::TextRowsModel(const TextRows* rows, QObject* parent)
    : QAbstractListModel(parent), m_rows(rows) {
  m_count = rows ? rows->size() : 0;
}

void TextRowsModel::set_rows(const TextRows* rows) {
  if (rows == m_rows) return;
  m_rows = rows;
  refresh();
}

int TextRowsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(m_count);
}

QVariant TextRowsModel::data(const QModelIndex& index, int role) const {
  // The rows may have changed since the last refresh: only rows that still
  // exist are read.
  if (role != Qt::DisplayRole || !m_rows || !index.isValid() ||
      static_cast<std::size_t>(index.row()) >= m_rows->size())
    return {};
  return to_qstring((*m_rows)[static_cast<std::size_t>(index.row())]);
}

void TextRowsModel::refresh(bool cheap) {
  const std::size_t count = m_rows ? m_rows->size() : 0;
  const std::string_view text = m_rows ? m_rows->text() : std::string_view();
  if (cheap && count == m_count && text.data() == m_block && text.size() == m_bytes) return;
  beginResetModel();
  m_count = count;
  m_block = text.data();
  m_bytes = text.size();
  endResetModel();
}

}  // namespace talve::ui
