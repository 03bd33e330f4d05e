// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace talve {

struct GridTarget;

enum class [[nodiscard]] InstantsOutcome{
    Complete,  // every instant up to the end was added
    Stopped,   // the stop flag was set; the instants added so far stay
    BadDate,   // a month or year step reached a day its month does not have
};

// Adds to the grid (after its entry 0) the instants t0, t1, ... that are not
// after the end, all values in whole seconds since 30/12/1899: for the
// hh:mn:ss and day steps t(i) = start - step + i x step, each computed from
// t0 by one multiplication, so that no error builds up and an end lying on
// the grid is always included; for months and years the calendar is
// followed from the start's date moved back one step, at midnight, keeping
// the start's day. `estimate` (the count K) only drives the progress text.
// Window events run a few dozen times a second at most; the stop flag is
// tested after each instant.
InstantsOutcome add_grid_instants(GridTarget& target, std::int64_t start, std::int64_t end, std::int64_t step,
                                  std::int64_t estimate);

}  // namespace talve
