// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/date_pattern.h"

#include "text/ascii.h"
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
  for (char& c : out)
    if (!is_pattern_letter(c)) c = '_';
  return out;
}

bool is_multiformat_pattern(std::string_view pattern) {
  return contains(pattern, "multiformat") || contains(pattern, "OU");
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

}  // namespace talve
