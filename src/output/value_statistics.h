// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/result_table.h"

namespace talve {

// The summary of a result written into the tracking log after each run:
// for every data column the number of results, of empty cells and of
// usable values, then the totals and the missing-value bounds in force.
//
// The counts describe the result file as written: `written_rows` is the
// number of rows below its title row (n - 1 after a complete run, fewer
// after a stop), and a cell is empty when it was written as the missing
// text (its row received no line, or its value was missing), each counted
// once. So results - empty is exactly the number of values in the column.
struct StatisticsInput {
  const ResultTable* table = nullptr;
  int written_rows = 0;
  long long line_total = 0;  // lines folded into the table over all files
  std::string min_na;        // `Edit_min_na.text`
  std::string max_na;        // `Edit_max_na.text`
};

// Per output column (index j, data columns 2..C-1): the cells written as the
// missing text among the first `written_rows` rows of the file.
std::vector<int> empty_cells(const ResultTable& table, int written_rows);

// The lines, in order, from the empty line that opens them to the closing
// separator.
std::vector<std::string> statistics_lines(const StatisticsInput& input);

// The separator line of the summary: four blanks and 140 "-".
std::string statistics_separator();

}  // namespace talve
