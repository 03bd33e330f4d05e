// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "files/loaded_file.h"

namespace talve {

class Workspace;

// The line ends of a text, counted as split_lines cuts it: LF, CR LF and a
// lone CR each end a line; a CR at the very end of a chunk waits for the
// first byte of the next one.
class LineEndCounter {
 public:
  void add(std::string_view chunk);
  // The number of lines of everything added, given its last byte.
  std::size_t lines() const;
  // Takes in the count of the bytes that follow those added here, counted
  // on their own (`next`, at least one byte, the first being `next_first`):
  // the count is then that of both, as if they had been added here in turn.
  void append(const LineEndCounter& next, char next_first);

 private:
  std::size_t m_ends = 0;
  bool m_pending_cr = false;
  bool m_open_line = false;  // bytes after the last line end
};

// Loads a data file for its pre-reading. In files mode with line numbers
// (no markers), the pre-reading looks only at the first lines, the last
// ones and the line count: the file is then read once in small blocks that
// stay in the processor's cache, counting its lines, and only its first and
// last lines are kept, with the same byte substitutions as load_data_file.
// Anything else (markers, spreadsheet or clipboard input, a head or a blank
// end longer than the blocks kept) loads the file with load_data_file
// (whole, or in pieces when it is large), whose messages and result are
// those of that load.
[[nodiscard]] bool load_for_pre_reading(Workspace& ws, const std::string& path, LoadedFile& out, std::size_t head_lines);

}  // namespace talve
