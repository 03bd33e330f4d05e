// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/workspace.h"

namespace talve {

class DataDescription;
class UserInterface;

// The rules applied when the user types into, leaves or confirms a field of
// the description. Each works on the description and tells the user through
// the interface; each returns what it changed so that the window can refresh
// the controls that depend on it (the column-title preview...).

// `Edit_col_cochee` left: blanks removed, ";" and "." turned into ",", one
// character of the first ",," and a final "," dropped, and the date/time
// columns left out of the list (warning when extraction is on). Returns true
// when the field's text changed.
bool apply_col_cochee_rule(DataDescription& description, UserInterface& ui);

// `Edit_format_datetime_mesure` left, or `Edit_format_time_mesure_seul`
// left (both correct the date-time pattern): the pattern is corrected
// ("hh:mm" read "hh:mn"...), a pattern holding four "m" raises a warning,
// the description is marked modified and the pattern pickers are closed.
// When the pattern the dates are then read with holds no date, a warning
// says it is refused (the text stays for the user to correct, and no run
// takes it). Returns true when the field's text changed.
bool leave_datetime_pattern(DataDescription& description, UserInterface& ui);
// `Edit_format_date_mesure_seule` left: the same corrections, and a time
// "hh:mn" is cut out of the date pattern; with a date column and a time
// column, the same warning when their patterns together hold no date.
bool leave_date_pattern(DataDescription& description, UserInterface& ui);

// The pattern the dates of a data line are read with, trimmed: the
// date-time pattern, or with two date columns the date pattern, a blank
// and the time pattern.
std::string date_pattern_in_force(const DataDescription& description);

// `Edit_f_date_fichier` left: the date-time pattern corrections, and "."
// turned into ",".
bool leave_file_date_pattern(DataDescription& description, UserInterface& ui);

// `Edit_equiv_na` left or confirmed: a first "," that cannot be a decimal
// comma becomes ";"; more than seven equivalences raise a warning. Returns
// true when the field's text changed.
bool apply_equiv_na_rule(DataDescription& description, UserInterface& ui);

// `Edit_num_ligne_donnee` confirmed with the typed text: the first data line
// must come after the title line. An accepted value is stored and marks the
// description modified; a refused one is explained, kept in the field as
// typed, and leaves the modified flag as it was. Returns true when accepted.
bool confirm_data_line(DataDescription& description, const std::string& typed, UserInterface& ui);

// What makes `Edit_methode_par_colonne.text` unusable, in French, naming
// the item: an unknown method or column, a column given two methods, the
// date/time column, a column left out of the extracted ones; empty when the
// text is usable (an empty text is).
std::string column_methods_problem(const DataDescription& description);
// `Edit_methode_par_colonne` left or confirmed: a usable text is rewritten
// in its plain form ("cumul: 3, 5" gives "cumul:3,5"); an unusable one is
// explained and kept as typed (the run then takes the chosen method for
// every column, and says so). Returns true when the text is usable.
bool apply_column_methods_rule(DataDescription& description, UserInterface& ui);

// `Edit_taux_min` left or confirmed: a whole percentage from 0 to 100 (or
// nothing) is kept trimmed; anything else is explained and kept as typed.
// Returns true when the text is usable.
bool apply_min_share_rule(DataDescription& description, UserInterface& ui);

// `Edit_num_col_datetime` confirmed or left with the typed text: one column
// number, or the columns of a date-time written over several columns joined
// by "+" ("2+3+4"). A malformed list is explained and kept in the field as
// typed, without marking the description modified. Returns true when
// accepted.
bool confirm_datetime_columns(DataDescription& description, const std::string& typed, UserInterface& ui);

// `Edit_masque`: "*" and "." cannot be typed into the field, nor pasted:
// the text of the field without them.
bool mask_accepts_key(char typed);
std::string typed_mask(std::string_view text);
// `Edit_masque` changed: the description is marked modified unless the new
// text is "ppp" (the clipboard working file).
void change_mask(DataDescription& description, const std::string& mask);

// The input the mask selects: a spreadsheet when it holds "XLS", the
// clipboard when it holds "PPP" (in capitals), else data files.
InputMode input_mode_for_mask(std::string_view mask);

// `Edit_new_desc_colonne` double-clicked: offers to put the original titles
// line (`Edit_intitule_origine`) in place of the alternative titles. Returns
// true when the user accepted.
bool offer_original_titles(DataDescription& description, const std::string& original_titles,
                           UserInterface& ui);

// Offset sign: clicking either radio button sets the pair and marks the
// description modified.
void choose_offset_sign(DataDescription& description, bool positive);

// `CheckBox_delta_Y` and `CheckBox_derivees` exclude each other: checking
// one unchecks the other.
void check_delta_y(DataDescription& description, bool checked);
void check_derivees(DataDescription& description, bool checked);

}  // namespace talve
