// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace talve {

// The corrections made when the user leaves a pattern field, and the
// entries of the pattern pickers beside these fields.

struct PatternFieldText {
  std::string text;
  // The text holds exactly four "m": minutes were probably written "mm".
  bool four_m_warning = false;
};

// The information box shown when a pattern holds four "m".
const std::string& four_m_warning_text();

// Why a pattern that reads no date (pattern_reads_a_date) is refused; a
// long pattern is quoted by its beginning.
std::string pattern_without_date_text(std::string_view pattern);

// `Edit_format_datetime_mesure` (and the time field, whose exit corrects
// the date-time field): blanks removed, ";" read as ":", the first "hh:mm"
// made "hh:mn".
PatternFieldText correct_datetime_pattern(std::string_view text);
// `Edit_format_date_mesure_seule`: the same without the warning, and the
// first "hh:mn" removed, a date field holding no time.
PatternFieldText correct_date_pattern(std::string_view text);
// `Edit_f_date_fichier`: as the date-time field, and "." made ",".
PatternFieldText correct_file_date_pattern(std::string_view text);

// A pattern picker list: its control, entries in order, and size.
struct PatternPicker {
  std::string list;
  std::vector<std::string> entries;
  int height = 0;
  int width = 0;
};

// `ListBox_date_heure`: the eleven patterns of the window's first version,
// then ISO 8601 with its offset from UTC, then the layouts read group by
// group (12-hour clock, two-digit years, day of the year, compact dates,
// Unix time), each with an example after "(".
const PatternPicker& date_time_picker();
// `ListBox_date`: the four dates of the first version, then compact dates,
// the day of the year and a two-digit year last.
const PatternPicker& date_picker();
// `ListBox_heure`: the three times of the first version, then HHMM written
// together, an hour alone and a 12-hour clock.
const PatternPicker& time_picker();

// The entry pre-selected when a list opens: the one equal to the field's
// text (or whose pattern, up to "(", is that text), or -1.
int picker_index_of(const PatternPicker& picker, std::string_view field_text);
// What a double-click on an entry writes into the field: the entry up to
// any "(", trimmed.
std::string picked_text(std::string_view entry);

}  // namespace talve
