// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/result_table.h"

#include <cstdlib>
#include <new>
#include <type_traits>

namespace talve {

void ResultCells::reset(std::size_t rows, std::size_t columns) {
  static_assert(std::is_trivially_destructible_v<ResultCell> && std::is_aggregate_v<ResultCell>);
  clear();
  if (rows == 0 || columns == 0) return;
  // A blank cell is zero bytes: calloc hands a large block over as fresh
  // pages the system clears at their first write, without a pass of its own.
  void* const block = std::calloc(rows * columns, sizeof(ResultCell));
  if (block == nullptr) throw std::bad_alloc();
  m_cells.reset(static_cast<ResultCell*>(block));
  m_size = rows * columns;
}

}  // namespace talve
