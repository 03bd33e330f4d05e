// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "core/period.h"
#include "text/tdatetime.h"

namespace talve {

// Finds the ResultTable row whose grid interval holds an instant. With the
// instants g[1..n] (g[0] = 0), row r gathers g[r-1] < t <= g[r] for the test
// "(inf ou =)" and g[r-1] <= t < g[r] for "(inf strict)"; with
// "(inf strict)" and a day, month or year step the row found is the one
// before, so that an output instant gathers the interval that starts at it.
// Instants are compared in whole milliseconds: an instant that lands on a
// grid instant belongs to that instant's row under both tests, however it
// was computed.
class GridLocator {
 public:
  GridLocator() = default;
  // instants: index 0..n, index 0 holding 0.
  GridLocator(const std::vector<TDateTime>& instants, DateTest test, StepKind kind);

  // The row 1..n that gathers the instant (in milliseconds), or -1 (outside
  // the grid, or the row before the first one).
  int row_of(std::int64_t t) {
    if (!(t >= m_first && t <= m_last)) return -1;
    // Files read in time order hit the row found last or the next one.
    if (matches(m_cache, t)) return shifted(m_cache);
    if (matches(m_cache + 1, t)) return shifted(++m_cache);
    return search(t);
  }
  // Instants are given in milliseconds (to_milliseconds), never as days.
  int row_of(TDateTime t) = delete;
  // Back to the first row, as at the start of a run and of each file.
  void reset_cache() { m_cache = 1; }

 private:
  bool matches(int r, std::int64_t t) const {
    if (r < 1 || r > m_n) return false;
    const std::int64_t* g = m_g.data();
    return m_strict ? g[r - 1] <= t && t < g[r] : g[r - 1] < t && t <= g[r];
  }
  int shifted(int r) const {
    if (m_shift) --r;
    return r >= 1 ? r : -1;
  }
  int search(std::int64_t t);

  std::vector<std::int64_t> m_g{0};
  int m_n = 0;
  std::int64_t m_first = 1;  // g[1]
  std::int64_t m_last = 0;   // g[n]; empty grid: nothing lies between
  bool m_strict = false;
  bool m_shift = false;  // "(inf strict)" with a day, month or year step
  int m_cache = 1;
};

}  // namespace talve
