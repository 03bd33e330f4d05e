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

// Reads [offset, offset + size) of a file as read_range does; from
// kParallelReadBytes on, each half on its own thread. The number of bytes
// that follow one another from `offset` (fewer at the end of the file), or
// -1 on an error.
long long read_range_in_halves(int fd, char* out, std::size_t size, std::size_t offset);

// The lines of a text as split_lines cuts them, into `lines` (emptied
// first, its room kept). A large text is cut on two threads, one half each,
// the halves meeting right after a line end; `spare` holds the second
// half's lines meanwhile and keeps its room for the next text.
void split_lines_in_halves(std::string_view text, std::vector<std::string_view>& lines,
                           std::vector<std::string_view>& spare, bool* may_hold_nul = nullptr);

}  // namespace talve
