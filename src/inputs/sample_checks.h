// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>
#include <vector>

namespace talve {

class Workspace;

// The content checks of a sample file's first lines against the current
// description: whether there is a title line and where, where the data
// begin, which column separator the first dated line uses, and which
// date-time pattern and date column(s) read the data lines. Each finding
// that contradicts the description is asked as a correction (Yes applies
// it at once and marks the description modified; declining keeps it).
//
// The first data line is the first line, not a "#" comment, holding a
// written date, or a time among more figures than letters; else the first
// line of more figures than letters: comments and headers above the data
// are passed over.
//
// `lines` are the sample's lines as the file holds them.
void check_sample_content(Workspace& ws, const std::vector<std::string_view>& lines);

// The question proposing a separator, when the line's tabs, blanks,
// semicolons or commas dominate and name another separator than the
// current one; Yes adopts it.
void ask_separator(Workspace& ws, std::string_view line);

// The question proposing the date-time pattern and column(s) reading the
// data lines that start at `first_data`, asked when the current ones do not
// read them all.
void ask_date_pattern(Workspace& ws, const std::vector<std::string_view>& lines, std::size_t first_data);

}  // namespace talve
