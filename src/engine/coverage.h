// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "core/period.h"
#include "engine/result_table.h"
#include "text/trace_sink.h"

namespace talve {

// The length in milliseconds of the interval row r gathers: (g[r-1], g[r]]
// or [g[r-1], g[r]) after the date test, [g[r], g[r+1]) with "(inf strict)"
// and a day, month or year step; row 1, which gathers at most its own
// instant, is given the length of the next interval. 0 when the row
// gathers nothing.
std::int64_t interval_milliseconds(const ResultTable& table, int r, DateTest test, StepKind kind);

// The minimum share of measurements (`Edit_taux_min.text`): a row whose
// line count is below `share` percent of the measurements expected in its
// interval (its length divided by `step`, the most frequent step between
// two measurements, in milliseconds) loses its values: every data cell
// becomes missing, and nb keeps the count. Runs after the last file,
// before the finalisation, so that a cumulative total starts again after
// such a row as after an empty one. Returns the number of values
// discarded (cells that held one).
long long discard_thin_rows(ResultTable& table, int share, std::int64_t step, DateTest test, StepKind kind);

// The rule applied with its tracking lines: the share and the step, then
// "  <n> valeurs écartées faute de mesures suffisantes"; without any step
// observed, a line saying that the rule could not apply. Returns the count.
long long apply_min_share(ResultTable& table, int share, std::int64_t step, DateTest test, StepKind kind,
                          TraceSink& log);

}  // namespace talve
