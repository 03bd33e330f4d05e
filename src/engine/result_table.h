// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace talve {

// One cell of the ResultTable.
struct ResultCell {
  std::uint8_t missing = 0;  // 1 when the cell holds no value
  char kind = 'r';           // 's' for the instant column, 'r' for values
  long double value = 0;
  std::int32_t ok_count = 0;  // non-missing values folded into the cell
};

// (grid count + 3) rows by (data column count + 5) columns of cells.
struct ResultTable {
  int rows = 0;
  int columns = 0;
  std::vector<ResultCell> cells;

  ResultCell& at(int row, int column) { return cells[static_cast<std::size_t>(row * columns + column)]; }
  const ResultCell& at(int row, int column) const {
    return cells[static_cast<std::size_t>(row * columns + column)];
  }
  void clear() {
    rows = columns = 0;
    cells.clear();
  }
};

}  // namespace talve
