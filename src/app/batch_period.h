// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "core/period.h"

namespace talve {

class DataDescription;
struct BatchOptions;

// Where a bound of the batch period comes from.
enum class BoundOrigin {
  Option,       // --start, --end
  Description,  // the last run kept in the description (--period dsc)
  Data,         // the listed files' first and last instants, aligned on the step
};

// The period, step and date test of a batch run. The step comes from
// --step, else from the step of the last run kept in the description
// (`Label_pas_dsc`); the date test from --date-test, else "(inf ou =)".
// Each bound comes from its option, else from the listed files (by
// default) or from the description's last run (`Label_min_dsc`,
// `Label_max_dsc`, with --period dsc). Bounds from the files are known
// only once the files are listed.
struct BatchPeriod {
  Period period;
  BoundOrigin start_origin = BoundOrigin::Data;
  BoundOrigin end_origin = BoundOrigin::Data;
  // The span of the listed files, once known (for the line that tells it).
  std::string data_first;
  std::string data_last;

  bool needs_data() const { return start_origin == BoundOrigin::Data || end_origin == BoundOrigin::Data; }
};

// The period as far as the options and the description give it; nothing,
// with the reason, when a value does not read.
std::optional<BatchPeriod> batch_period(const BatchOptions& options, const DataDescription& description,
                                        std::string& error);

// The bounds left to the listed files, from the earliest first instant and
// the latest last instant of the files: the first and last output instants
// whose rows gather them, so that no line of the span falls outside the
// grid. False, with the reason, when the files gave no instant.
bool bounds_from_data(BatchPeriod& period, TDateTime earliest, TDateTime latest, std::string& error);

// "période : du 01/03/2024 00:30:00 au 03/03/2024 00:00:00 au pas de
// 00:30:00 (dates des fichiers listés...)", for the first lines of the run.
// Before the files are listed, the bounds they give are announced instead.
std::string period_line(const BatchPeriod& period);

// A step given as "hh:nn:ss" or "N jour", "N mois", "N année" (plural
// forms accepted, N from 1 to 400) into the period's step fields.
[[nodiscard]] bool read_step_option(const std::string& text, Period& period);

}  // namespace talve
