// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

#include "engine/result_table.h"
#include "text/tdatetime.h"

namespace talve {

class EventPacer;
class Workspace;

// The passes run over the finalised table, read once per run.
struct PassSettings {
  bool forced_growth = false;  // `CheckBox_cumul_corriger`
  bool gap_filling = false;    // `CheckBox_post_traitement`
  int max_gap = 3;             // `Edit_nmax_lacune.text`, 3 when it is no whole number >= 0
  bool delta = false;          // `CheckBox_delta_Y`
  bool derivative = false;     // `CheckBox_derivees`
  TDateTime step_days = 0;     // divisor of the derivative

  static PassSettings read(const Workspace& ws);
};

inline constexpr int kDefaultMaxGap = 3;
// The longest gap a text gives, none when the run falls back to
// kDefaultMaxGap (not a whole number, or negative).
std::optional<int> max_gap_from_text(std::string_view text);

// The first row examined by the gap filling: the first written row. Row 1
// is the lower bound of the first interval, never written, so it may only
// serve as the value before a gap.
inline constexpr int kFirstFilledRow = 2;

// Forced growth of cumulative values over the written rows: a counter that
// falls back is continued from the last value before the fall, and the
// value at the fall itself is replaced by the offset alone (5, 10, 2, 4
// gives 5, 10, 10, 14). Missing cells stay missing and are no fall. The
// cells whose value the pass changes are marked so (CellOrigin).
void force_growth(ResultTable& table);

// Linear filling of gaps of at most max_gap missing cells, column by
// column, with its tracking lines. A gap open at the first or the last
// written row is filled, when no longer than max_gap, with the value of its
// one neighbour. Returns the number of interpolated cells.
int fill_gaps(ResultTable& table, int max_gap, Workspace& ws, EventPacer& pacer);

// Differences y(r) - y(r-1), or the same divided by the step in days; rows
// 1 and 2 get 0, and a difference involving a missing value is missing; a
// difference involving a filled (or forced) value is marked filled (or
// forced).
void apply_differences(ResultTable& table, bool derivative, TDateTime step_days, Workspace& ws);

// The three passes in their order, as the settings ask.
void run_passes(ResultTable& table, const PassSettings& settings, Workspace& ws, EventPacer& pacer);

}  // namespace talve
