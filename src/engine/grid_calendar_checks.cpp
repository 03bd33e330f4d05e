// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/grid_calendar_checks.h"

#include "core/workspace.h"
#include "engine/grid_target.h"
#include "engine/period_values.h"

namespace talve {
namespace {

const char* const kMidnight = "00:00:00";

bool at_midnight(TDateTime value) {
  const TimeOfDay time = decode_date_time(value).time;
  return time.hour == 0 && time.minute == 0 && time.second == 0;
}

// The date at 00:00:00, or the value itself when that date cannot be
// encoded (outside years 1 to 9999).
TDateTime on_date(TDateTime fallback, int year, int month, int day) {
  return encode_date(year, month, day).value_or(fallback);
}

TDateTime midnight_of(TDateTime value) {
  const CivilDate date = decode_date_time(value).date;
  return on_date(value, date.year, date.month, date.day);
}

void set_both(Workspace& ws, TDateTime start, TDateTime end) {
  set_start_caption(ws, start);
  set_end_caption(ws, end);
  ws.period.changed = true;
}

Answer ask_correction(Workspace& ws, const std::string& text) {
  return ws.ui().ask(MessageType::Warning, kYesNoCancel, text);
}

void check_date_test(GridTarget& target) {
  Workspace& ws = target.ws;
  if (ws.period.date_test != DateTest::LessOrEqual) return;
  const Answer answer =
      ws.ui().ask(MessageType::Warning, kYesNo,
                  " le test sur les dates devrait être (inf strict)\n\n   [date [mesure]  <    "
                  "[horodatées] (inf strict)]\n\n   corriger cette option (Oui / Non)");
  if (answer != Answer::Yes) return;
  ws.period.date_test = DateTest::Strict;
  ws.period.changed = true;
  target.result_list.clear();
}

[[nodiscard]] bool check_days(Workspace& ws) {
  const TDateTime start = period_start(ws);
  const TDateTime end = period_end(ws);
  const bool start_off = !at_midnight(start);
  const bool end_off = !at_midnight(end);
  if (!start_off && !end_off) return true;
  const std::string start_time = format_time(start);
  const std::string end_time = format_time(end);
  std::string changes;
  if (start_off) changes += start_time + " -> " + kMidnight;
  if (end_off) changes += (start_off ? "  et  \n" : "    ") + end_time + " -> " + kMidnight;
  const std::string text =
      "--- PAR JOUR ------------\n\n" + format_canonical(start) + "  " + start_time + "\n" +
      format_canonical(end) + "  " + end_time + "\n\n" +
      " les heures des dates de début ou de fin ne sont pas à zéro =>  00:00:00    \n\n" + changes + "\n\n" +
      "     corriger     (Oui)\n\n" + "     continuer    (Non)\n\n" + "     ou annuler   (Annuler)";
  const Answer answer = ask_correction(ws, text);
  if (answer == Answer::Cancel) return false;
  if (answer == Answer::Yes) set_both(ws, midnight_of(start), midnight_of(end));
  return true;
}

[[nodiscard]] bool check_month_days(Workspace& ws) {
  const TDateTime start = period_start(ws);
  const TDateTime end = period_end(ws);
  const CivilDate first = decode_date_time(start).date;
  const CivilDate last = decode_date_time(end).date;
  const bool start_off = first.day != 1;
  const bool end_off = last.day != 1;
  if (!start_off && !end_off) return true;
  std::string dates;
  if (start_off) dates += ws.period.start_caption.substr(0, 10);
  if (end_off) dates += (start_off ? "  et  " : "    ") + ws.period.end_caption.substr(0, 10);
  const std::string text =
      "--- PAR MOIS ------------\n\n   les dates de début et de fin ne sont pas du type  01/mm/aaaa\n\n" +
      dates + "\n\n" + "     corriger     (Oui)\n\n" + "     continuer    (Non)\n\n" +
      "     ou annuler   (Annuler)";
  const Answer answer = ask_correction(ws, text);
  if (answer == Answer::Cancel) return false;
  if (answer == Answer::Yes) {
    int end_year = last.year;
    int end_month = last.month;
    // Only the months are compared: a period from March to March of a
    // later year still gets its end moved one month on.
    if (first.month == last.month) {
      end_month = last.month == 12 ? 1 : last.month + 1;
      if (last.month == 12) ++end_year;
    }
    set_both(ws, on_date(start, first.year, first.month, 1), on_date(end, end_year, end_month, 1));
  }
  return true;
}

[[nodiscard]] bool check_month_times(Workspace& ws) {
  const TDateTime start = period_start(ws);
  const TDateTime end = period_end(ws);
  if (at_midnight(start) && at_midnight(end)) return true;
  const std::string text =
      "--- PAR MOIS ------------\n\n" + ws.period.start_caption + "\n" + ws.period.end_caption + "\n\n" +
      " les heures des dates de début et de fin ne sont pas à zéro 00:00:00\n\n" +
      "   corriger     (Oui)\n\n" + "   continuer    (Non)\n\n" + "   ou annuler   (Annuler)";
  const Answer answer = ask_correction(ws, text);
  if (answer == Answer::Cancel) return false;
  if (answer == Answer::Yes) set_both(ws, midnight_of(start), midnight_of(end));
  return true;
}

[[nodiscard]] bool check_years(Workspace& ws) {
  const TDateTime start = period_start(ws);
  const TDateTime end = period_end(ws);
  const CivilDate first = decode_date_time(start).date;
  const CivilDate last = decode_date_time(end).date;
  auto first_of_january = [](const CivilDate& date) { return date.day == 1 && date.month == 1; };
  if (first_of_january(first) && first_of_january(last)) return true;
  const std::string text =
      "--- PAR ANNEE ------------\n\n   les dates de début et de fin ne sont pas du type   "
      "01/01/aaaa\n\n   " +
      ws.period.start_caption + "\n" + "   " + ws.period.end_caption + "\n\n" + "   corriger     (Oui)\n\n" +
      "   continuer    (Non)\n\n" + "   ou annuler   (Annuler)";
  const Answer answer = ask_correction(ws, text);
  if (answer == Answer::Cancel) return false;
  if (answer == Answer::Yes) {
    const int end_year = first.year == last.year ? last.year + 1 : last.year;
    set_both(ws, on_date(start, first.year, 1, 1), on_date(end, end_year, 1, 1));
  }
  return true;
}

}  // namespace

bool run_calendar_checks(GridTarget& target) {
  Workspace& ws = target.ws;
  switch (ws.period.step_kind) {
    case StepKind::Time:
      return true;
    case StepKind::Day:
      check_date_test(target);
      return check_days(ws);
    case StepKind::Month:
      check_date_test(target);
      return check_month_days(ws) && check_month_times(ws);
    case StepKind::Year:
      check_date_test(target);
      return check_years(ws);
  }
  return true;
}

}  // namespace talve
