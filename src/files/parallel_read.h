// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "files/byte_substitution.h"

namespace talve {

// Reads a whole file and cuts it into lines, as read_whole_file followed by
// split_lines would. A large file is mapped instead of copied, and its
// lines are cut on two threads, one half each (the halves meet at a line
// end).
WholeFile read_and_split(const std::string& path, std::vector<std::string_view>& lines);

}  // namespace talve
