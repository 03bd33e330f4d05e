// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "text/tdatetime.h"

namespace talve {

// Date-time patterns are templates of the value, character for character:
// the letter groups "aaaa" (or "aa"), "mm", "jj", "hh", "mn" and "ss" take
// the characters of the value at the same positions; every other character
// stands for any one character of the value. The group "zzzzzz" takes the
// offset from UTC the value is written with ("+01:00", "-05:30", or "Z"
// followed by blanks or the end of the value), and the instant is read in
// UTC: a file whose rows change between winter and summer time then gives
// one regular series.

inline constexpr std::string_view kPatternYearFirst = "aaaa_mm_jj_hh_mn_ss";
inline constexpr std::string_view kPatternDayFirst = "jj_mm_aaaa_hh_mn_ss";
inline constexpr std::string_view kPatternTimeAlone = "hh_mn_ss";
inline constexpr std::string_view kUtcOffsetGroup = "zzzzzz";
// What a value of a pattern without any year reads as.
inline constexpr std::string_view kInstantWithoutYear = "01/01/1900 00:00:00";

// Every character other than the digits and the letters a, h, j, m, n, s
// becomes "_": blanks, "/", "-", ":", ".", "T", capitals, "d", "y"... The
// first "zzzzzz" is kept, and so are the first "qqq", "ee", "pp" and run
// of "u" (see date_groups.h); any other of these letters becomes "_" too.
std::string normalise_pattern(std::string_view pattern);

// A pattern that names one of the per-line multiformat readings.
bool is_multiformat_pattern(std::string_view pattern);

// Whether the values a pattern reads carry their date: the pattern names a
// year ("aaaa", "aa" or "ee") with a month ("mm") and a day ("jj") or with
// a day of the year ("qqq"), or a Unix time ("uu…"), or begins with a
// written date, or is a multiformat reading, or is the time alone
// "hh_mn_ss", dated the day it is read. Any other pattern gives every
// value the same date (1 January 1900 without a year) or takes its day or
// month from characters that are not one.
bool pattern_reads_a_date(std::string_view pattern);

// A pattern as the conversion uses it, worked out once.
struct PreparedPattern {
  // The normalised pattern; a pattern that begins with a written date
  // ("2023/05/12 hh:mn:ss") is replaced by the full year-first or day-first
  // pattern.
  std::string pattern;
  // The eleven first characters of such a written date ("2023_05_12_"),
  // put in front of the time-alone values of 8 characters; else empty.
  std::string literal_date_prefix;
  // Where the offset from UTC is in the value ("zzzzzz"), or npos.
  std::size_t utc_offset = std::string::npos;
  // The pattern holds a group only the reading group by group knows
  // ("qqq", "ee", "pp", "uu..."): every value is read that way.
  bool read_by_groups = false;
};

PreparedPattern prepare_pattern(std::string_view pattern);

// Two-digit years: the century written in the pattern and where it goes in
// the value so that the value lines up with the pattern again. The century
// is the two digits written just before the first "aa" ("20aa_mm_jj",
// "jj_mm_20aa_hh_mn_ss"); a pattern without such digits takes its first two
// characters, put in front of the value.
struct Century {
  std::string_view digits;
  std::size_t position = 0;
};
Century century_of(std::string_view pattern);

// The characters of a text from a position, as many as there are up to the
// count: nothing from a position past the end.
inline std::string_view copy_at(std::string_view text, std::size_t position, std::size_t count) {
  return position >= text.size() ? std::string_view() : text.substr(position, count);
}

// Where a letter group starts in a pattern; a group the pattern lacks reads
// the first characters of the value, hence 0.
inline std::size_t group_position(std::string_view pattern, std::string_view group) {
  const std::size_t at = pattern.find(group);
  return at == std::string_view::npos ? 0 : at;
}

inline bool has_group(std::string_view pattern, std::string_view group) {
  return pattern.find(group) != std::string_view::npos;
}

// The pattern read for a value whose year field is not a number: its date
// part taken the other way round, for that value only.
std::string inverted_pattern(std::string_view pattern);

// The character checks of a reading: day "01" to "31", month "01" to "12",
// hour starting with 0 to 2, minutes with 0 to 5 (compared as texts, so a
// one-character field can pass).
[[nodiscard]] bool fields_pass_checks(std::string_view day, std::string_view month, std::string_view hour,
                                      std::string_view minutes);

// The offset from UTC written at `at` in the value, in minutes east of
// Greenwich: "+hh:mm" or "-hh:mm" (hours 00 to 23, minutes 00 to 59), or
// "Z" with only blanks up to the end of the group. Nothing when the value
// holds no offset there.
std::optional<int> utc_offset_minutes(std::string_view value, std::size_t at);

// The tracking line of a value whose offset from UTC does not read.
std::string utc_offset_error_line(std::string_view value, std::size_t at);

// The instant written with an offset from UTC, moved to UTC in whole
// seconds; nothing when it leaves the years 1 to 9999.
std::optional<TDateTime> instant_in_utc(TDateTime local, int offset_minutes);

}  // namespace talve
