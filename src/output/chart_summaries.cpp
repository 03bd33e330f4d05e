// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/chart_summaries.h"

#include "text/two_threads.h"

namespace talve {

SeriesSummaries::Key SeriesSummaries::key_of(const SeriesValues& values) {
  return {&values.table(), values.table().generation, values.column(), values.is_derivative(),
          values.step_days()};
}

std::vector<std::shared_ptr<const SeriesSummary>> SeriesSummaries::take(
    const std::vector<SeriesValues>& wanted) {
  std::map<Key, std::shared_ptr<const SeriesSummary>> kept;
  std::vector<std::size_t> missing;  // one series of each summary to make
  for (std::size_t i = 0; i < wanted.size(); ++i) {
    const Key key = key_of(wanted[i]);
    if (kept.contains(key)) continue;
    const auto old = m_kept.find(key);
    kept[key] = old != m_kept.end() ? old->second : nullptr;
    if (!kept[key]) missing.push_back(i);
  }
  // Half of the missing summaries on each thread: each reads its own
  // column of the table, which nothing changes meanwhile.
  std::vector<std::shared_ptr<const SeriesSummary>> made(missing.size());
  const auto make = [&](std::size_t parity) {
    for (std::size_t k = parity; k < missing.size(); k += 2)
      made[k] = std::make_shared<const SeriesSummary>(wanted[missing[k]]);
  };
  if (missing.size() > 1)
    run_on_two_threads([&] { make(1); }, [&] { make(0); });
  else
    make(0);
  for (std::size_t k = 0; k < missing.size(); ++k) kept[key_of(wanted[missing[k]])] = made[k];
  std::vector<std::shared_ptr<const SeriesSummary>> out;
  out.reserve(wanted.size());
  for (const SeriesValues& values : wanted) out.push_back(kept[key_of(values)]);
  m_kept = std::move(kept);
  return out;
}

}  // namespace talve
