// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractListModel>
#include <cstddef>

namespace talve {
class TextRows;
}

namespace talve::ui {

// A list view over rows the session keeps (the grid instants, the result
// list): nothing is copied, each row is converted only when the view draws
// it, so a hundred thousand rows cost the rows on screen.
class TextRowsModel : public QAbstractListModel {
  Q_OBJECT

 public:
  // `rows` may be nullptr: the model is empty until it is given rows.
  TextRowsModel(const TextRows* rows, QObject* parent);

  // The rows shown (nullptr: none).
  void set_rows(const TextRows* rows);

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

  // The rows changed: the views read them again. `cheap` only checks
  // whether they look changed (count, block), for the calls made while a
  // long task lets the window work.
  void refresh(bool cheap = false);

 private:
  const TextRows* m_rows;
  std::size_t m_count = 0;
  const char* m_block = nullptr;
  std::size_t m_bytes = 0;
};

}  // namespace talve::ui
