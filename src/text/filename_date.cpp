// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>

#include "text/ascii.h"
#include "text/clock.h"
#include "text/filename_rules.h"
#include "text/filename_syllables.h"
#include "text/text_utils.h"

namespace talve {
namespace {

struct DateFields {
  std::string year;
  std::string month;
  std::string day;
};

enum class [[nodiscard]] Lecture{lue, sans_date};

std::string chiffres_de(std::string_view text) {
  std::string digits;
  for (char c : text)
    if (is_ascii_digit(c)) digits.push_back(c);
  return digits;
}

// "3,aaaammjj" is taken as "aaaammjj,3": the pattern comes first.
void motif_en_premier(std::string& rule) {
  if (compter_car(',', rule) != 1) return;
  const std::size_t comma = rule.find(',');
  const std::string first = rule.substr(0, comma);
  const std::string second = rule.substr(comma + 1);
  if (!contains(first, "aa") && contains(second, "aa")) rule = second + "," + first;
}

// The century prefix and the choice of one syllable:
//  "(20)4,3,2": prefix 20, the rule keeps what follows ")";
//  "20aammjj,3": the name becomes syllable 3, the rule its pattern, whose
//  digits are the prefix.
void siecle_et_syllabe(std::string& rule, std::string& name, std::string& century) {
  const int opening = compter_car('(', rule);
  const int commas = compter_car(',', rule);
  if (opening == 1 && commas == 2) {
    const std::size_t open = rule.find('(');
    const std::size_t close = rule.find(')', open);
    century = chiffres_de(morceau(rule, open + 1, close == std::string::npos ? close : close - open - 1));
    rule = close == std::string::npos ? std::string() : rule.substr(close + 1);
  } else if (opening == 0 && commas == 1) {
    const std::size_t comma = rule.find(',');
    const int number = numero_syllabe(std::string_view(rule).substr(comma + 1)).value_or(0);
    if (number > 0) name = syllabe(name, number);
    rule.erase(comma);
    century = chiffres_de(rule);
  }
}

// A single "-" in front of the first "_" ends what is read of the name.
void couper_au_tiret(std::string& name) {
  if (compter_car('-', name) != 1) return;
  const std::size_t dash = name.find('-');
  const std::size_t underscore = name.find('_');
  if (underscore != std::string::npos && dash < underscore) name.erase(dash);
}

std::size_t premiere_suite_de_six_chiffres(std::string_view name) {
  std::size_t run = 0;
  for (std::size_t i = 0; i < name.size(); ++i) {
    run = is_ascii_digit(name[i]) ? run + 1 : 0;
    if (run == 6) return i - 5;
  }
  return std::string_view::npos;
}

// A compact pattern ("20aammjj", "aaaammjj", "20aammjjhhmmss") is found in
// the name from its first run of six digits, and both are rewritten so that
// syllable 1 of the name reads with the rule: on return the rule ends with
// ",1" and the name with ",z". False when the name holds no date.
[[nodiscard]] bool placer_motif_compact(std::string& rule, std::string& name) {
  const std::size_t run = premiere_suite_de_six_chiffres(name);
  const std::size_t digits = chiffres_de(name).size();
  if (run == std::string::npos) {
    if (rule != "aaaa_mm_jj" && rule != "jj_mm_aaaa") return false;
    rule += ",1";  // the name itself is the date
  } else if (digits == 8) {
    name = name.substr(run, 8);
    rule = "aaaammjj,1";
  } else {
    name = name.substr(run, digits);
    if (compter_numeriques(rule) == 2) {
      // "20aammjj": the written century goes in front of the name and the
      // pattern reads as "aaaammjj".
      const std::size_t aa = rule.find("aa");
      if (aa != std::string::npos)
        name.insert(0, rule.substr(aa - std::min<std::size_t>(aa, 2), std::min<std::size_t>(aa, 2)));
      chiffres_vers_car('a', rule);
    } else {
      rule = "aaaammjj";
    }
    rule += ",1";
  }
  name += ",z";
  return true;
}

// Year, month and day at the positions of "aaaa" (or "aa"), "mm" and "jj"
// in the pattern, within the syllable named by the rule's second part.
DateFields champs_par_motif(std::string_view rule, std::string_view name, char syllable_separator,
                            char list_separator, std::size_t year_at, std::size_t year_length) {
  const int number = numero_syllabe(champ_n(rule, 2, list_separator)).value_or(0);
  const std::string text = syllabe(name, number, syllable_separator);
  return {std::string(morceau(text, year_at, year_length)), deux_chiffres(morceau(text, rule.find("mm"), 2)),
          deux_chiffres(morceau(text, rule.find("jj"), 2))};
}

// The form "2,3,4": the syllables of the year, the month and the day.
Lecture champs_par_numeros(std::string_view rule, std::string_view name, const std::string& century,
                           char syllable_separator, char list_separator, DateFields& fields,
                           TraceSink& trace) {
  std::string parts[3];
  for (int k = 0; k < 3; ++k) {
    const auto number = numero_syllabe(champ_n(rule, k + 1, list_separator));
    if (!number) return Lecture::sans_date;
    parts[k] = syllabe(name, *number, syllable_separator);
  }
  fields = {century + parts[0], deux_chiffres(parts[1]), deux_chiffres(parts[2])};
  const bool century_digits =
      fields.year.size() >= 2 && is_ascii_digit(fields.year[0]) && is_ascii_digit(fields.year[1]);
  if (fields.day < "01" || fields.day > "31" || fields.month < "01" || fields.month > "12" ||
      !century_digits) {
    trace.ajout_suivi(" - erreur date : " + fields.year + "/" + fields.month + "/" + fields.day + "  <" +
                      std::string(name) + ">");
    return Lecture::sans_date;
  }
  return Lecture::lue;
}

// The form "3(xxxx),/,3(0000xx),/,3(000000xx)": the rule builds a date
// text from the name as a station rule would, then read by its layout.
DateFields champs_par_pieces(std::string_view rule, std::string_view name) {
  const std::string text = station_nom_fichier(name, rule);
  if (text.size() == 10 && !is_ascii_digit(text[4]))
    return {text.substr(0, 4), text.substr(5, 2), text.substr(8, 2)};
  if (text.size() == 10 && !is_ascii_digit(text[2]))
    return {text.substr(6, 4), text.substr(3, 2), text.substr(0, 2)};
  if (text.size() == 8) return {text.substr(0, 4), text.substr(4, 2), text.substr(6, 2)};
  return {};
}

Lecture lire_champs(std::string_view rule, std::string_view name, const std::string& century,
                    DateFields& fields, TraceSink& trace) {
  char syllable_separator = '_';
  if (!rule.empty() && !is_ascii_digit(rule.back()))
    syllable_separator = rule.back() == 'E' ? ' ' : rule.back();
  const char list_separator = contains(rule, ";") ? ';' : ',';

  if (const std::size_t at = rule.find("aaaa"); at != std::string_view::npos) {
    fields = champs_par_motif(rule, name, syllable_separator, list_separator, at, 4);
  } else if (const std::size_t at2 = rule.find("aa"); at2 != std::string_view::npos) {
    fields = champs_par_motif(rule, name, syllable_separator, list_separator, at2, 2);
  } else if (!contains(rule, "(")) {
    return champs_par_numeros(rule, name, century, syllable_separator, list_separator, fields, trace);
  } else {
    fields = champs_par_pieces(rule, name);
  }
  return Lecture::lue;
}

// A field made of digits only, within its bounds. Signs and decimal marks,
// which count as numeric characters, are not accepted in a date.
bool dans_bornes(std::string_view text, int low, int high) {
  if (tout_chiffres(text) == 0) return false;
  const int value = numero_syllabe(text).value_or(-1);
  return value >= low && value <= high;
}

}  // namespace

std::string nom_syllabes(std::string_view name) {
  std::string text(name);
  const std::size_t dot = text.rfind('.');
  if (dot != std::string::npos) text.erase(dot);
  if (!contains(text, "_")) remplacer_car('-', '_', text);
  for (char& c : text)
    if (c == ' ' || c == ',' || c == ';') c = '_';
  return text;
}

std::string date_nom_fichier(std::string_view name_text, std::string_view rule_text, TDateTime& date,
                             TraceSink& trace) {
  date = now();
  std::string rule(rule_text);
  motif_en_premier(rule);
  std::string name = nom_syllabes(name_text);
  std::string century;
  siecle_et_syllabe(rule, name, century);
  if (name.empty() || rule.empty() || compter_numeriques(name) <= 5) return {};
  couper_au_tiret(name);
  if (!contains(rule, ",") && !contains(rule, "(") && !placer_motif_compact(rule, name)) return {};

  DateFields fields;
  if (lire_champs(rule, name, century, fields, trace) == Lecture::sans_date) return {};

  const std::string digits = fields.year + fields.month + fields.day;
  if (compter_lettres(digits) == 0 && compter_numeriques(digits) == 8 &&
      dans_bornes(fields.year, 1900, 2100) && dans_bornes(fields.month, 1, 12) &&
      dans_bornes(fields.day, 1, 31)) {
    // A day the month does not have (31 February) still gives the text;
    // its date is the last day of 1899.
    const auto calendar =
        encode_date(numero_syllabe(fields.year).value_or(0), numero_syllabe(fields.month).value_or(0),
                    numero_syllabe(fields.day).value_or(0));
    date = calendar ? *calendar : 1.0;
    return fields.year + "/" + fields.month + "/" + fields.day;
  }
  trace.ajout_suivi("");
  trace.ajout_suivi("erreur : " + rule + "  ne fournit pas de date avec <" + name + ">");
  return {};
}

}  // namespace talve
