// SPDX-License-Identifier: GPL-3.0-or-later
// The multiformat readings: dates written day-first, month-first or
// year-first in the same column, the order worked out line by line.
#include <optional>
#include <utility>

#include "text/ascii.h"
#include "text/datetime_reader.h"
#include "text/text_utils.h"

namespace talve {
namespace {

enum class Mode { day_first, month_first, compare_from_day_first, compare_from_month_first };

Mode mode_of(std::string_view pattern) {
  if (contains(pattern, "mm/dd/yyyy")) return Mode::month_first;
  if (contains(pattern, "jj/mm/aaaa")) return Mode::day_first;
  if (contains(pattern, "multiformat_dt_mini_1èreUE")) return Mode::compare_from_day_first;
  if (contains(pattern, "multiformat_dt_mini_1èreUS")) return Mode::compare_from_month_first;
  // "OU" or "multiformat" without a known reading: dates stay day-first.
  return Mode::day_first;
}

std::string mask_of(std::string_view value) {
  std::string mask(value);
  for (char& c : mask) {
    if (c == '/' || c == '-')
      c = '_';
    else if (c == 'T')
      c = ' ';
    else if (c >= '0' && c <= '9')
      c = '*';
  }
  return mask;
}

// A field of exactly two digits, read; nothing for anything else.
std::optional<int> two_digits(std::string_view text) {
  if (text.size() != 2 || text[0] < '0' || text[0] > '9' || text[1] < '0' || text[1] > '9')
    return std::nullopt;
  return (text[0] - '0') * 10 + (text[1] - '0');
}

std::optional<TDateTime> reading(std::string_view year, std::optional<int> month, std::optional<int> day) {
  int y = 0;
  if (year.size() != 4 || !read_int(year, y) || !month || !day) return std::nullopt;
  return encode_date(y, *month, *day);
}

std::string time_of(std::string_view value, std::string_view mask) {
  const std::size_t at = mask.find("**:**");
  if (at == std::string_view::npos || at < 1) return "00:00:00";
  std::string time(value.substr(at, 8));
  if (time.size() == 5) time += ":00";
  return time;
}

}  // namespace

std::string DateTimeReader::date_multiformat(std::string_view given, std::string_view pattern) {
  const Mode mode = mode_of(pattern);
  const std::string value = trim(given);
  const std::string mask = mask_of(value);
  const std::string time = time_of(value, mask);

  std::string day = "02", month = "01", year = "1900";
  const std::size_t year_at = mask.find("****");
  if (year_at == 0) {
    year = copy_at(value, 0, 4);
    month = copy_at(value, 5, 2);
    day = copy_at(value, 8, 2);
  } else if (year_at == 6) {
    const std::string first(copy_at(value, 0, 2)), second(copy_at(value, 3, 2));
    year = copy_at(value, 6, 4);
    day = first;
    month = second;
    const std::optional<int> first_value = two_digits(first);
    const bool can_swap = first_value && *first_value <= 12;
    if (mode == Mode::month_first) {
      if (can_swap) std::swap(day, month);
    } else if (mode != Mode::day_first) {
      // Both readings as calendar dates; a reading that is none (month
      // above 12, day past the month's end) is left out of the choice.
      const auto day_first = reading(year, two_digits(second), first_value);
      const auto month_first = reading(year, first_value, two_digits(second));
      bool swap = false;
      if (m_first_date) {
        // The first date is read the way the pattern names, when it can be.
        m_first_date = false;
        if (mode == Mode::compare_from_day_first)
          swap = !day_first && month_first;
        else
          swap = month_first.has_value();
      } else if (day_first && month_first) {
        swap = *day_first - m_previous_date > *month_first - m_previous_date;
      } else {
        swap = month_first.has_value();
      }
      if (swap) {
        std::swap(day, month);
        m_previous_date = *month_first;
      } else if (day_first) {
        m_previous_date = *day_first;
      }
    }
  }
  return day + "/" + month + "/" + year + " " + time;
}

}  // namespace talve
