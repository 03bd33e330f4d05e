// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "text/field_cutting.h"
#include "text/tdatetime.h"

namespace talve {

// The small text routines shared by every part of the program. Texts are
// Windows-1252 bytes. "Blank" is the space character only (a tab is not a
// blank). "Numeric characters" are the digits and "+", ",", "."; "letters"
// are the bytes from "A" to "z" (which takes in "[", "\", "]", "^", "_" and
// the backquote).

// --- fields

// `champ_n`: field n (from 1) of the line cut by the separator, trimmed of
// blanks; "" when n is 0, the line is empty or has fewer fields. With the
// blank as separator, runs of blanks count as one. A line that begins with
// the separator has no empty first field: " a b" and "a b" share field 1.
std::string champ_n(std::string_view line, int n, char separator);
// `champ_n_large`: the same with the separator given as a text (its first
// character; a tab when empty).
std::string champ_n_large(std::string_view line, int n, std::string_view separator);

// Splits a line once into the fields `champ_n` would give, for the per-line
// path of the engine: no allocation once the field table has grown.
// Control bytes that make a line unreadable: none, the byte 0x01 alone, or
// every byte below 0x20 but TAB, LF and CR.
enum class ControlBytes : std::uint8_t { None, StartOfHeading, AllButTabAndLineEnds };

// True when the text holds one of those bytes.
bool holds_control_bytes(std::string_view text, ControlBytes control);

// What cutting a line found.
enum class CutOutcome : std::uint8_t {
  fields,          // the fields are cut
  control_bytes,   // the line holds a control byte: fields unspecified
  misplaced_quote  // a quote out of place: the fields are cut all the same
};

class FieldSplitter {
 public:
  // Returns the number of fields.
  std::size_t split(std::string_view line, char separator);
  // The same split, looking in the same pass for the control bytes: false,
  // with the fields left unspecified, when the line holds one.
  [[nodiscard]] bool split_unless_control(std::string_view line, char separator, ControlBytes control) {
    return split_fields(line, separator, control, false);
  }
  // The line cut as a family of files says (field_cutting.h): quoted
  // fields, an empty first field. A line without quotes is cut as fast as
  // split_unless_control cuts it.
  [[nodiscard]] CutOutcome cut(std::string_view line, const FieldCutting& cutting, ControlBytes control) {
    if (cutting.quoted) return cut_with_quotes(line, cutting, control);
    const bool empty_first = cutting.empty_first_field && cutting.split != ' ';
    return split_fields(line, cutting.split, control, empty_first) ? CutOutcome::fields
                                                                   : CutOutcome::control_bytes;
  }
  // Field n from 1, "" beyond the last one or for n < 1.
  std::string_view field(std::size_t n) const {
    return n >= 1 && n <= m_count ? m_fields[n - 1] : std::string_view();
  }
  std::size_t size() const { return m_count; }

 private:
  [[nodiscard]] bool split_fields(std::string_view line, char separator, ControlBytes control,
                                  bool empty_first_field);
  [[nodiscard]] CutOutcome cut_with_quotes(std::string_view line, const FieldCutting& cutting,
                                           ControlBytes control);
  // Room for `more` fields after the first `count`, which are kept.
  std::string_view* room_for(std::size_t count, std::size_t more);

