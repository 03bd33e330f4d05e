// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "core/period.h"

namespace talve {

class DataDescription;
struct BatchOptions;

// The period, step and date test of a batch run: from the options, else
// the period of the last run kept in the description (`Label_min_dsc`,
// `Label_max_dsc`, `Label_pas_dsc`) and the test "(inf ou =)". Nothing,
// with the reason, when a value does not read.
std::optional<Period> batch_period(const BatchOptions& options, const DataDescription& description,
                                   std::string& error);

// A step given as "hh:nn:ss" or "N jour", "N mois", "N année" (plural
// forms accepted, N from 1 to 400) into the period's step fields.
bool read_step_option(const std::string& text, Period& period);

}  // namespace talve
