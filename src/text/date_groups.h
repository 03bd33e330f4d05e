// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace talve {

// The letter groups of a normalised date pattern, in the order they stand.
//
// Besides the groups every pattern has always had ("aaaa", "aa" after a
// written century, "mm", "jj", "hh", "mn", "ss"), a pattern may hold:
//   "qqq"        the day of the year, 1 to 366 (with a year),
//   "ee"         a two-digit year anywhere: 69-99 are 1969-1999, 00-68 are
//                2000-2068, as the C library's strptime reads them,
//   "pp"         the AM/PM marker of a 12-hour clock ("AM", "PM", "A", "P",
//                any case): 12 AM is 00 h, 12 PM is 12 h,
//   "uu..."      a Unix time, seconds since 01/01/1970 00:00:00 UTC.
// A pattern holding one of them is read group by group (`read_by_groups`);
// the others keep their reading by positions.

enum class DateGroupKind : std::uint8_t {
  year,          // "aaaa"
  century_year,  // "aa": two digits after the century written in the pattern
  short_year,    // "ee"
  month,         // "mm"
  day,           // "jj"
  day_of_year,   // "qqq"
  hour,          // "hh"
  minute,        // "mn"
  second,        // "ss"
  meridiem,      // "pp"
  unix_seconds,  // "uu..."
};

struct DateGroup {
  DateGroupKind kind = DateGroupKind::year;
  std::size_t at = 0;
  std::size_t width = 0;
};

// The groups found in a pattern, each at its first place, sorted by place.
struct DateGroups {
  static constexpr std::size_t kMaxGroups = 11;
  std::array<DateGroup, kMaxGroups> groups{};
  std::size_t count = 0;
  // A group that only the reading by groups knows.
  bool extended = false;
  // Two groups share characters of the pattern ("mmm"): no reading by
  // groups is possible.
  bool overlapping = false;

  // The century written before "aa" ("20aa"), or -1.
  int century = -1;

  bool has(DateGroupKind kind) const { return find(kind) != nullptr; }
  const DateGroup* find(DateGroupKind kind) const;
};

// Keeps, in a pattern being normalised, the characters of the first "qqq",
// "ee", "pp" and run of "u" (two or more): `keep[i]` is set for them
// (`keep` is as long as the pattern).
void mark_extended_groups(std::string_view pattern, std::vector<bool>& keep);

// The groups of a normalised pattern. The minutes are "mn", or else a
// second "mm" after the hours, as a pattern written "hh:mm" means.
DateGroups date_groups_of(std::string_view normalised_pattern);

// Where the minutes of a pattern are: "mn", else a second "mm" after the
// hours; npos when there is neither.
std::size_t minutes_position(std::string_view pattern);

// The numeric characters a value needs to hold a date of the pattern read
// by positions: ten, or fewer when the groups of a pattern that names a date
// take fewer digits ("aaaammjj": eight). Fewer means the line carries no
// date.
int least_numerics(std::string_view pattern);

// Whether a date pattern names a calendar date: a year with a month and a
// day or a day of the year, or a Unix time. A pattern without one reads
// every value as the same fixed instant.
bool pattern_names_a_date(std::string_view normalised_pattern);

// The value written with fewer digits than the groups of a pattern with a
// four-digit year ("1/5/2022 1:15" for "jj_mm_aaaa_hh_mn_ss", "5" for the
// minutes of "hhmn"): each run of digits of the value stands for a run of
// groups of the pattern, in order, none longer than its groups and at
// least one shorter (a missing last run of seconds is allowed); minutes and
// seconds written apart are whole. Such a value is read group by group; a
// padded value, or one that looks cut off, keeps its reading by positions.
bool fits_unpadded(std::string_view value, const DateGroups& groups);

enum class GroupReading : std::uint8_t {
  read,     // `canonical` holds "dd/mm/yyyy hh:nn:ss"
  silent,   // no digit at all: the line carries no date
  refused,  // `trace` holds the tracking line
};

// The value read group by group: each run of digits of the pattern takes
// the next run of digits of the value (a run shorter than its groups is
// padded with zeros in front: "5" for "hhmn" is 00:05, "2200" is 22:00),
// the AM/PM marker the next run of letters; characters in between do not
// count. Missing time groups read 00, a missing month or day 01. Hour 24
// with no minutes nor seconds is midnight ending the day: 00:00:00 of the
// next day. The canonical text may still name no calendar day (31/02);
// reading it says so. A refused value gets the tracking line
// " + erreur date : <what>  corriger <value>".
GroupReading read_by_groups(std::string_view value, const DateGroups& groups, char* canonical,
                            std::string& trace);

// A canonical text at "24:00:00" on a calendar day becomes 00:00:00 of the
// next day; any other text is left as it is.
void roll_hour_24(char* canonical);

// The year of a two-digit year: 69-99 in the 1900s, 00-68 in the 2000s.
inline int year_of_two_digits(int two_digits) {
  return two_digits >= 69 ? 1900 + two_digits : 2000 + two_digits;
}

}  // namespace talve
