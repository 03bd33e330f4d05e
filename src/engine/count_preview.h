// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace talve {

class Workspace;

// Colour of the count caption `Label25`.
enum class CountColour { Unchanged, Blue, Red };

struct CountCaption {
  std::string text;
  CountColour colour = CountColour::Unchanged;
};

// The count estimate K: span / step + 0.5, rounded to the nearest whole
// number with halves to even, computed exactly on whole seconds (step > 0).
std::int64_t count_estimate(std::int64_t span_seconds, std::int64_t step_seconds);

// " => " + D + " jour" (+ "s") with D the whole days of |count x step|;
// nothing when D is 0.
std::string days_text(std::int64_t count, std::int64_t step_seconds);

// The count written "### ### ### ##0" followed by its days text: red when
// negative, else blue.
CountCaption count_caption(std::int64_t count, std::int64_t step_seconds);

// The count preview run after every change of the period or step: `Label25`
// shows "---" for a zero step or an end equal to the start, else the
// estimate K with its days. Computing a count marks the period changed.
// The caption is also kept in Period::count_caption.
CountCaption count_preview(Workspace& ws);

// The count caption in `Label25`, with its colour unless it is Unchanged.
void show_count(Workspace& ws, const CountCaption& caption);

}  // namespace talve
