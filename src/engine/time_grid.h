// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "text/tdatetime.h"
#include "text/text_rows.h"

namespace talve {

// The TimeGrid: entry 0 is the placeholder "_intitulés des colonnes",
// entries 1..n the instants t0 < t1 < ... in canonical text. t0 is only the
// lower bound of the first interval.
struct TimeGrid {
  // In one block of text: a grid of a hundred thousand instants is then one
  // allocation, not one per instant, and copied as one.
  TextRows entries;
  // The same instants as values, entry i at index i (index 0 holds 0).
  std::vector<TDateTime> instants;

  bool empty() const { return entries.empty(); }
  // n, the grid count: the number of instants.
  int count() const { return entries.empty() ? 0 : static_cast<int>(entries.size()) - 1; }
  void clear() {
    entries.clear();
    instants.clear();
  }
};

}  // namespace talve
