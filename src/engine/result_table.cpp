// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/result_table.h"

#include <cstring>
#include <memory>
#include <new>
#include <thread>
#include <type_traits>

#include "text/two_threads.h"

namespace talve {
namespace {

// Below this size one thread fills the cells: a second would cost more to
// start than it saves.
constexpr std::size_t kParallelBytes = 4u << 20;

}  // namespace

void ResultCells::reset(std::size_t rows, std::size_t columns) {
  static_assert(std::is_trivially_destructible_v<ResultCell>);
  clear();
  if (rows == 0 || columns == 0) return;
  m_size = rows * columns;
  m_cells.reset(static_cast<ResultCell*>(::operator new(m_size * sizeof(ResultCell))));
  ResultCell* const cells = m_cells.get();
  auto fill = [cells, columns](std::size_t first_row, std::size_t end_row) {
    // Each cell copied whole from the blank one, sixteen bytes at a time:
    // filled field by field, the compiler makes a pass over the table for
    // each field, several times the memory traffic.
    static constexpr ResultCell kBlank{};
    ResultCell* const last = cells + end_row * columns;
    for (ResultCell* cell = cells + first_row * columns; cell != last; ++cell)
      std::memcpy(static_cast<void*>(cell), &kBlank, sizeof kBlank);
    if (columns < 2) return;
    for (std::size_t r = first_row; r < end_row; ++r) cells[r * columns + 1].kind = 's';
  };
  if (m_size * sizeof(ResultCell) < kParallelBytes || std::thread::hardware_concurrency() < 2) {
    fill(0, rows);
    return;
  }
  run_on_two_threads([&] { fill(rows / 2, rows); }, [&] { fill(0, rows / 2); });
}

}  // namespace talve
