// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batch_period.h"

#include <algorithm>
#include <array>

#include "app/batch_options.h"
#include "core/data_description.h"
#include "engine/period_values.h"
#include "text/text_utils.h"

namespace talve {
namespace {

constexpr int kMaxStepCount = 400;
constexpr std::int64_t kDay = 86400;

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

std::optional<StepKind> step_unit_of(const std::string& unit) {
  const std::array<std::pair<const char*, StepKind>, 5> units = {{{"jour", StepKind::Day},
                                                                  {"jours", StepKind::Day},
                                                                  {"mois", StepKind::Month},
                                                                  {"année", StepKind::Year},
                                                                  {"années", StepKind::Year}}};
  for (const auto& [name, kind] : units)
    if (unit == name) return kind;
  return std::nullopt;
}

// A bound from its option, else from the description's last run when asked,
// else left to the files.
bool choose_bound(const std::optional<std::string>& option, bool from_description,
                  const std::string& description_value, const char* what, std::string& caption,
                  BoundOrigin& origin, std::string& error) {
  if (!option && !from_description) {
    origin = BoundOrigin::Data;
    return true;
  }
  origin = option ? BoundOrigin::Option : BoundOrigin::Description;
  const std::string& given = option ? *option : description_value;
  const auto text = bound_text(given);
  if (!text) {
    error = std::string(what) + " de période illisible : <" + given + ">";
    if (!option) error += " (donner --start et --end \"jj/mm/aaaa hh:mn:ss\", ou --period donnees)";
    return false;
  }
  caption = *text;
  return true;
}

// --- Output instants aligned on the step: whole multiples of the step time
// counted from 30/12/1899, midnights, first days of months, 1 January.

CivilDate civil_date(std::int64_t seconds) { return decode_date_time(instant_value(seconds)).date; }

std::optional<std::int64_t> date_seconds(std::int64_t year, int month, int day) {
  if (year < 1 || year > 9999) return std::nullopt;
  const auto date = encode_date(static_cast<int>(year), month, day);
  if (!date) return std::nullopt;
  return instant_seconds(*date);
}

// The aligned instant at or before t.
std::optional<std::int64_t> aligned_floor(const Period& p, std::int64_t t) {
  switch (p.step_kind) {
    case StepKind::Time:
      return floor_div(t, step_seconds(p)) * step_seconds(p);
    case StepKind::Day:
      return floor_div(t, kDay) * kDay;
    case StepKind::Month: {
      const CivilDate d = civil_date(t);
      return date_seconds(d.year, d.month, 1);
    }
    case StepKind::Year:
      return date_seconds(civil_date(t).year, 1, 1);
  }
  return std::nullopt;
}

// t moved by `units` step units: the step time, days, months or years.
std::optional<std::int64_t> advance(const Period& p, std::int64_t t, std::int64_t units) {
  switch (p.step_kind) {
    case StepKind::Time:
      return t + units * step_seconds(p);
    case StepKind::Day:
      return t + units * kDay;
    case StepKind::Month: {
      const CivilDate d = civil_date(t);
      const std::int64_t months = static_cast<std::int64_t>(d.year) * 12 + (d.month - 1) + units;
      return date_seconds(floor_div(months, 12), static_cast<int>(months - floor_div(months, 12) * 12) + 1,
                          1);
    }
    case StepKind::Year:
      return date_seconds(civil_date(t).year + units, 1, 1);
  }
  return std::nullopt;
}

std::int64_t units_per_step(const Period& p) { return p.step_kind == StepKind::Time ? 1 : p.step_count; }

// The first row of the grid gathers the earliest instant: with "(inf ou =)"
// a row gathers the step before its instant, with "(inf strict)" the step
// before it for hh:mn:ss steps and the step from it for calendar steps.
std::optional<std::int64_t> first_row(const Period& p, std::int64_t earliest) {
  const auto floor = aligned_floor(p, earliest);
  if (!floor) return std::nullopt;
  if (p.date_test == DateTest::Strict) return p.step_kind == StepKind::Time ? advance(p, *floor, 1) : floor;
  return *floor == earliest ? floor : advance(p, *floor, 1);
}

// The last row, a whole number of steps after the first: the first instant
// at or after the latest instant ("(inf ou =)"), or after it ("(inf
// strict)", whose rows leave out their own instant).
std::optional<std::int64_t> last_row(const Period& p, std::int64_t first, std::int64_t latest) {
  const std::int64_t per_step = units_per_step(p);
  const bool strict = p.date_test == DateTest::Strict;
  const auto past = [&](std::int64_t t) { return strict ? t > latest : t >= latest; };
  // A first guess that cannot overshoot (the longest month and year), then
  // step by step.
  const std::array<std::int64_t, 4> longest = {step_seconds(p), kDay * p.step_count, 31 * kDay * p.step_count,
                                               366 * kDay * p.step_count};
  const std::int64_t step_at_most = std::max<std::int64_t>(longest[static_cast<std::size_t>(p.step_kind)], 1);
  const std::int64_t steps = latest > first ? (latest - first) / step_at_most : 0;
  std::optional<std::int64_t> t = advance(p, first, std::max<std::int64_t>(steps - 1, 0) * per_step);
  while (t && !past(*t)) t = advance(p, *t, per_step);
  return t;
}

std::string origin_text(const BatchPeriod& p, BoundOrigin origin, const char* option) {
  switch (origin) {
    case BoundOrigin::Option:
      return option;
    case BoundOrigin::Description:
      return "dernier traitement gardé dans la description";
    case BoundOrigin::Data:
      return "dates des fichiers listés, du " + p.data_first + " au " + p.data_last + ", alignées sur le pas";
  }
  return {};
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
  const auto kind = step_unit_of(trim(value.substr(blank + 1)));
  if (!kind) return false;
  period.step_kind = *kind;
  period.step_count = count;
  return true;
}

std::optional<BatchPeriod> batch_period(const BatchOptions& options, const DataDescription& description,
                                        std::string& error) {
  BatchPeriod out;
  Period& period = out.period;
  const std::string source = options.period.value_or("donnees");
  if (source != "donnees" && source != "dsc") {
    error = "période inconnue : <" + source + "> (donnees ou dsc)";
    return std::nullopt;
  }
  const bool from_description = source == "dsc";
  if (!choose_bound(options.start, from_description, description.text("Label_min_dsc.caption"), "début",
                    period.start_caption, out.start_origin, error) ||
      !choose_bound(options.end, from_description, description.text("Label_max_dsc.caption"), "fin",
                    period.end_caption, out.end_origin, error))
    return std::nullopt;
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
  return out;
}

bool bounds_from_data(BatchPeriod& out, TDateTime earliest, TDateTime latest, std::string& error) {
  if (!out.needs_data()) return true;
  if (earliest == 0 || latest == 0) {
    error = "les fichiers listés n'ont donné aucune date de mesure pour la période (donner --start et --end)";
    return false;
  }
  out.data_first = format_canonical(earliest);
  out.data_last = format_canonical(latest);
  Period& p = out.period;
  const std::optional<std::int64_t> first = out.start_origin == BoundOrigin::Data
                                                ? first_row(p, instant_seconds(earliest))
                                                : instant_seconds(*parse_canonical(p.start_caption));
  const auto last = first ? last_row(p, *first, instant_seconds(latest)) : std::nullopt;
  if (!first || !last) {
    error = "la période des fichiers listés (du " + out.data_first + " au " + out.data_last +
            ") sort du calendrier une fois alignée sur le pas";
    return false;
  }
  if (out.start_origin == BoundOrigin::Data) p.start_caption = format_canonical(instant_value(*first));
  if (out.end_origin == BoundOrigin::Data) p.end_caption = format_canonical(instant_value(*last));
  return true;
}

std::string period_line(const BatchPeriod& p) {
  const std::string step = "au pas de " + step_description(p.period);
  if (p.needs_data() && p.data_first.empty()) {
    const std::string start = p.start_origin == BoundOrigin::Data ? "de la 1ère mesure des fichiers listés"
                                                                  : "du " + p.period.start_caption;
    const std::string end = p.end_origin == BoundOrigin::Data ? "à la dernière mesure des fichiers listés"
                                                              : "au " + p.period.end_caption;
    return "période : " + start + " " + end + ", " + step + " (alignée sur le pas)";
  }
  std::string line =
      "période : du " + p.period.start_caption + " au " + p.period.end_caption + " " + step + " (";
  if (p.start_origin == p.end_origin) return line + origin_text(p, p.start_origin, "--start et --end") + ")";
  return line + "début : " + origin_text(p, p.start_origin, "--start") +
         " ; fin : " + origin_text(p, p.end_origin, "--end") + ")";
}

}  // namespace talve
