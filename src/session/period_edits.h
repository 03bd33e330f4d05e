// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>

#include "core/period.h"
#include "engine/period_actions.h"

namespace talve {

class Session;

// Zone 4's period, step and grid as the window edits them. Every change
// empties the grid, marks the period changed and shows the count preview
// (`Label25`); none takes place while a long task is going on
// (`Session::busy`), so that a grid being built or read stays whole.

// The start and end pickers (a day at a time of day), the step time, the
// day/month/year count, the step kind (with its display), the date test
// and the day count of the offset.
void change_period_start(Session& session, TDateTime value);
void change_period_end(Session& session, TDateTime value);
void change_step_time(Session& session, TDateTime value);
void change_step_count(Session& session, int count);
void change_step_kind(Session& session, StepKind kind);
void change_date_test(Session& session, DateTest test);
void change_offset_days(Session& session, int days);

// The "O" buttons beside the start, the end and the step: asks, then sets
// that time of day to 00:00:00. Returns true when it was set.
[[nodiscard]] bool zero_period_time(Session& session, PeriodTime which);

// A double-click on one of the labels that show a date or a step: the dates
// found by the listing (`Label_date_min`, `Label_date_max`,
// `Label_date_heure_min`, `Label_date_heure_max`) and the period and step
// of the last run (`Label_min_dsc`, `Label_max_dsc`, `Label_pas_dsc`). Its
// caption is offered as that bound (or step) when it holds one. Returns
// true when something was copied; false too for any other label.
[[nodiscard]] bool copy_into_period(Session& session, std::string_view label);
// The labels that copy into the period on a double-click, in the order above.
std::span<const std::string_view> period_copy_labels();

// The start and end captions with their weekdays, as the period file gives
// them (the window's creation).
void show_period_captions(Session& session);

// "<=  2-  créer la liste horodatée": refuses a zero step and an end that is
// not after the start, asks, then builds the grid. True when a grid (even a
// partial one) was built.
bool creer_liste_horodatee_click(Session& session);

}  // namespace talve
