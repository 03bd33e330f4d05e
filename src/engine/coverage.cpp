// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/coverage.h"

#include <string>

#include "text/tdatetime.h"

namespace talve {
namespace {

std::int64_t milliseconds_of(const ResultTable& table, int r) {
  return to_milliseconds(table.instants[static_cast<std::size_t>(r)]);
}

// "900 s", "0.5 s".
std::string seconds_text(std::int64_t milliseconds) {
  std::string text = std::to_string(milliseconds / 1000);
  if (const std::int64_t rest = milliseconds % 1000; rest != 0) {
    std::string decimals = std::to_string(1000 + rest).substr(1);
    while (decimals.back() == '0') decimals.pop_back();
    text += "." + decimals;
  }
  return text + " s";
}

}  // namespace

std::int64_t interval_milliseconds(const ResultTable& table, int r, DateTest test, StepKind kind) {
  const int n = table.grid_count;
  if (r < 1 || r > n) return 0;
  if (test == DateTest::Strict && kind != StepKind::Time)
    return r < n ? milliseconds_of(table, r + 1) - milliseconds_of(table, r) : 0;
  if (r == 1) return n >= 2 ? milliseconds_of(table, 2) - milliseconds_of(table, 1) : 0;
  return milliseconds_of(table, r) - milliseconds_of(table, r - 1);
}

long long discard_thin_rows(ResultTable& table, int share, std::int64_t step, DateTest test, StepKind kind) {
  if (share <= 0 || step <= 0) return 0;
  long long discarded = 0;
  for (int r = 1; r <= table.grid_count; ++r) {
    const ResultValue count = table.nb(r);
    if (count == 0) continue;
    // count / (length / step) >= share / 100, in whole numbers: the boundary
    // (exactly the share) is kept, whatever the rounding of a division.
    const std::int64_t length = interval_milliseconds(table, r, test, kind);
    const double measured = static_cast<double>(count) * 100.0 * static_cast<double>(step);
    if (measured >= static_cast<double>(share) * static_cast<double>(length)) continue;
    for (int j = 2; j < table.map.count; ++j) {
      ResultCell& cell = table.at(r, j);
      if (cell.missing == 0) ++discarded;
      cell.missing = 1;
    }
  }
  return discarded;
}

long long apply_min_share(ResultTable& table, int share, std::int64_t step, DateTest test, StepKind kind,
                          TraceSink& log) {
  log.ajout_suivi("");
  if (step <= 0) {
    log.ajout_suivi("  taux minimum de mesures de " + std::to_string(share) +
                    " % non appliqué : aucun pas entre deux mesures n'a été observé");
    return 0;
  }
  log.ajout_suivi("  taux minimum de mesures = " + std::to_string(share) +
                  " % des mesures attendues par intervalle, au pas de mesure le plus fréquent (" +
                  seconds_text(step) + ")");
  const long long discarded = discard_thin_rows(table, share, step, test, kind);
  log.ajout_suivi("  " + std::to_string(discarded) + " valeurs écartées faute de mesures suffisantes");
  return discarded;
}

}  // namespace talve
