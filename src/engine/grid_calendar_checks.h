// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace talve {

struct GridTarget;

// The checks made before a grid of days, months or years is built: the
// date test should be "(inf strict)", and the start and end should lie at
// midnight (days), on the first of a month (months) or on 1 January (years).
// Each question offers to correct (Yes), to go on unchanged (No) or to
// abandon (Cancel). Returns false when the user abandons.
[[nodiscard]] bool run_calendar_checks(GridTarget& target);

}  // namespace talve
