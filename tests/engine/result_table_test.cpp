// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/result_table.h"

#include <gtest/gtest.h>

namespace talve {
namespace {

bool blank(const ResultCell& cell) {
  return cell.value == 0 && cell.ok_count == 0 && cell.missing == 0 && cell.origin == CellOrigin::Measured;
}

// Every cell starts blank whatever the size, also where a table of the same
// size was written before (its block may come back from the allocator).
TEST(ResultCells, EveryCellStartsBlankWhateverTheSizeAndTheTableBefore) {
  ResultCells cells;
  for (const std::size_t rows : {1u, 3u, 7u, 200001u, 200001u, 5u}) {
    cells.reset(rows, 13);
    ASSERT_EQ(cells.size(), rows * 13);
    for (std::size_t i = 0; i < cells.size(); ++i)
      ASSERT_TRUE(blank(cells[i])) << rows << " rows, cell " << i;
    // Written all over, for the next table.
    for (std::size_t i = 0; i < cells.size(); ++i) {
      cells[i].value = 1.5;
      cells[i].ok_count = 7;
      cells[i].missing = 1;
      cells[i].origin = CellOrigin::Filled;
    }
  }
  cells.clear();
  EXPECT_TRUE(cells.empty());
}

}  // namespace
}  // namespace talve
