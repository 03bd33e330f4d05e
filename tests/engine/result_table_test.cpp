// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/result_table.h"

#include <gtest/gtest.h>

namespace talve {
namespace {

// Small tables are filled on one thread, large ones on two: every cell
// starts empty either way, the instant column marked as such.
TEST(ResultCells, EveryCellStartsEmptyWhateverTheSize) {
  for (const std::size_t rows : {1u, 3u, 7u, 200001u}) {
    ResultCells cells;
    cells.reset(rows, 13);
    ASSERT_EQ(cells.size(), rows * 13);
    for (std::size_t i = 0; i < cells.size(); ++i) {
      const ResultCell& cell = cells[i];
      ASSERT_EQ(cell.kind, i % 13 == 1 ? 's' : 'r') << rows << " rows, cell " << i;
      ASSERT_EQ(cell.value, 0);
      ASSERT_EQ(cell.ok_count, 0);
      ASSERT_EQ(cell.missing, 0);
    }
    cells.clear();
    EXPECT_TRUE(cells.empty());
  }
}

}  // namespace
}  // namespace talve
