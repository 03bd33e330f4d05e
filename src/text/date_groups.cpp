// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/date_groups.h"

#include <algorithm>
#include <cstring>

#include "text/tdatetime.h"

namespace talve {
namespace {

constexpr std::size_t kNone = std::string_view::npos;
// More digits than this in a Unix time would leave the years 1 to 9999.
constexpr std::size_t kLongestUnixTime = 12;

bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_letter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// The first run of `letter` of at least `least` characters: its place and
// length, kNone when there is none.
std::size_t first_run(std::string_view text, char letter, std::size_t least, std::size_t& length) {
  for (std::size_t i = 0; i < text.size();) {
    if (text[i] != letter) {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < text.size() && text[end] == letter) ++end;
    if (end - i >= least) {
      length = end - i;
      return i;
    }
    i = end;
  }
  return kNone;
}

}  // namespace

std::size_t minutes_position(std::string_view pattern) {
  const std::size_t mn = pattern.find("mn");
  if (mn != kNone) return mn;
  const std::size_t hours = pattern.find("hh");
  const std::size_t month = pattern.find("mm");
  if (hours == kNone || month == kNone) return kNone;
  const std::size_t second_mm = pattern.find("mm", month + 2);
  return second_mm != kNone && second_mm > hours ? second_mm : kNone;
}

int least_numerics(std::string_view pattern) {
  constexpr int kUsual = 10;
  const DateGroups groups = date_groups_of(pattern);
  if (!pattern_names_a_date(pattern)) return kUsual;
  int digits = 0;
  for (std::size_t i = 0; i < groups.count; ++i) digits += static_cast<int>(groups.groups[i].width);
  return std::min(kUsual, digits);
}

namespace {

// A run of the pattern: groups written next to each other, read from one
// run of digits of the value (or of letters, for the AM/PM marker).
struct PatternRun {
  std::size_t first = 0;  // index of its first group
  std::size_t count = 0;  // groups in it
  std::size_t width = 0;  // characters of the pattern
  bool letters = false;
};

std::size_t runs_of(const DateGroups& groups, PatternRun* runs) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < groups.count; ++i) {
    const DateGroup& g = groups.groups[i];
    const bool letters = g.kind == DateGroupKind::meridiem;
    PatternRun* last = count > 0 ? &runs[count - 1] : nullptr;
    if (last != nullptr && !letters && !last->letters) {
      const DateGroup& before = groups.groups[last->first + last->count - 1];
      if (before.at + before.width == g.at) {
        ++last->count;
        last->width += g.width;
        continue;
      }
    }
    runs[count++] = PatternRun{i, 1, g.width, letters};
  }
  return count;
}

// The next run of characters of a kind from `from`, skipping the others.
bool next_run(std::string_view value, std::size_t& from, bool letters, std::size_t& start, std::size_t& end) {
  const auto wanted = [letters](char c) { return letters ? is_letter(c) : is_digit(c); };
  while (from < value.size() && !wanted(value[from])) ++from;
  if (from >= value.size()) return false;
  start = from;
  while (from < value.size() && wanted(value[from])) ++from;
  end = from;
  return true;
}

long long number_of(std::string_view digits) {
  long long n = 0;
  for (char c : digits) n = n * 10 + (c - '0');
  return n;
}

void write_two(int value, char* out) {
  out[0] = static_cast<char>('0' + value / 10 % 10);
  out[1] = static_cast<char>('0' + value % 10);
}

void write_canonical_fields(const CivilDate& date, int hour, int minute, int second, char* out) {
  write_two(date.day, out);
  out[2] = '/';
  write_two(date.month, out + 3);
  out[5] = '/';
  write_two(date.year / 100, out + 6);
  write_two(date.year % 100, out + 8);
  out[10] = ' ';
  write_two(hour, out + 11);
  out[13] = ':';
  write_two(minute, out + 14);
  out[16] = ':';
  write_two(second, out + 17);
}

// What each group of the value read as.
struct Fields {
  long long value[DateGroups::kMaxGroups] = {};
  std::size_t digits[DateGroups::kMaxGroups] = {};
  bool present[DateGroups::kMaxGroups] = {};
  int meridiem = 0;  // 1 AM, 2 PM
};

GroupReading refuse(std::string& trace, const std::string& what, std::string_view value) {
  trace = " + erreur date : " + what + "  corriger <" + std::string(value) + ">";
  return GroupReading::refused;
}

