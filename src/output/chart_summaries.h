// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <memory>
#include <tuple>
#include <vector>

#include "output/chart_reduction.h"

namespace talve {

// The summaries of the series a chart window draws, kept from one drawing
// to the next while the ResultTable stays the same: every change of a
// drawing choice draws all the charts again, and a summary costs a pass
// over every row (half a second for five series of 5.3 million rows).
class SeriesSummaries {
 public:
  // The summary of each of `wanted`, in order: those already made are
  // taken again, the others made (on two threads when there are several);
  // summaries no longer wanted are dropped.
  std::vector<std::shared_ptr<const SeriesSummary>> take(const std::vector<SeriesValues>& wanted);
  void clear() { m_kept.clear(); }

 private:
  // The table (by its generation), the column, derived or not, and the step.
  using Key = std::tuple<const ResultTable*, unsigned long long, int, bool, double>;
  static Key key_of(const SeriesValues& values);
  std::map<Key, std::shared_ptr<const SeriesSummary>> m_kept;
};

}  // namespace talve
