// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/field_cutting.h"

namespace talve {

// The date-time pattern and the date column(s) that read the instants of a
// sample's data lines, worked out from the lines themselves.
//
// The candidates are the pickers' patterns and patterns built from the
// digit groups and separators of the first line's fields (one field, or two
// or three neighbouring fields joined with "+"), with a four- or two-digit
// year first or last, day first or month first, a day of the year, a 12-hour
// clock and an offset from UTC. A candidate is kept only when it reads the
// sampled lines (a few lines of another kind, 5 % at most, may stay unread)
// as instants of the years 1900 to 2100; among those, the readings in time
// order (no instant before its predecessor by more than a day) win over the
// others, then the ones reading the most lines, then the ones telling the
// most instants apart, then the fewest columns, then the patterns reading
// the most groups. When day-first
// and month-first readings both remain, the one whose instants follow each
// other the most regularly is kept, and the proposal says so.
struct DatePatternProposal {
  std::string pattern;
  std::string columns;  // "2", or "2+3+4"
  // Day-first and month-first both read every line; `day_first` tells which
  // one the proposal took.
  bool order_chosen = false;
  bool day_first = true;
};

// `lines` are the sampled data lines (at most 100 are read), cut with
// `cutting`; blank lines are skipped. Nothing when no candidate reads them.
std::optional<DatePatternProposal> propose_date_pattern(const std::vector<std::string_view>& lines,
                                                        const FieldCutting& cutting);

}  // namespace talve