// "AM", "PM", "A" or "P", any case: 1 for AM, 2 for PM, 0 for anything else.
int meridiem_of(std::string_view letters) {
  if (letters.empty() || letters.size() > 2) return 0;
  if (letters.size() == 2 && letters[1] != 'M' && letters[1] != 'm') return 0;
  if (letters[0] == 'A' || letters[0] == 'a') return 1;
  if (letters[0] == 'P' || letters[0] == 'p') return 2;
  return 0;
}

// Takes the runs of the value for the runs of the pattern. False with the
// reason when the value lacks one or holds too many digits for one.
bool take_runs(std::string_view value, const DateGroups& groups, Fields& fields, std::string& reason) {
  PatternRun runs[DateGroups::kMaxGroups];
  const std::size_t run_count = runs_of(groups, runs);
  std::size_t cursor = 0;
  for (std::size_t r = 0; r < run_count; ++r) {
    const PatternRun& run = runs[r];
    std::size_t start = 0, end = 0;
    if (!next_run(value, cursor, run.letters, start, end)) {
      const bool only_seconds =
          run.count == 1 && groups.groups[run.first].kind == DateGroupKind::second && r + 1 == run_count;
      if (only_seconds) return true;
      reason = run.letters ? "AM/PM absent" : "date incomplète";
      return false;
    }
    const std::string_view taken = value.substr(start, end - start);
    if (run.letters) {
      fields.meridiem = meridiem_of(taken);
      if (fields.meridiem == 0) {
        reason = "AM/PM illisible " + std::string(taken);
        return false;
      }
      continue;
    }
    const DateGroup& first = groups.groups[run.first];
    if (first.kind == DateGroupKind::unix_seconds) {
      if (run.count != 1 || taken.size() > kLongestUnixTime) {
        reason = "temps Unix " + std::string(taken);
        return false;
      }
      fields.value[run.first] = number_of(taken);
      fields.digits[run.first] = taken.size();
      fields.present[run.first] = true;
      continue;
    }
    if (taken.size() > run.width) {
      reason = "trop de chiffres " + std::string(taken);
      return false;
    }
    // The run padded with zeros in front to the width of its groups.
    const std::size_t padding = run.width - taken.size();
    std::size_t offset = 0;
    for (std::size_t k = run.first; k < run.first + run.count; ++k) {
      const DateGroup& g = groups.groups[k];
      long long n = 0;
      std::size_t written = 0;
      for (std::size_t i = offset; i < offset + g.width; ++i) {
        n *= 10;
        if (i >= padding) {
          n += value[start + i - padding] - '0';
          ++written;
        }
      }
      // A four-digit year alone in its run is written whole.
      if (g.kind == DateGroupKind::year && run.count == 1 && written != 4) {
        reason = "année " + std::string(taken);
        return false;
      }
      fields.value[k] = n;
      fields.digits[k] = written;
      fields.present[k] = true;
      offset += g.width;
    }
  }
  return true;
}

long long field(const DateGroups& groups, const Fields& fields, DateGroupKind kind, long long absent) {
  for (std::size_t i = 0; i < groups.count; ++i)
    if (groups.groups[i].kind == kind) return fields.present[i] ? fields.value[i] : absent;
  return absent;
}

GroupReading from_unix_time(long long seconds, char* canonical, std::string& trace, std::string_view value) {
  constexpr long long kDay = 86400;
  const std::int64_t days = day_number({1970, 1, 1}) + seconds / kDay;
  const long long rest = seconds % kDay;
  const CivilDate date = date_from_day_number(days);
  if (!is_valid_date(date.year, date.month, date.day))
    return refuse(trace, "temps Unix " + std::to_string(seconds), value);
  write_canonical_fields(date, static_cast<int>(rest / 3600), static_cast<int>(rest / 60 % 60),
                         static_cast<int>(rest % 60), canonical);
  return GroupReading::read;
}

// The hour of the day from the hour read and the AM/PM marker; -1 when it
// is out of range.
int hour_of_day(long long hour, int meridiem) {
  if (meridiem == 0) return hour <= 24 ? static_cast<int>(hour) : -1;
  if (hour < 1 || hour > 12) return -1;
  if (meridiem == 1) return hour == 12 ? 0 : static_cast<int>(hour);
  return hour == 12 ? 12 : static_cast<int>(hour) + 12;
}

}  // namespace

