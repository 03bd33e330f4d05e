// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace talve {

// The texts of the questions and warnings the pre-reading of a file shows
// when the description does not fit the file.

// No titles declared, but the first data line looks like titles.
std::string titles_expected_question(long long line_number, std::string_view line);
// Titles declared on a line that holds more digits than letters.
std::string not_titles_question(long long line_number, int digits, int letters, std::string_view line);
// Titles declared on a line number before the first line.
std::string title_line_zero_error();
// Titles declared on a line made mostly of digits and date characters.
std::string mostly_digits_question(long long line_number, std::string_view first_data_line);

// Blank separator: the titles and the first data line do not hold the same
// number of columns.
struct BlankCountMismatch {
  std::string separator_name;
  int title_count = 0;
  std::string converted_titles;  // the titles separated by blanks
  int data_count = 0;
  std::string data_line;
  int corrected_count = 0;
  std::string corrected_titles;  // the titles separated by ","
};
std::string blank_count_question(const BlankCountMismatch& mismatch);
// Before the corrected titles replace alternative titles already typed.
std::string overwrite_alternatives_question(const BlankCountMismatch& mismatch, std::string_view present);

// The alternative titles do not number as many as the file's own titles.
struct AlternativeCountMismatch {
  int alternative_count = 0;
  int original_count = 0;
  bool blank_separator = false;
  std::string alternatives;      // shown with a blank separator
  std::string converted_titles;  // shown with a blank separator
  std::string separator_name;
};
std::string alternative_count_error(const AlternativeCountMismatch& mismatch);

// The single-column warning: the examined line holds no separator beyond
// what the date columns need. `separator_caption` names the current choice.
std::string single_column_warning(std::string_view separator_caption, std::string_view line);
// The same facts as lines of the tracking window (and so of the report).
std::vector<std::string> single_column_report(std::string_view separator_caption, std::string_view line);
// A file whose examined line gives more data columns than a run can hold
// (a binary file, a file without line ends).
std::string too_many_columns_warning(std::string_view path, long long count, std::string_view line);

// The first date of a file did not read.
struct DateProblem {
  std::string date;  // the canonical text obtained ("" when none)
  std::string pattern;
  std::string field;  // the value read from the line
  bool two_columns = false;
  std::string columns;  // "n" or "n/m"
  long long line_number = 0;
  std::string line;
};
// A 17-character value with a pattern beginning with "aaaa": the short
// year pattern is proposed.
std::string empty_date_format_question(const DateProblem& problem);
inline constexpr std::string_view kShortYearPattern = "20aa/mm/jj-hh:mn:ss";
std::string first_date_question(const DateProblem& problem);

}  // namespace talve
