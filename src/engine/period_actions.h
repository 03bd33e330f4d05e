// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "core/period.h"
#include "engine/count_preview.h"

namespace talve {

struct GridTarget;

// Every change of what the grid depends on empties it, marks the period
// changed (so that the period file is written again) and runs the count
// preview, whose caption is returned.
CountCaption period_changed(GridTarget& target);

// The pickers and choices of the period.
CountCaption set_period_start(GridTarget& target, TDateTime value);
CountCaption set_period_end(GridTarget& target, TDateTime value);
CountCaption set_step_time(GridTarget& target, TDateTime value);
CountCaption set_step_count(GridTarget& target, int count);
// Also shows the unit of the count in `Label56`.
CountCaption set_step_kind(GridTarget& target, StepKind kind);
// Also empties the result preview list.
CountCaption set_date_test(GridTarget& target, DateTest test);
// The day count of the date offset (`SpinEdit_decalage_jour`).
CountCaption set_offset_days(GridTarget& target, int days);

// The "O" buttons beside the start, the end and the step: asks, then sets
// that time of day to 00:00:00. Returns true when it was set.
enum class PeriodTime { Start, End, Step };
[[nodiscard]] bool zero_time(GridTarget& target, PeriodTime which);

// The double-click copies into the period. Each asks first; an accepted copy
// also marks the description modified. A source caption is used only when
// it holds enough numeric characters (a date); otherwise nothing happens.
// Each returns true when something was copied.
enum class PeriodBound { Start, End };
// `Label_min_dsc` / `Label_max_dsc`: the period of the last run.
[[nodiscard]] bool copy_last_run_bound(GridTarget& target, PeriodBound bound, const std::string& caption);
// `Label_pas_dsc`: the step of the last run, "hh:nn:ss".
[[nodiscard]] bool copy_last_run_step(GridTarget& target, const std::string& caption);
// `Label_date_min` / `Label_date_max`: the dates found by the listing.
[[nodiscard]] bool copy_listing_date(GridTarget& target, PeriodBound bound, const std::string& caption);
// `Label_date_heure_min` / `Label_date_heure_max`: the instants found by the
// listing, offered aligned on the step (Yes) or as they are (No).
[[nodiscard]] bool copy_listing_instant(GridTarget& target, PeriodBound bound, const std::string& caption);

}  // namespace talve
