// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/chart_look.h"

#include <algorithm>
#include <array>

#include "engine/period_values.h"

namespace talve {
namespace {

constexpr std::array<ChartColour, 15> kPalette = {{{0, 0, 255},
                                                   {255, 128, 64},
                                                   {0, 128, 0},
                                                   {128, 60, 0},
                                                   {128, 128, 192},
                                                   {156, 30, 174},
                                                   {0, 128, 64},
                                                   {80, 80, 149},
                                                   {168, 168, 0},
                                                   {0, 128, 192},
                                                   {236, 0, 0},
                                                   {240, 0, 240},
                                                   {106, 106, 106},
                                                   {100, 55, 80},
                                                   {0, 0, 0}}};

constexpr int kLighter = 170;

int lighter(int component) { return std::min(component + kLighter, 255); }

}  // namespace

ChartColour series_colour(int series_count, bool light) {
  const int size = static_cast<int>(kPalette.size());
  const int index = ((series_count - 1) % size + size) % size;
  const ChartColour colour = kPalette[static_cast<std::size_t>(index)];
  if (!light) return colour;
  return {lighter(colour.red), lighter(colour.green), lighter(colour.blue)};
}

AxisBounds left_axis_bounds(double least, double greatest, bool any_value, AxisBounds previous) {
  if (!any_value) return previous;
  if (greatest > least) {
    const double range = greatest - least;
    return {least - range - 0.1, greatest + range + 0.1};
  }
  // A stuck sensor draws a flat line: kept on the axis it had when that
  // axis shows it, not lost outside an axis of other values.
  if (previous.least < least && least < previous.greatest) return previous;
  return {least - 0.1, least + 0.1};
}

std::string chart_step_caption(const Period& period) { return "pas = " + step_description(period); }

}  // namespace talve
