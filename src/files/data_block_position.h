// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace talve {

// Where the data of a loaded file lie, as 0-based line indexes.
struct DataBlock {
  long long marker = 0;  // M: the begin marker line (0 without markers)
  long long first = 0;   // F: first data line
  // L: last data line, for the end date, the counts and the progress only
  // (reading goes on to the end of the file); -1 when the end marker is
  // missing.
  long long last = 0;
  long long title = -1;  // T: title line, -1 when the files have no titles
};

}  // namespace talve
