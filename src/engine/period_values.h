// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/period.h"
#include "text/tdatetime.h"

namespace talve {

class Workspace;

// The period captions are the reference: every computation reads them back
// with the lenient date-time reading (an unreadable text gives 0, that is
// 30/12/1899, which then fails the checks of the grid).
TDateTime read_period_text(Workspace& ws, std::string_view text);
TDateTime period_start(Workspace& ws);
TDateTime period_end(Workspace& ws);

// Writes an instant into the start (end) caption, `Label_temps_deb`
// (`Label_temps_fin`), in the dd/mm/yyyy hh:nn:ss form, with its weekday
// in `Label_jour_semaine_deb` (`Label_jour_semaine_fin`).
void set_start_caption(Workspace& ws, TDateTime value);
void set_end_caption(Workspace& ws, TDateTime value);

// The step time as hh:nn:ss: a whole number of seconds below one day.
std::string step_time_text(const Period& period);
// The step in whole seconds: the step time for the kind hh:mn:ss, else N
// days, N x 30 days or N x 365 days (the month and year steps are only
// approximated so, for counts and displays). Never negative.
std::int64_t step_seconds(const Period& period);

// The step as the result file describes it: "00:15:00", "2 jours",
// "1 mois", "3 années".
std::string step_description(const Period& period);
// The step as the processing report describes it: the step time, or N, a
// blank and the unit ("2 jour", "1 mois", "1 année").
std::string step_description_report(const Period& period);
// Unit caption of the step kind (`Label56`): "jour", "mois" or "année";
// "" for the kind hh:mn:ss.
std::string step_unit(StepKind kind);

// Instants as whole seconds since 30/12/1899 00:00:00 on a straight time
// line, and back. Before that date a TDateTime counts its time of day
// towards its own midnight (-1.25 is 29/12/1899 06:00:00), so the date and
// the time are taken apart rather than the value simply scaled.
std::int64_t instant_seconds(TDateTime value);
TDateTime instant_value(std::int64_t seconds);

// numerator / denominator rounded towards minus infinity (denominator > 0).
std::int64_t floor_div(std::int64_t numerator, std::int64_t denominator);
// numerator / denominator rounded to the nearest integer, halves to even
// (denominator > 0).
std::int64_t round_half_even(std::int64_t numerator, std::int64_t denominator);

}  // namespace talve
