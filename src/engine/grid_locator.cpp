// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/grid_locator.h"

#include <algorithm>

namespace talve {

GridLocator::GridLocator(const std::vector<TDateTime>& instants, DateTest test, StepKind kind)
    : m_strict(test == DateTest::Strict), m_shift(test == DateTest::Strict && kind != StepKind::Time) {
  m_g.resize(std::max<std::size_t>(instants.size(), 1));
  for (std::size_t i = 1; i < instants.size(); ++i) m_g[i] = to_milliseconds(instants[i]);
  m_g[0] = 0;
  m_n = static_cast<int>(m_g.size()) - 1;
  if (m_n >= 1) {
    m_first = m_g[1];
    m_last = m_g[static_cast<std::size_t>(m_n)];
  }
}

int GridLocator::search(std::int64_t t) {
  // The intervals of an ascending grid do not overlap, so the one row that
  // matches is found by bisection instead of a scan of the whole grid.
  int found = -1;
  const auto first = m_g.begin() + 1;
  const auto last = m_g.end();
  const auto it = m_strict ? std::upper_bound(first, last, t) : std::lower_bound(first, last, t);
  const int r = static_cast<int>(it - m_g.begin());
  if (matches(r, t)) found = r;
  if (found < 0) {
    m_cache = 1;
    return -1;
  }
  m_cache = found;
  return shifted(found);
}

}  // namespace talve
