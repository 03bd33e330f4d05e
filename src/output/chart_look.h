// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "core/period.h"

namespace talve {

struct ChartColour {
  int red = 0;
  int green = 0;
  int blue = 0;
  bool operator==(const ChartColour&) const = default;
};

// The colour of the `series_count`-th series drawn (from 1, counted across
// the five charts): fourteen colours then black, again and again; in 3D
// each component is lightened by 170 (at most 255), so that the ribbons'
// black outlines stay readable.
ChartColour series_colour(int series_count, bool light);

struct AxisBounds {
  double least = 0;
  double greatest = 1;
  bool operator==(const AxisBounds&) const = default;
};

// The left axis of a chart whose plotted values run from `least` to
// `greatest`: a margin of the whole range on each side, plus 0.1. Values
// all equal keep the previous bounds when these show them, else get 0.1 on
// each side; a chart without value keeps its previous bounds.
AxisBounds left_axis_bounds(double least, double greatest, bool any_value, AxisBounds previous);

// The step as the charts' header shows it: "pas = 00:15:00", "pas = 2 jours",
// "pas = 1 mois", "pas = 3 années".
std::string chart_step_caption(const Period& period);

}  // namespace talve
