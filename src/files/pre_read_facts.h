// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "text/tdatetime.h"

namespace talve {

// What the pre-reading of one file found out, kept with its FileTable row
// for the steps that follow (the processing run reads the columns and
// titles from here instead of reading the file's head again).
struct PreReadFacts {
  // 0-based line indexes into the loaded lines.
  long long marker_line = 0;  // M, 0 without markers
  long long first_line = 0;   // F
  long long last_line = 0;    // L, -1 when the end marker is missing
  // The end marker was looked for and not found: the last date is that of
  // the last line that reads as one.
  bool end_marker_missing = false;
  long long title_line = -1;  // T, -1 without titles
  int measurement_columns = 0;
  int date_columns = 1;  // 1 or 2
  char split = ';';      // the split character of the separator choice
  // The column titles separated by TAB: the file's titles, the alternative
  // titles when they are in use, or the generated "A1", "B2"... without
  // titles.
  std::string titles_tab;
  // The first and last instants, canonical text ("" when they did not read).
  std::string first_date;
  std::string last_date;
  TDateTime first = 0;
  TDateTime last = 0;
};

}  // namespace talve
