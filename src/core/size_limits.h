// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace talve {

// The ResultTable of a run holds (grid count + 3) x (data columns + 5)
// cells of 16 bytes. A period far too long for its step, or a file whose
// title line holds millions of columns (a binary file, a file without line
// ends), would ask for more memory than any computer has, and the program
// would die or hang there: beyond these bounds the grid or the run is
// refused with a message instead.
inline constexpr long long kMaxResultCells = 1LL << 27;  // 2 GiB of cells
inline constexpr long long kMaxDataColumns = 100'000;
// The longest grid a table of one data column can hold.
inline constexpr long long kMaxGridInstants = kMaxResultCells / (1 + 5) - 3;

}  // namespace talve
