// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/step_tally.h"

namespace talve {

void StepTally::close_run() {
  if (m_repeats > 0) m_counts[m_current] += m_repeats;
  m_repeats = 0;
}

std::int64_t StepTally::most_frequent() {
  close_run();
  std::int64_t best = 0;
  long long best_count = 0;
  for (const auto& [step, count] : m_counts)
    if (count > best_count || (count == best_count && step < best)) {
      best = step;
      best_count = count;
    }
  return best;
}

}  // namespace talve
