// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batch_period.h"

#include <array>

#include "app/batch_options.h"
#include "core/data_description.h"
#include "text/text_utils.h"

namespace talve {
namespace {

constexpr int kMaxStepCount = 400;

// A period bound: the canonical date-time, or a date alone at midnight.
std::optional<std::string> bound_text(const std::string& text) {
  const std::string value = trim(text);
  const std::string full = value.size() == 10 ? value + " 00:00:00" : value;
  if (!parse_canonical(full)) return std::nullopt;
  return full;
}

// "hh:nn:ss" below one day, not zero.
std::optional<TDateTime> step_time(const std::string& text) {
  if (text.size() != 8 || text[2] != ':' || text[5] != ':') return std::nullopt;
  int hours = 0;
  int minutes = 0;
  int seconds = 0;
  if (!read_int(text.substr(0, 2), hours) || !read_int(text.substr(3, 2), minutes) ||
      !read_int(text.substr(6, 2), seconds))
    return std::nullopt;
  if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59 || seconds < 0 || seconds > 59)
    return std::nullopt;
  const int total = hours * 3600 + minutes * 60 + seconds;
  if (total == 0) return std::nullopt;
  return from_whole_seconds(total);
}

std::optional<StepKind> step_unit(const std::string& unit) {
  const std::array<std::pair<const char*, StepKind>, 5> units = {{{"jour", StepKind::Day},
                                                                  {"jours", StepKind::Day},
                                                                  {"mois", StepKind::Month},
                                                                  {"année", StepKind::Year},
                                                                  {"années", StepKind::Year}}};
  for (const auto& [name, kind] : units)
    if (unit == name) return kind;
  return std::nullopt;
}

}  // namespace

bool read_step_option(const std::string& text, Period& period) {
  const std::string value = trim(text);
  if (const auto time = step_time(value)) {
    period.step_kind = StepKind::Time;
    period.step_time = *time;
    return true;
  }
  const auto blank = value.find(' ');
  if (blank == std::string::npos) return false;
  int count = 0;
  if (!read_int(value.substr(0, blank), count) || count < 1 || count > kMaxStepCount) return false;
  const auto kind = step_unit(trim(value.substr(blank + 1)));
  if (!kind) return false;
  period.step_kind = *kind;
  period.step_count = count;
  return true;
}

std::optional<Period> batch_period(const BatchOptions& options, const DataDescription& description,
                                   std::string& error) {
  Period period;
  const std::string start = options.start.value_or(description.text("Label_min_dsc.caption"));
  const std::string end = options.end.value_or(description.text("Label_max_dsc.caption"));
  const auto start_text = bound_text(start);
  const auto end_text = bound_text(end);
  if (!start_text || !end_text) {
    error = !start_text ? "début de période illisible : <" + start + ">"
                        : "fin de période illisible : <" + end + ">";
    if (!options.start || !options.end) error += " (donner --start et --end \"jj/mm/aaaa hh:mn:ss\")";
    return std::nullopt;
  }
  period.start_caption = *start_text;
  period.end_caption = *end_text;
  const std::string step = options.step.value_or(description.text("Label_pas_dsc.caption"));
  if (!read_step_option(step, period)) {
    error = "pas illisible : <" + step + "> (hh:mn:ss, \"N jour\", \"N mois\" ou \"N année\")";
    return std::nullopt;
  }
  const std::string test = options.date_test.value_or("le");
  if (test != "le" && test != "lt") {
    error = "test des dates inconnu : <" + test + "> (le ou lt)";
    return std::nullopt;
  }
  period.date_test = test == "lt" ? DateTest::Strict : DateTest::LessOrEqual;
  period.changed = false;
  return period;
}

}  // namespace talve
