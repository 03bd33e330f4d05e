// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace talve {

// How the lines of a family of files are cut into fields, beyond the split
// character: the same rules for the titles, the dates and the values.
struct FieldCutting {
  char split = ';';
  // Fields may be written between double quotes (`CheckBox_guillemets`):
  // such a field is the text between them, a separator inside does not cut
  // it, a doubled quote inside is one quote character.
  bool quoted = false;
  // A line that begins with the separator opens an empty first field. Off,
  // the leading separator is skipped (" a b" and "a b" share field 1), as
  // blank-separated files and files whose every line begins with the
  // separator need.
  bool empty_first_field = false;
};

// Whether the empty first field of a line that begins with the separator
// counts, for the files whose title line is `title_line` (empty when they
// have no titles): it counts when the titles do not begin with the
// separator themselves, so that values land under their own titles in files
// whose data lines alone begin with an empty field. Never with the blank
// separator, whose runs of blanks count as one.
bool empty_first_field_counts(std::string_view title_line, char split);

// Cuts a line holding double quotes into its fields (the fields of a line
// without any quote are those of FieldSplitter): `fields` receives views
// into the line or, for fields holding doubled quotes, into `unquoted`,
// which must not be touched while the views are used. False when a quote
// is out of place (a field not closed, text after a closing quote, a quote
// inside a field that does not begin with one): the fields are cut all the
// same, the stray quotes read as characters.
bool cut_quoted_line(std::string_view line, const FieldCutting& cutting,
                     std::vector<std::string_view>& fields, std::string& unquoted);

// Field n (from 1) of the line as the cutting gives it, "" beyond the last.
std::string cut_field(std::string_view line, int n, const FieldCutting& cutting);

// The fields of a line joined by TAB, as the titles of a file are kept.
std::string fields_with_tabs(std::string_view line, const FieldCutting& cutting);

}  // namespace talve
