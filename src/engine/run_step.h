// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/period.h"
#include "text/tdatetime.h"

namespace talve {

// The grid step in days as the engine uses it for the observed-step window
// and the derivative: the step time as whole seconds of a day for the
// hh:mn:ss kind, N days, N x 30 days for months, N x 365 days for years
// (approximations, the real grid follows the calendar); never negative.
TDateTime run_step_days(const Period& period);

}  // namespace talve
