// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/period_actions.h"

#include "core/workspace.h"
#include "engine/grid_target.h"
#include "engine/period_values.h"
#include "text/text_utils.h"

namespace talve {
namespace {

// A date written in any form holds at least eight digits.
constexpr int kDateDigits = 8;
// "hh:nn:ss" holds six: the step label never reaches eight, so it is held
// to the digits of a full time instead, or it could never be copied.
constexpr int kTimeDigits = 6;

TDateTime midnight_of(TDateTime value) {
  const CivilDate date = decode_date_time(value).date;
  return encode_date(date.year, date.month, date.day).value_or(value);
}

void set_bound(Workspace& ws, PeriodBound bound, TDateTime value) {
  if (bound == PeriodBound::Start)
    set_start_caption(ws, value);
  else
    set_end_caption(ws, value);
}

[[nodiscard]] bool ask_yes_no(Workspace& ws, const std::string& text) {
  return ws.ui().ask(MessageType::Confirmation, kYesNo, text) == Answer::Yes;
}

// While a grid is built or a run reads it, the period and the grid stay as
// they are: a refused change leaves the count shown.
bool refused(const GridTarget& target) { return target.ws.busy(); }
CountCaption unchanged(const GridTarget& target) { return {target.ws.period.count_caption}; }

void copied(GridTarget& target) {
  target.ws.description.mark_modified();
  period_changed(target);
}

}  // namespace

CountCaption period_changed(GridTarget& target) {
  if (refused(target)) return unchanged(target);
  target.grid.clear();
  target.ws.period.changed = true;
  return count_preview(target.ws);
}

CountCaption set_period_start(GridTarget& target, TDateTime value) {
  if (refused(target)) return unchanged(target);
  set_start_caption(target.ws, value);
  return period_changed(target);
}

CountCaption set_period_end(GridTarget& target, TDateTime value) {
  if (refused(target)) return unchanged(target);
  set_end_caption(target.ws, value);
  return period_changed(target);
}

CountCaption set_step_time(GridTarget& target, TDateTime value) {
  if (refused(target)) return unchanged(target);
  target.ws.period.step_time = value;
  return period_changed(target);
}

CountCaption set_step_count(GridTarget& target, int count) {
  if (refused(target)) return unchanged(target);
  target.ws.period.step_count = count;
  return period_changed(target);
}

CountCaption set_step_kind(GridTarget& target, StepKind kind) {
  if (refused(target)) return unchanged(target);
  target.ws.period.step_kind = kind;
  if (kind != StepKind::Time) target.ws.set_caption("Label56", step_unit(kind));
  return period_changed(target);
}

CountCaption set_date_test(GridTarget& target, DateTest test) {
  if (refused(target)) return unchanged(target);
  target.ws.period.date_test = test;
  target.result_list.clear();
  return period_changed(target);
}

CountCaption set_offset_days(GridTarget& target, int days) {
  if (refused(target)) return unchanged(target);
  target.ws.offset_days = days;
  return period_changed(target);
}

bool zero_time(GridTarget& target, PeriodTime which) {
  if (refused(target)) return false;
  Workspace& ws = target.ws;
  if (which == PeriodTime::Step) {
    if (!ask_yes_no(
            ws, "=== heure du pas ===\n\n  " + step_time_text(ws.period) + "\n\n mettre à\n\n  00:00:00 ?"))
      return false;
    set_step_time(target, 0.0);
    return true;
  }
  const bool start = which == PeriodTime::Start;
  const TDateTime value = start ? period_start(ws) : period_end(ws);
  const std::string title = start ? "=== heure début ===\n\n  " : "=== heure de fin ===\n\n  ";
  if (!ask_yes_no(ws, title + format_time(value) + "\n\n" + " mettre à\n\n" + "  00:00:00   ?")) return false;
  if (start)
    set_period_start(target, midnight_of(value));
  else
    set_period_end(target, midnight_of(value));
  return true;
}

bool copy_last_run_bound(GridTarget& target, PeriodBound bound, const std::string& caption) {
  if (refused(target)) return false;
  Workspace& ws = target.ws;
  if (compter_numeriques(caption) < kDateDigits) return false;
  const bool start = bound == PeriodBound::Start;
  if (!ask_yes_no(
          ws, (start ? " récupérer la date/heure min ?\n" : " récupérer la date/heure max ?\n") + caption))
    return false;
  set_bound(ws, bound, read_period_text(ws, caption));
  copied(target);
  return true;
}

bool copy_last_run_step(GridTarget& target, const std::string& caption) {
  if (refused(target)) return false;
  Workspace& ws = target.ws;
  if (compter_numeriques(caption) < kTimeDigits) return false;
  if (!ask_yes_no(ws, " récupérer le pas ?\n" + caption)) return false;
  ws.period.step_time = read_period_text(ws, caption);
  copied(target);
  return true;
}

bool copy_listing_date(GridTarget& target, PeriodBound bound, const std::string& caption) {
  if (refused(target)) return false;
  Workspace& ws = target.ws;
  if (compter_numeriques(caption) < kDateDigits) return false;
  const bool start = bound == PeriodBound::Start;
  if (!ask_yes_no(ws, (start ? " récupérer la date min ?\n" : " récupérer la date max ?\n") + caption))
    return false;
  set_bound(ws, bound, read_period_text(ws, caption));
  copied(target);
  return true;
}

bool copy_listing_instant(GridTarget& target, PeriodBound bound, const std::string& caption) {
  if (refused(target)) return false;
  Workspace& ws = target.ws;
  if (compter_numeriques(caption) < kDateDigits) return false;
  const bool start = bound == PeriodBound::Start;
  const std::int64_t value = instant_seconds(read_period_text(ws, caption));
  const std::int64_t step = step_seconds(ws.period);
  // Aligned on the step counted from 30/12/1899: the start rounded down,
  // the end to the nearest multiple. A zero step leaves the value as it is.
  std::int64_t aligned = value;
  if (step > 0) aligned = (start ? floor_div(value, step) : floor_div(2 * value + step, 2 * step)) * step;
  const TDateTime aligned_value = instant_value(aligned);
  const std::string text =
      (start ? " récupérer la date/heure mini ?\n\n(oui) " : " récupérer la date/heure maxi ?\n\n(oui) ") +
      format_canonical(aligned_value) + "\n\n" + "(non) " + caption + "\n\n";
  const Answer answer = ws.ui().ask(MessageType::Confirmation, kYesNoCancel, text);
  if (answer == Answer::Cancel) return false;
  set_bound(ws, bound, answer == Answer::Yes ? aligned_value : instant_value(value));
  copied(target);
  return true;
}

}  // namespace talve
