// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/date_pattern.h"

#include <vector>

#include "text/ascii.h"
#include "text/date_groups.h"
#include "text/text_utils.h"

namespace talve {
namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

bool is_pattern_letter(char c) {
  return is_digit(c) || c == 'a' || c == 'h' || c == 'j' || c == 'm' || c == 'n' || c == 's';
}

}  // namespace

std::string normalise_pattern(std::string_view pattern) {
  std::string out(pattern);
  const std::size_t offset = pattern.find(kUtcOffsetGroup);
  std::vector<bool> keep(pattern.size(), false);
  if (offset != std::string_view::npos)
    for (std::size_t i = offset; i < offset + kUtcOffsetGroup.size(); ++i) keep[i] = true;
  mark_extended_groups(pattern, keep);
  for (std::size_t i = 0; i < out.size(); ++i)
    if (!keep[i] && !is_pattern_letter(out[i])) out[i] = '_';
  return out;
}

bool is_multiformat_pattern(std::string_view pattern) {
  return contains(pattern, "multiformat") || contains(pattern, "OU");
}

bool pattern_reads_a_date(std::string_view pattern) {
  if (is_multiformat_pattern(pattern)) return true;
  const PreparedPattern prepared = prepare_pattern(pattern);
  if (!prepared.literal_date_prefix.empty() || prepared.pattern == kPatternTimeAlone) return true;
  // A year with a day of the year, or a Unix time, names a date too.
  const std::string_view groups = prepared.pattern;
  return pattern_names_a_date(groups) ||
         (has_group(groups, "aa") && has_group(groups, "mm") && has_group(groups, "jj"));
}

PreparedPattern prepare_pattern(std::string_view pattern) {
  PreparedPattern out;
  out.pattern = normalise_pattern(pattern);
  std::string digits_masked = out.pattern;
  chiffres_vers_car('*', digits_masked);
  // A written date in front of the time groups: its text dates the values
  // that hold a time alone, and the rest of the value reads as a full date.
  if (digits_masked.starts_with("****_**_**")) {
    out.literal_date_prefix = out.pattern.substr(0, 11);
    out.pattern = kPatternYearFirst;
  } else if (digits_masked.starts_with("**_**_****")) {
    out.literal_date_prefix = out.pattern.substr(0, 11);
    out.pattern = kPatternDayFirst;
  }
  out.utc_offset = out.pattern.find(kUtcOffsetGroup);
  out.read_by_groups = date_groups_of(out.pattern).extended;
  return out;
}

Century century_of(std::string_view pattern) {
  const std::size_t aa = pattern.find("aa");
  if (aa != std::string_view::npos && aa >= 2 && is_digit(pattern[aa - 2]) && is_digit(pattern[aa - 1]))
    return Century{pattern.substr(aa - 2, 2), aa - 2};
  return Century{copy_at(pattern, 0, 2), 0};
}

std::string inverted_pattern(std::string_view pattern) {
  std::string out(pattern.starts_with("aaaa_mm_jj") ? "jj_mm_aaaa" : "aaaa_mm_jj");
  out += copy_at(pattern, 10, 10);
  return out;
}

bool fields_pass_checks(std::string_view day, std::string_view month, std::string_view hour,
                        std::string_view minutes) {
  return day >= "01" && day <= "31" && month >= "01" && month <= "12" && !hour.empty() && hour[0] >= '0' &&
         hour[0] <= '2' && !minutes.empty() && minutes[0] >= '0' && minutes[0] <= '5';
}

std::optional<int> utc_offset_minutes(std::string_view value, std::size_t at) {
  if (at >= value.size()) return std::nullopt;
  const std::string_view group = value.substr(at, kUtcOffsetGroup.size());
  if (group[0] == 'Z') {
    if (group.find_first_not_of(' ', 1) != std::string_view::npos) return std::nullopt;
    return 0;
  }
  if (group.size() < 6 || (group[0] != '+' && group[0] != '-') || group[3] != ':') return std::nullopt;
  if (!is_digit(group[1]) || !is_digit(group[2]) || !is_digit(group[4]) || !is_digit(group[5]))
    return std::nullopt;
  const int hours = (group[1] - '0') * 10 + (group[2] - '0');
  const int minutes = (group[4] - '0') * 10 + (group[5] - '0');
  if (hours > 23 || minutes > 59) return std::nullopt;
  const int offset = hours * 60 + minutes;
  return group[0] == '-' ? -offset : offset;
}

std::string utc_offset_error_line(std::string_view value, std::size_t at) {
  std::string line = " + erreur date : décalage UTC illisible <";
  line.append(copy_at(value, at, kUtcOffsetGroup.size())).append(">  corriger <").append(value).append(">");
  return line;
}

std::optional<TDateTime> instant_in_utc(TDateTime local, int offset_minutes) {
  constexpr std::int64_t kDay = 86400;
  const CivilDateTime civil = decode_date_time(local);
  if (!is_valid_date(civil.date.year, civil.date.month, civil.date.day)) return std::nullopt;
  const std::int64_t seconds = day_number(civil.date) * kDay + civil.time.hour * 3600 +
                               civil.time.minute * 60 + civil.time.second -
                               static_cast<std::int64_t>(offset_minutes) * 60;
  std::int64_t days = seconds / kDay;
  std::int64_t rest = seconds % kDay;
  if (rest < 0) {
    rest += kDay;
    --days;
  }
  const CivilDate date = date_from_day_number(days);
  if (!is_valid_date(date.year, date.month, date.day)) return std::nullopt;
  const int second_of_day = static_cast<int>(rest);
  return encode_date_time({date, {second_of_day / 3600, second_of_day / 60 % 60, second_of_day % 60, 0}});
}

}  // namespace talve