const DateGroup* DateGroups::find(DateGroupKind kind) const {
  for (std::size_t i = 0; i < count; ++i)
    if (groups[i].kind == kind) return &groups[i];
  return nullptr;
}

void mark_extended_groups(std::string_view pattern, std::vector<bool>& keep) {
  const auto mark = [&](std::size_t at, std::size_t length) {
    if (at == kNone) return;
    for (std::size_t i = at; i < at + length; ++i) keep[i] = true;
  };
  mark(pattern.find("qqq"), 3);
  mark(pattern.find("ee"), 2);
  mark(pattern.find("pp"), 2);
  std::size_t length = 0;
  const std::size_t unix_at = first_run(pattern, 'u', 2, length);
  mark(unix_at, length);
}

DateGroups date_groups_of(std::string_view pattern) {
  DateGroups out;
  const auto add = [&](DateGroupKind kind, std::size_t at, std::size_t width) {
    if (at == kNone) return;
    out.groups[out.count++] = DateGroup{kind, at, width};
  };
  const std::size_t year = pattern.find("aaaa");
  if (year != kNone) {
    add(DateGroupKind::year, year, 4);
  } else {
    const std::size_t aa = pattern.find("aa");
    add(DateGroupKind::century_year, aa, 2);
    if (aa != kNone && aa >= 2 && is_digit(pattern[aa - 2]) && is_digit(pattern[aa - 1]))
      out.century = (pattern[aa - 2] - '0') * 10 + (pattern[aa - 1] - '0');
  }
  add(DateGroupKind::short_year, pattern.find("ee"), 2);
  add(DateGroupKind::month, pattern.find("mm"), 2);
  add(DateGroupKind::day, pattern.find("jj"), 2);
  add(DateGroupKind::day_of_year, pattern.find("qqq"), 3);
  add(DateGroupKind::hour, pattern.find("hh"), 2);
  add(DateGroupKind::minute, minutes_position(pattern), 2);
  add(DateGroupKind::second, pattern.find("ss"), 2);
  add(DateGroupKind::meridiem, pattern.find("pp"), 2);
  std::size_t unix_length = 0;
  add(DateGroupKind::unix_seconds, first_run(pattern, 'u', 2, unix_length), unix_length);
  std::sort(out.groups.begin(), out.groups.begin() + static_cast<std::ptrdiff_t>(out.count),
            [](const DateGroup& a, const DateGroup& b) { return a.at < b.at; });
  for (std::size_t i = 0; i < out.count; ++i) {
    const DateGroupKind kind = out.groups[i].kind;
    out.extended = out.extended || kind == DateGroupKind::short_year || kind == DateGroupKind::day_of_year ||
                   kind == DateGroupKind::meridiem || kind == DateGroupKind::unix_seconds;
    if (i + 1 < out.count && out.groups[i].at + out.groups[i].width > out.groups[i + 1].at)
      out.overlapping = true;
  }
  return out;
}

bool pattern_names_a_date(std::string_view normalised_pattern) {
  const DateGroups g = date_groups_of(normalised_pattern);
  if (g.has(DateGroupKind::unix_seconds)) return true;
  const bool year =
      g.has(DateGroupKind::year) || g.has(DateGroupKind::century_year) || g.has(DateGroupKind::short_year);
  const bool day_in_year =
      (g.has(DateGroupKind::month) && g.has(DateGroupKind::day)) || g.has(DateGroupKind::day_of_year);
  return year && day_in_year;
}

bool fits_unpadded(std::string_view value, const DateGroups& groups) {
  if (groups.extended || groups.overlapping || !groups.has(DateGroupKind::year)) return false;
  PatternRun runs[DateGroups::kMaxGroups];
  const std::size_t run_count = runs_of(groups, runs);
  std::size_t r = 0;
  bool shorter = false;
  for (std::size_t i = 0; i < value.size();) {
    if (!is_digit(value[i])) {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < value.size() && is_digit(value[end])) ++end;
    if (r >= run_count || end - i > runs[r].width) return false;
    if (end - i < runs[r].width) {
      // Loggers leave out the zeros of days, months and hours, never those
      // of minutes or seconds written apart: such a short run is a value
      // cut off ("2021-01-01 02:4", the last line of a file whose logger
      // stopped), which keeps its reading by positions and is refused.
      const DateGroupKind kind = groups.groups[runs[r].first].kind;
      if (runs[r].count == 1 && (kind == DateGroupKind::minute || kind == DateGroupKind::second))
        return false;
      shorter = true;
    }
    ++r;
    i = end;
  }
  const bool seconds_left_out =
      r + 1 == run_count && runs[r].count == 1 && groups.groups[runs[r].first].kind == DateGroupKind::second;
  return shorter && (r == run_count || seconds_left_out);
}

