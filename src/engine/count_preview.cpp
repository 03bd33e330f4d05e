// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/count_preview.h"

#include "core/workspace.h"
#include "engine/period_values.h"
#include "text/text_utils.h"

namespace talve {
namespace {

constexpr std::int64_t kDay = 86400;

}  // namespace

std::int64_t count_estimate(std::int64_t span_seconds, std::int64_t step_seconds) {
  // span / step + 1/2 = (2 span + step) / (2 step)
  return round_half_even(2 * span_seconds + step_seconds, 2 * step_seconds);
}

std::string days_text(std::int64_t count, std::int64_t step_seconds) {
  std::int64_t product = count * step_seconds;
  if (product < 0) product = -product;
  const std::int64_t days = product / kDay;
  if (days <= 0) return "";
  return " => " + std::to_string(days) + " jour" + (days > 1 ? "s" : "");
}

CountCaption count_caption(std::int64_t count, std::int64_t step_seconds) {
  return CountCaption{format_grouped(count) + days_text(count, step_seconds),
                      count < 0 ? CountColour::Red : CountColour::Blue};
}

CountCaption count_preview(Workspace& ws) {
  const std::int64_t start = instant_seconds(period_start(ws));
  const std::int64_t end = instant_seconds(period_end(ws));
  const std::int64_t step = step_seconds(ws.period);
  CountCaption caption{"---", CountColour::Unchanged};
  if (step != 0 && end != start) {
    caption = count_caption(count_estimate(end - start, step), step);
    ws.period.changed = true;
  }
  ws.period.count_caption = caption.text;
  show_count(ws, caption);
  return caption;
}

void show_count(Workspace& ws, const CountCaption& caption) {
  ws.set_caption("Label25", caption.text);
  if (caption.colour != CountColour::Unchanged)
    ws.set_colour("Label25", ColourPart::Text,
                  ControlColour::of(caption.colour == CountColour::Red ? kRed : kBlue));
}

}  // namespace talve
