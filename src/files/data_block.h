// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "files/loaded_file.h"

#include <string_view>
#include <vector>

namespace talve {

class DataDescription;

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

// Locates the data block by line number (`RadioGroup_numlig_balise_ItemIndex`
// 0) or by the begin and end marker lines (1).
DataBlock locate_data_block(const std::vector<std::string_view>& lines, const DataDescription& description);
// The same for a loaded file, whole or an outline (an outline is made only
// for line numbers, and holds the last line that is not blank).
DataBlock locate_data_block(const LoadedFile& file, const DataDescription& description);

// A line-number setting read as an integer (blanks around allowed); 0 when
// it does not read. Values beyond +-2^40 are held at that bound.
long long line_number_setting(const DataDescription& description, std::string_view key);

}  // namespace talve
