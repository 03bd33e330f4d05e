// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <unordered_map>

namespace talve {

// The steps between consecutive measurements of a run's files, counted by
// length for the most frequent one. A logger keeps its step for thousands
// of lines: a run of equal steps is counted once when it ends, so that a
// line costs a comparison.
class StepTally {
 public:
  void add(std::int64_t step) {
    if (step == m_current) [[likely]] {
      ++m_repeats;
      return;
    }
    close_run();
    m_current = step;
    m_repeats = 1;
  }
  // The most frequent step (the shortest of equally frequent ones), 0 when
  // none was seen.
  std::int64_t most_frequent();

 private:
  void close_run();

  std::int64_t m_current = 0;
  long long m_repeats = 0;
  std::unordered_map<std::int64_t, long long> m_counts;
};

}  // namespace talve
