// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace talve {

// A date and time as a count of days since 30/12/1899 00:00:00, the fraction
// being the time of day. Durations (steps, offsets, drifts) use the same unit.
using TDateTime = double;

inline constexpr double kSecondsPerDay = 86400.0;
inline constexpr TDateTime kOneSecond = 1.0 / kSecondsPerDay;

// Instants and durations in whole milliseconds, for comparisons: two sums
// of days that name the same instant may differ by a rounding, the same
// sums in milliseconds do not.
inline constexpr std::int64_t kMillisecondsPerDay = 86'400'000;

// The whole number nearest to a count (halves away from zero), held within
// +-2^62 so that a few of them add up without overflow; NaN gives 0.
inline std::int64_t nearest_count(double value) {
  constexpr double kBound = 0x1p62;
  if (!(value < kBound)) return value > 0 ? std::int64_t{1} << 62 : 0;
  if (!(value > -kBound)) return -(std::int64_t{1} << 62);
  return static_cast<std::int64_t>(value < 0 ? value - 0.5 : value + 0.5);
}
inline std::int64_t to_milliseconds(TDateTime value) {
  return nearest_count(value * static_cast<double>(kMillisecondsPerDay));
}
inline TDateTime from_milliseconds(std::int64_t ms) {
  return static_cast<double>(ms) / static_cast<double>(kMillisecondsPerDay);
}

struct CivilDate {
  int year = 1899;
  int month = 12;
  int day = 30;
};

struct TimeOfDay {
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

struct CivilDateTime {
  CivilDate date;
  TimeOfDay time;
};

bool is_leap_year(int year);
int days_in_month(int year, int month);
// Years 1 to 9999, months 1 to 12, days within the month.
bool is_valid_date(int year, int month, int day);

// Whole days between 30/12/1899 and the given date; the date must be valid.
std::int64_t day_number(const CivilDate& date);
CivilDate date_from_day_number(std::int64_t days);

// Nothing when the date is not a calendar date.
std::optional<TDateTime> encode_date(int year, int month, int day);
// Hours 0..23, minutes and seconds 0..59 are expected; larger values simply
// add up (a time is a duration here).
// Inline: the processing run reads one per data line.
inline TDateTime encode_time(int hour, int minute, int second, int millisecond = 0) {
  const std::int64_t ms =
      ((static_cast<std::int64_t>(hour) * 60 + minute) * 60 + second) * 1000 + millisecond;
  return static_cast<double>(ms) / 86'400'000.0;
}
// Date plus time of day; for dates before 30/12/1899 the time is counted
// towards the date's own midnight, as the fraction is a time of day.
std::optional<TDateTime> encode_date_time(const CivilDateTime& value);

// The value rounded to the nearest millisecond and split into its parts.
CivilDateTime decode_date_time(TDateTime value);

// Whole seconds of the value, rounded to the nearest millisecond first and
// then truncated to the second, as every text form writes it.
std::int64_t whole_seconds(TDateTime value);
TDateTime from_whole_seconds(std::int64_t seconds);

// "dd/mm/yyyy hh:nn:ss", 19 characters: the canonical date-time text.
std::string format_canonical(TDateTime value);
inline constexpr std::size_t kCanonicalSize = 19;
// The same text written at `out`, without an allocation: the time grid
// writes one per instant.
void write_canonical(TDateTime value, char* out);
// "dd/mm/yyyy".
std::string format_date(TDateTime value);
// "hh:nn:ss": the time of day (the system long time form).
std::string format_time(TDateTime value);
// The system date-time text: the date alone at exactly midnight, else the
// canonical text.
std::string format_system_datetime(TDateTime value);

// Strict reading of "dd/mm/yyyy hh:nn:ss" (19 characters, every field on
// its digits); nothing when it is not a calendar instant.
std::optional<TDateTime> parse_canonical(std::string_view text);

// Weekday name in French: "dimanche", "lundi", ... "samedi".
std::string weekday_name(TDateTime value);

}  // namespace talve
