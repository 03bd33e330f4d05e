// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/period_values.h"

#include <cmath>
#include <cstdlib>

#include "core/workspace.h"
#include "text/text_utils.h"

namespace talve {
namespace {

constexpr std::int64_t kDay = 86400;

// The step picker's time written as hh:nn:ss and read back.
std::int64_t step_time_seconds(const Period& period) {
  return whole_seconds(std::abs(period.step_time)) % kDay;
}

}  // namespace

TDateTime read_period_text(Workspace& ws, std::string_view text) {
  std::string normalised;
  return ws.dates.texte_vers_datetime(text, normalised);
}

TDateTime period_start(Workspace& ws) { return read_period_text(ws, ws.period.start_caption); }

TDateTime period_end(Workspace& ws) { return read_period_text(ws, ws.period.end_caption); }

void set_start_caption(Workspace& ws, TDateTime value) {
  ws.period.start_caption = format_canonical(value);
  ws.set_caption("Label_temps_deb", ws.period.start_caption);
  ws.set_caption("Label_jour_semaine_deb", weekday_name(value));
}

void set_end_caption(Workspace& ws, TDateTime value) {
  ws.period.end_caption = format_canonical(value);
  ws.set_caption("Label_temps_fin", ws.period.end_caption);
  ws.set_caption("Label_jour_semaine_fin", weekday_name(value));
}

std::string step_time_text(const Period& period) {
  return format_time(from_whole_seconds(step_time_seconds(period)));
}

std::int64_t step_seconds(const Period& period) {
  const std::int64_t n = std::llabs(static_cast<long long>(period.step_count));
  switch (period.step_kind) {
    case StepKind::Time:
      return step_time_seconds(period);
    case StepKind::Day:
      return n * kDay;
    case StepKind::Month:
      return n * 30 * kDay;
    case StepKind::Year:
      return n * 365 * kDay;
  }
  return 0;
}

std::string step_unit(StepKind kind) {
  switch (kind) {
    case StepKind::Time:
      return "";
    case StepKind::Day:
      return "jour";
    case StepKind::Month:
      return "mois";
    case StepKind::Year:
      return "année";
  }
  return "";
}

std::string step_description(const Period& period) {
  const int n = period.step_count;
  const std::string count = std::to_string(n);
  switch (period.step_kind) {
    case StepKind::Time:
      return step_time_text(period);
    case StepKind::Day:
      return count + " jour" + (n > 1 ? "s" : "");
    case StepKind::Month:
      return count + " mois";
    case StepKind::Year:
      return count + " année" + (n > 1 ? "s" : "");
  }
  return "";
}

std::string step_description_report(const Period& period) {
  if (period.step_kind == StepKind::Time) return step_time_text(period);
  return std::to_string(period.step_count) + " " + step_unit(period.step_kind);
}

std::int64_t instant_seconds(TDateTime value) {
  const CivilDateTime parts = decode_date_time(value);
  return day_number(parts.date) * kDay + parts.time.hour * 3600 + parts.time.minute * 60 + parts.time.second;
}

TDateTime instant_value(std::int64_t seconds) {
  const std::int64_t day = floor_div(seconds, kDay);
  if (day >= 0) return from_whole_seconds(seconds);
  return static_cast<TDateTime>(day) - from_whole_seconds(seconds - day * kDay);
}

std::int64_t floor_div(std::int64_t numerator, std::int64_t denominator) {
  std::int64_t quotient = numerator / denominator;
  if (numerator % denominator != 0 && numerator < 0) --quotient;
  return quotient;
}

std::int64_t round_half_even(std::int64_t numerator, std::int64_t denominator) {
  const std::int64_t quotient = floor_div(numerator, denominator);
  const std::int64_t twice_rest = 2 * (numerator - quotient * denominator);
  if (twice_rest > denominator) return quotient + 1;
  if (twice_rest < denominator) return quotient;
  return quotient % 2 == 0 ? quotient : quotient + 1;
}

}  // namespace talve