GroupReading read_by_groups(std::string_view value, const DateGroups& groups, char* canonical,
                            std::string& trace) {
  if (std::none_of(value.begin(), value.end(), is_digit)) return GroupReading::silent;
  if (groups.overlapping) return refuse(trace, "format illisible", value);
  Fields fields;
  std::string reason;
  if (!take_runs(value, groups, fields, reason)) return refuse(trace, reason, value);

  if (groups.has(DateGroupKind::unix_seconds))
    return from_unix_time(field(groups, fields, DateGroupKind::unix_seconds, 0), canonical, trace, value);

  int year = 0;
  if (groups.has(DateGroupKind::year)) {
    year = static_cast<int>(field(groups, fields, DateGroupKind::year, 0));
  } else if (groups.has(DateGroupKind::short_year)) {
    year = year_of_two_digits(static_cast<int>(field(groups, fields, DateGroupKind::short_year, 0)));
  } else if (groups.has(DateGroupKind::century_year) && groups.century >= 0) {
    year = groups.century * 100 + static_cast<int>(field(groups, fields, DateGroupKind::century_year, 0));
  } else {
    // Without a year every value reads as the same instant, as the
    // reading by positions gives it.
    std::memcpy(canonical, "01/01/1900 00:00:00", 19);
    return GroupReading::read;
  }

  CivilDate date{year, 1, 1};
  if (groups.has(DateGroupKind::day_of_year)) {
    const long long day = field(groups, fields, DateGroupKind::day_of_year, 1);
    const int days_in_year = is_leap_year(year) ? 366 : 365;
    if (day < 1 || day > days_in_year || year < 1 || year > 9999)
      return refuse(trace, "jour de l'année " + std::to_string(day), value);
    date = date_from_day_number(day_number({year, 1, 1}) + day - 1);
  } else {
    const long long month = field(groups, fields, DateGroupKind::month, 1);
    const long long day = field(groups, fields, DateGroupKind::day, 1);
    if (month < 1 || month > 12) return refuse(trace, "mois " + std::to_string(month), value);
    if (day < 1 || day > 31) return refuse(trace, "jour " + std::to_string(day), value);
    date.month = static_cast<int>(month);
    date.day = static_cast<int>(day);
  }

  const long long hour_read = field(groups, fields, DateGroupKind::hour, 0);
  const int hour = hour_of_day(hour_read, fields.meridiem);
  const long long minute = field(groups, fields, DateGroupKind::minute, 0);
  const long long second = field(groups, fields, DateGroupKind::second, 0);
  if (hour < 0) {
    const char* marker = fields.meridiem == 1 ? " AM" : fields.meridiem == 2 ? " PM" : "";
    return refuse(trace, "heure " + std::to_string(hour_read) + marker, value);
  }
  if (minute > 59) return refuse(trace, "minutes " + std::to_string(minute), value);
  if (second > 59) return refuse(trace, "secondes " + std::to_string(second), value);
  if (hour == 24 && (minute != 0 || second != 0))
    return refuse(trace, "heure 24 et " + std::to_string(minute) + " min " + std::to_string(second) + " s",
                  value);
  write_canonical_fields(date, hour, static_cast<int>(minute), static_cast<int>(second), canonical);
  roll_hour_24(canonical);
  return GroupReading::read;
}

void roll_hour_24(char* canonical) {
  if (std::memcmp(canonical + 10, " 24:00:00", 9) != 0) return;
  const std::string_view text(canonical, 10);
  for (std::size_t i : {0u, 1u, 3u, 4u, 6u, 7u, 8u, 9u})
    if (!is_digit(text[i])) return;
  const CivilDate date{static_cast<int>(number_of(text.substr(6, 4))),
                       static_cast<int>(number_of(text.substr(3, 2))),
                       static_cast<int>(number_of(text.substr(0, 2)))};
  if (!is_valid_date(date.year, date.month, date.day)) return;
  const CivilDate next = date_from_day_number(day_number(date) + 1);
  if (!is_valid_date(next.year, next.month, next.day)) return;
  write_canonical_fields(next, 0, 0, 0, canonical);
}

}  // namespace talve
