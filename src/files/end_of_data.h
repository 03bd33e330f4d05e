// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "files/data_block_position.h"
#include "files/loaded_file.h"

namespace talve {

// A file whose end marker is missing (a logger that stopped writing leaves
// one so) still ends with its measurements: its last instant is that of
// the last line that reads as a date. The search looks at the last lines of
// the file only, as many as a file read in pieces keeps, so that a file
// whose dates never read costs no more than a few lines.
inline constexpr std::size_t kEndSearchLines = 100;

// The index of the last line of the file, after the first data line and
// among its last kEndSearchLines lines, whose date value (as `date_value`
// takes it from the line) reads with the pattern as a calendar instant; -1
// when none does. The search traces nothing and leaves the state of the
// listing's or the run's date reading as it was.
long long last_dated_line(const LoadedFile& file, const DataBlock& block, std::string_view pattern,
                          const std::function<std::string(std::string_view)>& date_value);

// The note the FileTable's "correction" cell and the tracking window give
// a file without its end marker.
inline constexpr std::string_view kNoEndMarker = "sans balise de fin";

}  // namespace talve
