// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/run_step.h"

#include <cmath>

namespace talve {

TDateTime run_step_days(const Period& period) {
  const double n = std::abs(static_cast<double>(period.step_count));
  switch (period.step_kind) {
    case StepKind::Time: {
      // The picker's time is written as hh:nn:ss and read back: whole
      // seconds of one day.
      const std::int64_t seconds = whole_seconds(std::abs(period.step_time)) % 86400;
      return from_whole_seconds(seconds);
    }
    case StepKind::Day:
      return n;
    case StepKind::Month:
      return n * 30.0;
    case StepKind::Year:
      return n * 365.0;
  }
  return 0;
}

}  // namespace talve
