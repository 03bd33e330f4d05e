// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/date_pattern_fields.h"

#include "text/text_utils.h"

namespace talve {
namespace {

// What every pattern field gets: blanks removed, ";" for ":" and the
// minutes of "hh:mm" written "mn".
std::string common_corrections(std::string_view text) {
  std::string out = supprimer_car(' ', text);
  remplacer_car(';', ':', out);
  remplacer_premier("hh:mm", "hh:mn", out);
  return out;
}

bool has_four_m(std::string_view text) { return compter_car('m', text) == 4; }

}  // namespace

const std::string& four_m_warning_text() {
  static const std::string text =
      " il y a 4 \"m\", vérifier que les minutes soient \"mn\" et non \"mm\" comme les mois !";
  return text;
}

std::string pattern_without_date_text(std::string_view pattern) {
  constexpr std::size_t kQuoted = 60;
  std::string quoted(pattern.substr(0, kQuoted));
  if (pattern.size() > kQuoted) quoted += " ...";
  return "le format de date <" + quoted +
         "> ne contient pas de date : il lui faut l'année (aaaa ou aa), le mois (mm) et le jour (jj), "
         "ou une heure seule (hh_mn_ss)";
}

PatternFieldText correct_datetime_pattern(std::string_view text) {
  PatternFieldText out;
  out.text = common_corrections(text);
  out.four_m_warning = has_four_m(out.text);
  return out;
}

PatternFieldText correct_date_pattern(std::string_view text) {
  PatternFieldText out;
  out.text = common_corrections(text);
  remplacer_premier("hh:mn", "", out.text);
  return out;
}

PatternFieldText correct_file_date_pattern(std::string_view text) {
  PatternFieldText out;
  out.text = common_corrections(text);
  remplacer_car('.', ',', out.text);
  out.four_m_warning = has_four_m(out.text);
  return out;
}

const PatternPicker& date_time_picker() {
  static const PatternPicker picker{
      "ListBox_date_heure",
      {"aaaa_mm_jj_hh_mn_ss", "jj_mm_aaaa_hh_mn_ss", "jj_mm_20aa_hh_mn_ss", "mm_jj_aaaa_hh_mn_ss",
       "19aa_mm_jj_hh_mn_ss", "20aa_mm_jj_hh_mn_ss", "jj_mm_aaaa", "jj/mm/aaaa OU aaaa/mm/jj",
       "mm/dd/yyyy OU yyyy/dd/mm", "multiformat_dt_mini_1èreUE", "multiformat_dt_mini_1èreUS",
       "aaaa_mm_jjThh_mn_sszzzzzz", "mm_jj_ee_hh_mn_ss_pp   (10/02/13 06:00:00 PM)",
       "jj_mm_ee_hh_mn_ss   (ee : 69-99 = 19.., 00-68 = 20..)",
       "aaaa_qqq_hhmn   (année, jour de l'année, HHMM)", "aaaammjjhhmn   (202406151200)",
       "aaaammjj   (date seule : 20240615)", "mmjjee   (date seule : 100110)",
       "uuuuuuuuuu   (temps Unix, secondes depuis 1970)"},
      352,
      330};
  return picker;
}

const PatternPicker& date_picker() {
  static const PatternPicker picker{
      "ListBox_date",
      {"aaaa_mm_jj", "jj_mm_aaaa", "mm_jj_aaaa", "20aa_mm_jj", "aaaammjj", "jjmmaaaa",
       "aaaa_qqq   (jour de l'année)", "mm_jj_ee   (ee : 69-99 = 19.., 00-68 = 20..)"},
      160,
      250};
  return picker;
}

const PatternPicker& time_picker() {
  static const PatternPicker picker{"ListBox_heure",
                                    {"hh_mn_ss", "hh_mn", "hh_mn_ss.s", "hhmn   (2200, ou 5 pour 00:05)",
                                     "hh   (heure seule, 1 à 24)", "hh_mn_ss_pp   (06:00:00 PM)"},
                                    128,
                                    230};
  return picker;
}

int picker_index_of(const PatternPicker& picker, std::string_view field_text) {
  for (std::size_t i = 0; i < picker.entries.size(); ++i)
    if (picker.entries[i] == field_text || picked_text(picker.entries[i]) == field_text)
      return static_cast<int>(i);
  return -1;
}

std::string picked_text(std::string_view entry) { return trim(entry.substr(0, entry.find('('))); }

}  // namespace talve