  std::vector<std::string_view> m_fields;  // the first m_count are the line's
  std::vector<std::string_view> m_quoted;  // the fields of a line with quotes, cut
  std::string m_unquoted;                  // their texts that held doubled quotes
  std::size_t m_count = 0;
};

// `intitules_vers_sep`: a title line aligned with blanks turned into titles
// separated by the separator; one-character words (units such as C or %) are
// joined to the word before them with "_".
std::string intitules_vers_sep(std::string_view line, char separator);

// `compter_colonnes`: column counts of a blank-separated title line and data
// line. The two lines to add to the tracking log are returned in `trace`.
void compter_colonnes(std::string_view title_line, std::string_view data_line, int& title_count,
                      int& data_count, std::vector<std::string>& trace);

// --- counting and testing

int compter_car(char c, std::string_view text);
inline int compter_car_large(char c, std::string_view text) { return compter_car(c, text); }
int compter_numeriques(std::string_view text);
int compter_lettres(std::string_view text);
// Blanks and characters from "+" to ":".
int compter_car_dates(std::string_view text);
// The length when every character is a digit, else 0 (0 for "").
int tout_chiffres(std::string_view text);
// Two digits, ":", two digits somewhere in the text.
bool contient_heure(std::string_view text);
// The text read as an integer (0 when it does not read) is below low or
// above high.
bool hors_bornes(std::string_view text, int low, int high);
// The text, upper-cased and trimmed, without one leading "<", is not empty
// and reads whole as a real once every "," has become ".".
bool est_nombre(std::string_view text);
bool texte_booleen(std::string_view text);
std::string booleen_texte(bool value);

// Digits with an optional sign, decimal point and exponent, read whole;
// false for anything else (blanks, "inf", "nan", hexadecimal...).
[[nodiscard]] bool read_real(std::string_view text, double& value);
// A decimal integer with an optional sign, read whole.
[[nodiscard]] bool read_integer(std::string_view text, long long& value);
[[nodiscard]] bool read_int(std::string_view text, int& value);

// --- numbers

// `lire_reel`: "," read as "."; 0 when the text does not read whole, so
// 1,234 and 1.234 are equal and "1 234" gives 0.
double lire_reel(std::string_view text);
// `sep_decimal_systeme`: every "." and "," becomes the system decimal
// separator.
void sep_decimal_systeme(std::string& text);
// `entier_champ`: field n read as an integer, or the default.
int entier_champ(std::string_view line, int n, char separator, int default_value);
// `entier_apres_cle`: the digits that follow the key (upper-cased text) up
// to ",", "-", ";" or the end, other characters skipped; the default when
// the key is absent or no digit follows.
int entier_apres_cle(std::string_view text, std::string_view key, int default_value);

// --- editing

std::string trim(std::string_view text);
std::string trim_droite(std::string_view text);
// Leaves the last character of a text made only of blanks.
std::string trim_gauche(std::string_view text);
std::string_view trim_view(std::string_view text);
void remplacer_car(char from, char to, std::string& text);
inline void remplacer_car_large(char from, char to, std::string& text) { remplacer_car(from, to, text); }
void chiffres_vers_car(char c, std::string& text);
std::string supprimer_car(char c, std::string_view text);
// A one-character text gets a leading "0".
std::string deux_chiffres(std::string_view text);
// When width >= length, appends width - length + 1 copies of the character.
std::string completer_a_droite(std::string_view text, int width, char c);
// The first occurrence of search replaced; nothing when absent.
void remplacer_premier(std::string_view search, std::string_view replacement, std::string& text);
// Every occurrence of search replaced.
void remplacer_tout(std::string_view search, std::string_view replacement, std::string& text);
// `reparer_accents`: the UTF-8 (and twice-converted) byte sequences of the
// accented letters turned back into their single Windows-1252 bytes.
void reparer_accents(std::string& text);
// `chemin_avec_barre`: a non-empty path gets a final "/" when it lacks one.
std::string chemin_avec_barre(std::string_view path);
// `duree_texte`: a duration as " 12 s", " 3 mn 4 s " or " 1 h 2 mn 3 s ".
std::string duree_texte(TDateTime duration);

// --- lines

// The lines of a text: CR LF, LF and a lone CR all end a line; a final line
// end does not start an empty last line. `holds_nul`, when given, tells
// whether the text holds a NUL byte (found in the same pass).
std::vector<std::string_view> split_lines(std::string_view text, bool* holds_nul = nullptr);
// The same lines, appended to `lines` (whose reserved room is kept).
void append_lines(std::string_view text, std::vector<std::string_view>& lines, bool* holds_nul = nullptr);
// A little more than the line count of the text, from the lines of its
// first 64 KB: one reservation for nearly every file, without a pass over
// the whole text to count them.
std::size_t estimated_line_count(std::string_view text);
// Lines joined, each followed by CR LF.
std::string join_lines_crlf(const std::vector<std::string>& lines);

// --- number formatting

// The integer written with the "### ### ### ##0" format: thousands grouped
// by blanks.
std::string format_grouped(long long value);
// Fixed notation with the given decimals and "." as decimal mark, like the
// C "%.*f" of the "C" locale, independent of the process locale.
std::string format_fixed(double value, int decimals);
// The "#0.##" format: at most two decimals, trailing zeros removed, the
// system decimal separator.
std::string format_0_00(double value);

}  // namespace talve
