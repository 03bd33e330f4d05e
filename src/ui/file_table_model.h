// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QColor>

#include "files/cell_style.h"

namespace talve {
class Session;
}

namespace talve::ui {

// The FileTable `StringGrid1` as a table model over the session's own
// table: its title row is the header, its file rows the model's rows (model
// row r is table row r + 1). Cells are drawn with one leading blank, in the
// ink and on the paper the table's cell style gives them, in the colours of
// the scheme in use: "fichier" on the field colour, " x", "date dep" and
// "date fin" on the number colour, the others on the background; a selected
// row's dates on the field colour and its other cells on the button colour.
class FileTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  FileTableModel(const Session& session, QObject* parent);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // The table changed: a new row count resets the views, else its cells are
  // drawn again. `only_row` (a table row) redraws just that row: the one a
  // run is reading, while it lets the window work.
  void refresh(int only_row = 0);

  static int table_row(const QModelIndex& index) { return index.row() + 1; }

  // A cell's ink and paper when its row is selected.
  static constexpr int kSelectedForegroundRole = Qt::UserRole + 1;
  static constexpr int kSelectedBackgroundRole = Qt::UserRole + 2;

 private:
  QColor paper_colour(CellPaper paper) const;

  const Session& m_session;
  int m_rows = 0;
};

}  // namespace talve::ui
