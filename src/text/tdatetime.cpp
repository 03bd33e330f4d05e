// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/tdatetime.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace talve {
namespace {

constexpr std::int64_t kMsPerDay = 86'400'000;
// Day number of 30/12/1899 counted from 01/01/1970.
constexpr std::int64_t kEpochOffset = 25569;

// Days since 01/01/1970 of a proleptic Gregorian date (H. Hinnant's method).
std::int64_t days_from_civil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const auto yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

CivilDate civil_from_days(std::int64_t z) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const auto doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  return CivilDate{static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

std::int64_t rounded_ms(TDateTime value) { return std::llround(value * static_cast<double>(kMsPerDay)); }

}  // namespace

bool is_leap_year(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int days_in_month(int year, int month) {
  static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && is_leap_year(year) ? 29 : kDays[month - 1];
}

bool is_valid_date(int year, int month, int day) {
  return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
         day <= days_in_month(year, month);
}

std::int64_t day_number(const CivilDate& date) {
  return days_from_civil(date.year, static_cast<unsigned>(date.month), static_cast<unsigned>(date.day)) +
         kEpochOffset;
}

CivilDate date_from_day_number(std::int64_t days) { return civil_from_days(days - kEpochOffset); }

std::optional<TDateTime> encode_date(int year, int month, int day) {
  if (!is_valid_date(year, month, day)) return std::nullopt;
  return static_cast<TDateTime>(day_number(CivilDate{year, month, day}));
}

std::optional<TDateTime> encode_date_time(const CivilDateTime& value) {
  const auto date = encode_date(value.date.year, value.date.month, value.date.day);
  if (!date) return std::nullopt;
  const TDateTime time =
      encode_time(value.time.hour, value.time.minute, value.time.second, value.time.millisecond);
  return *date < 0 ? *date - time : *date + time;
}

CivilDateTime decode_date_time(TDateTime value) {
  const std::int64_t ms = rounded_ms(value);
  const std::int64_t days = ms / kMsPerDay;  // towards zero: the date part
  std::int64_t time_ms = (ms < 0 ? -ms : ms) % kMsPerDay;
  CivilDateTime out;
  out.date = date_from_day_number(days);
  out.time.millisecond = static_cast<int>(time_ms % 1000);
  time_ms /= 1000;
  out.time.second = static_cast<int>(time_ms % 60);
  time_ms /= 60;
  out.time.minute = static_cast<int>(time_ms % 60);
  out.time.hour = static_cast<int>(time_ms / 60);
  return out;
}

std::int64_t whole_seconds(TDateTime value) {
  const std::int64_t ms = rounded_ms(value);
  return ms >= 0 ? ms / 1000 : -((-ms + 999) / 1000);
}

TDateTime from_whole_seconds(std::int64_t seconds) { return static_cast<double>(seconds) / kSecondsPerDay; }

void write_canonical(TDateTime value, char* out) {
  // Written by hand: the time grid writes a text per instant, and printf
  // would cost more than everything else of it.
  const CivilDateTime v = decode_date_time(value);
  auto two = [out](std::size_t at, int number) {
    out[at] = static_cast<char>('0' + number / 10 % 10);
    out[at + 1] = static_cast<char>('0' + number % 10);
  };
  two(0, v.date.day);
  out[2] = '/';
  two(3, v.date.month);
  out[5] = '/';
  two(6, v.date.year / 100);
  two(8, v.date.year % 100);
  out[10] = ' ';
  two(11, v.time.hour);
  out[13] = ':';
  two(14, v.time.minute);
  out[16] = ':';
  two(17, v.time.second);
}

std::string format_canonical(TDateTime value) {
  std::string text(kCanonicalSize, ' ');
  write_canonical(value, text.data());
  return text;
}

std::string format_date(TDateTime value) { return format_canonical(value).substr(0, 10); }

std::string format_time(TDateTime value) { return format_canonical(value).substr(11); }

std::string format_system_datetime(TDateTime value) {
  const CivilDateTime v = decode_date_time(value);
  if (v.time.hour == 0 && v.time.minute == 0 && v.time.second == 0 && v.time.millisecond == 0)
    return format_date(value);
  return format_canonical(value);
}

std::optional<TDateTime> parse_canonical(std::string_view text) {
  if (text.size() != 19) return std::nullopt;
  auto number = [&](std::size_t pos, std::size_t len, int& out) {
    out = 0;
    for (std::size_t i = pos; i < pos + len; ++i) {
      if (text[i] < '0' || text[i] > '9') return false;
      out = out * 10 + (text[i] - '0');
    }
    return true;
  };
  CivilDateTime v;
  if (!number(0, 2, v.date.day) || !number(3, 2, v.date.month) || !number(6, 4, v.date.year) ||
      !number(11, 2, v.time.hour) || !number(14, 2, v.time.minute) || !number(17, 2, v.time.second))
    return std::nullopt;
  if (v.time.hour > 23 || v.time.minute > 59 || v.time.second > 59) return std::nullopt;
  return encode_date_time(v);
}

std::string weekday_name(TDateTime value) {
  static const std::array<const char*, 7> kNames = {"dimanche", "lundi",    "mardi", "mercredi",
                                                    "jeudi",    "vendredi", "samedi"};
  // 30/12/1899 was a Saturday.
  const std::int64_t day =
      decode_date_time(value).date.year > 0 ? day_number(decode_date_time(value).date) : 0;
  const std::int64_t index = ((day + 6) % 7 + 7) % 7;
  return kNames[static_cast<std::size_t>(index)];
}

}  // namespace talve
