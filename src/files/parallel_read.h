// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "files/byte_substitution.h"

namespace talve {

// Files from this size on are read and cut on two threads: below it, the
// second thread costs more to start than it saves.
constexpr std::size_t kParallelReadBytes = 4u << 20;

// Reads a whole file and cuts it into lines, as read_whole_file followed by
// split_lines would. A large file is read in two halves at once, and its
// lines are cut on two threads, one half each (the halves meet at a line
// end).
//
// The file is copied into memory rather than mapped: on a virtual machine
// every page of a mapping costs a fault and, each time it is read, a walk
// of two sets of page tables, where the copy goes into a buffer that is
// reused from file to file and backed by large pages.
WholeFile read_and_split(const std::string& path, std::vector<std::string_view>& lines);

}  // namespace talve
