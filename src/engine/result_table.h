// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "engine/column_map.h"
#include "text/tdatetime.h"

namespace talve {

// The values of the ResultTable. A double holds the sums of a grid row
// with far more precision than any file writes; it keeps a cell at 16
// bytes, and a table of a hundred thousand rows in cache-friendly memory.
using ResultValue = double;

// Where the value of a cell comes from, for the marks the result may write
// beside its values; 0 (the initial state) is a value made of measurements.
enum class CellOrigin : std::uint8_t {
  Measured = 0,
  Filled = 1,        // a gap filled from its neighbours
  ForcedGrowth = 2,  // moved by the forced growth of a counter
};

// One cell of the ResultTable (members ordered so that the cell packs into
// 16 bytes).
struct ResultCell {
  ResultValue value = 0;
  std::int32_t ok_count = 0;  // non-missing values folded into the cell
  std::uint8_t missing = 0;   // 1 when the cell holds no value
  CellOrigin origin = CellOrigin::Measured;
};
static_assert(sizeof(ResultCell) == 16);

// The cells of a table, in one block. A blank cell is all zero bytes, so
// that the block is taken from the system already cleared and written once,
// by the run, instead of being cleared by the system and then filled: a
// table of a few hundred thousand rows is tens of megabytes.
class ResultCells {
 public:
  // rows x columns blank cells.
  void reset(std::size_t rows, std::size_t columns);
  void clear() {
    m_cells.reset();
    m_size = 0;
  }
  std::size_t size() const { return m_size; }
  bool empty() const { return m_size == 0; }
  ResultCell& operator[](std::size_t i) { return m_cells.get()[i]; }
  const ResultCell& operator[](std::size_t i) const { return m_cells.get()[i]; }

 private:
  struct Release {
    void operator()(ResultCell* cells) const { std::free(cells); }
  };
  std::unique_ptr<ResultCell, Release> m_cells;
  std::size_t m_size = 0;
};

// (grid count + 3) rows by (data column count + 5) columns of cells. Row r
// (1..n) belongs to the grid instant r; rows 0 and n+1, n+2 only border the
// used rows. Column 1 is the instant, 2..C-1 the data, C the line count nb.
struct ResultTable {
  int rows = 0;
  int columns = 0;
  int grid_count = 0;  // n
  ResultCells cells;
  // Grid instants as values, index 1..n (index 0 holds 0).
  std::vector<TDateTime> instants;
  // Output columns with their sources and titles, set at the first file.
  ColumnMap map;
  // Per output column: the cells written as the missing text in rows 2..n.
  std::vector<int> empty_counts;
  // Lines folded into the table over all files of the run.
  long long line_total = 0;
  // Counts the tables this one has held: a view built on its rows (the
  // charts) knows by it that they went away.
  unsigned long long generation = 0;

  ResultCell& at(int row, int column) { return cells[static_cast<std::size_t>(row * columns + column)]; }
  const ResultCell& at(int row, int column) const {
    return cells[static_cast<std::size_t>(row * columns + column)];
  }
  // C, the output column holding nb.
  int nb_column() const { return map.count; }
  ResultValue nb(int row) const { return at(row, map.count).value; }
  void set_nb(int row, ResultValue value) {
    ResultCell& cell = at(row, map.count);
    cell.missing = 0;
    cell.value = value;
  }
  // The cell is written as a number: its row received lines (or was filled)
  // and the cell itself holds a value.
  bool holds_value(int row, int column) const { return nb(row) != 0 && at(row, column).missing == 0; }

  void clear() {
    rows = columns = grid_count = 0;
    cells.clear();
    instants.clear();
    map = ColumnMap();
    empty_counts.clear();
    line_total = 0;
    ++generation;
  }
};

}  // namespace talve
