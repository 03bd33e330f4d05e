// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>

#include "text/ascii.h"
#include "text/filename_rules.h"
#include "text/filename_syllables.h"
#include "text/text_utils.h"

namespace talve {
namespace {

// The pieces of a rule between its commas, empty ones included; the blanks
// of a piece are kept (a quoted blank is a piece).
std::vector<std::string_view> pieces_regle(std::string_view rule) {
  std::vector<std::string_view> pieces;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = rule.find(',', start);
    pieces.push_back(rule.substr(start, comma == std::string_view::npos ? comma : comma - start));
    if (comma == std::string_view::npos) return pieces;
    start = comma + 1;
  }
}

// A syllable piece: a number, optionally followed by a mask in parentheses
// that closes the piece ("3", "3(0000xx)").
[[nodiscard]] bool piece_syllabe(std::string_view piece, int& number, std::string_view& mask, bool& masked) {
  const std::string_view text = trim_view(piece);
  std::size_t digits = 0;
  while (digits < text.size() && is_ascii_digit(text[digits])) ++digits;
  if (digits == 0) return false;
  masked = digits < text.size();
  if (masked) {
    if (text[digits] != '(' || text.back() != ')' || text.size() < digits + 2) return false;
    mask = text.substr(digits + 1, text.size() - digits - 2);
  }
  number = numero_syllabe(text.substr(0, digits)).value_or(0);
  return true;
}

std::string texte_piece(std::string_view piece, std::string_view syllables) {
  int number = 0;
  std::string_view mask;
  bool masked = false;
  if (piece_syllabe(piece, number, mask, masked)) {
    const std::string whole = syllabe(syllables, number);
    return masked ? appliquer_masque(whole, mask) : whole;
  }
  if (piece == "E" || piece == "e") return " ";
  // Literal text, its surrounding quotes removed: "\" \"" is a blank.
  if (!piece.empty() && piece.front() == '"') piece.remove_prefix(1);
  if (!piece.empty() && piece.back() == '"') piece.remove_suffix(1);
  return std::string(piece);
}

// The form "2,Baro?": the syllable, followed by "-" and the word when the
// name holds the word in any case.
std::string station_avec_mot(std::string_view rule, std::string_view syllables) {
  const std::size_t comma = rule.find(',');
  std::string station = texte_piece(rule.substr(0, comma), syllables);
  const std::string_view rest = rule.substr(comma + 1);
  const std::string_view word = rest.substr(0, rest.find('?'));
  if (!word.empty() && contains(upper_ascii(syllables), upper_ascii(word))) {
    station += '-';
    station += word;
  }
  return station;
}

}  // namespace

StationSource source_station(std::string_view rule) {
  const std::string upper = upper_ascii(rule);
  return contains(upper, "LIGNE") || contains(upper, "COLONNE") ? StationSource::contenu
                                                                : StationSource::nom_fichier;
}

std::string station_nom_fichier(std::string_view name, std::string_view rule_text) {
  std::string rule(rule_text);
  if (!rule.empty() && rule.front() == '"') {
    rule.erase(0, 1);
    if (!rule.empty() && rule.back() == '"') rule.pop_back();
  }
  const std::string trimmed = trim(name);
  if (trimmed.empty()) return {};

  if (!contains(rule, ",")) {
    const bool parentheses = contains(rule, "(") && contains(rule, ")");
    if (tout_chiffres(rule) == 0 && !parentheses) return rule;  // a literal station name
    rule += ',';
  }

  std::string syllables = trimmed;
  for (char& c : syllables)
    if (c == ' ' || c == '-' || c == ',' || c == ';' || c == '.') c = '_';

  if (contains(rule, "?")) return station_avec_mot(rule, syllables);
  std::string station;
  for (std::string_view piece : pieces_regle(rule)) station += texte_piece(piece, syllables);
  return station;
}

std::string station_contenu(std::span<const std::string_view> lines, std::string_view rule) {
  const std::string upper = upper_ascii(rule);
  const int line_number = std::max(1, entier_apres_cle(rule, "LIGNE", 1));
  const int column = entier_apres_cle(rule, "COLONNE", 0);
  // Tested in this order so that "POINT-VIRGULE" wins over "VIRGULE".
  char separator = ' ';
  if (contains(upper, "TABULATION")) separator = '\t';
  if (contains(upper, "VIRGULE")) separator = ',';
  if (contains(upper, "POINT-VIRGULE")) separator = ';';

  if (static_cast<std::size_t>(line_number) > lines.size()) return {};
  const std::string_view line = lines[static_cast<std::size_t>(line_number) - 1];
  std::string station = column < 1 ? std::string(line) : champ_n(line, column, separator);
  reparer_accents(station);
  return station;
}

}  // namespace talve
