// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/run_step.h"

#include "engine/period_values.h"

namespace talve {

TDateTime run_step_days(const Period& period) { return from_whole_seconds(step_seconds(period)); }

}  // namespace talve
