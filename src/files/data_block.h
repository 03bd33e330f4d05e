// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "files/data_block_position.h"
#include "files/loaded_file.h"

#include <string_view>
#include <vector>

namespace talve {

class DataDescription;

// Locates the data block by line number (`RadioGroup_numlig_balise_ItemIndex`
// 0) or by the begin and end marker lines (1).
DataBlock locate_data_block(const std::vector<std::string_view>& lines, const DataDescription& description);
// The same for a loaded file, whole or an outline: an outline read in
// pieces was located while it was read; any other outline is made only for
// line numbers, and holds the last line that is not blank.
DataBlock locate_data_block(const LoadedFile& file, const DataDescription& description);

// The index in the file of the last line of `lines` that is not blank,
// lines[0] being line `base` of the file; line 0 (the titles) never counts.
// -1 when there is none.
long long last_non_blank_line(const std::vector<std::string_view>& lines, long long base = 0);

// A line-number setting read as an integer (blanks around allowed); 0 when
// it does not read. Values beyond +-2^40 are held at that bound.
long long line_number_setting(const DataDescription& description, std::string_view key);

}  // namespace talve
