// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/entry_rules.h"

#include <vector>

#include "core/column_methods.h"
#include "core/data_description.h"
#include "core/user_interface.h"
#include "text/ascii.h"
#include "text/date_columns.h"
#include "text/date_pattern.h"
#include "text/date_pattern_fields.h"
#include "text/text_utils.h"

namespace talve {
namespace {

constexpr std::string_view kColumnList = "Edit_col_cochee.text";
constexpr std::string_view kEquivalences = "Edit_equiv_na.text";
constexpr std::string_view kDataLine = "Edit_num_ligne_donnee.text";
constexpr std::string_view kTitleLine = "Edit_num_ligne_intitule_col.text";
constexpr std::string_view kColumnMethods = "Edit_methode_par_colonne.text";
constexpr std::string_view kMinShare = "Edit_taux_min.text";

// The texts of the date/time column numbers in the current date layout.
std::vector<std::string> date_columns(const DataDescription& description) {
  if (description.choice("RadioGroup_datetime_nb_col_ItemIndex") == 1)
    return {trim(description.text("Edit_num_col_date.text")),
            trim(description.text("Edit_num_col_time.text"))};
  const std::string& columns = description.text("Edit_num_col_datetime.text");
  if (!is_column_list(columns)) return {trim(columns)};
  std::vector<std::string> texts;
  for (const int column : date_columns_or_none(columns)) texts.push_back(std::to_string(column));
  return texts;
}

// Step (a) of the column-list rule: one separator and no blank.
std::string clean_column_list(std::string_view text) {
  std::string cleaned = supprimer_car(' ', text);
  remplacer_car(';', ',', cleaned);
  remplacer_car('.', ',', cleaned);
  if (const auto doubled = cleaned.find(",,"); doubled != std::string::npos) cleaned.erase(doubled, 1);
  return cleaned;
}

// Step (c): the list without the date/time columns; `left_out` tells
// whether an item was dropped.
std::string without_date_columns(std::string_view list, const std::vector<std::string>& dates,
                                 bool& left_out) {
  left_out = false;
  if (list.empty()) return {};
  std::string rebuilt;
  bool first = true;
  while (true) {
    const auto comma = list.find(',');
    const std::string_view item = list.substr(0, comma);
    bool is_date = false;
    for (const auto& date : dates) is_date = is_date || item == date;
    if (is_date) {
      left_out = true;
    } else {
      if (!first) rebuilt += ',';
      rebuilt += item;
      first = false;
    }
    if (comma == std::string_view::npos) break;
    list.remove_prefix(comma + 1);
  }
  return rebuilt;
}

// Stores a corrected pattern; the pickers beside the pattern fields close.
[[nodiscard]] bool store_pattern(DataDescription& description, std::string_view key,
                                 const PatternFieldText& corrected, UserInterface& ui) {
  const bool changed = description.text(key) != corrected.text;
  if (corrected.four_m_warning) ui.message(four_m_warning_text());
  description.set_text(key, corrected.text);
  description.mark_modified();
  for (const PatternPicker* picker : {&date_time_picker(), &date_picker(), &time_picker()})
    ui.visibility_changed(picker->list, false);
  ui.visibility_changed("ListBox_date_fic", false);
  return changed;
}

bool two_date_columns(const DataDescription& description) {
  return description.choice("RadioGroup_datetime_nb_col_ItemIndex") == 1;
}

// A pattern that reads no date would give every line the same instant (or
// none): the user is told at once rather than by a result of one row.
void refuse_pattern_without_date(const DataDescription& description, UserInterface& ui) {
  const std::string pattern = date_pattern_in_force(description);
  if (pattern_reads_a_date(pattern)) return;
  ui.ask(MessageType::Warning, kOkButton,
         " Format refusé : " + pattern_without_date_text(pattern) +
             "\n\n aucune date ne pourrait être lue : corriger le format avant de lister ou de traiter");
}

bool may_follow_decimal_comma(char c) { return c == '+' || c == '-' || c == 'E' || (c >= '0' && c <= '9'); }

}  // namespace

bool apply_col_cochee_rule(DataDescription& description, UserInterface& ui) {
  const std::string original = description.text(kColumnList);
  const std::string cleaned = clean_column_list(original);
  std::string list = cleaned;
  if (!list.empty() && list.back() == ',') list.pop_back();
  bool left_out = false;
  const std::string rebuilt = without_date_columns(list, date_columns(description), left_out);

  description.set_text(kColumnList, cleaned);
  if (rebuilt != cleaned) {
    description.set_text(kColumnList, rebuilt);
    description.mark_modified();
  }
  if (left_out && description.checked("CheckBox_col_cochee.Checked"))
    ui.ask(MessageType::Warning, kOkButton,
           " Il a fallu enlever le n° de la colonne date/time de la liste des colonnes à extraire\n\n  de <" +
               original + ">\n\n" + "   à <" + rebuilt + ">");
  return description.text(kColumnList) != original;
}

bool leave_datetime_pattern(DataDescription& description, UserInterface& ui) {
  constexpr std::string_view key = "Edit_format_datetime_mesure.text";
  const bool changed = store_pattern(description, key, correct_datetime_pattern(description.text(key)), ui);
  refuse_pattern_without_date(description, ui);
  return changed;
}

bool leave_date_pattern(DataDescription& description, UserInterface& ui) {
  constexpr std::string_view key = "Edit_format_date_mesure_seule.text";
  const bool changed = store_pattern(description, key, correct_date_pattern(description.text(key)), ui);
  if (two_date_columns(description)) refuse_pattern_without_date(description, ui);
  return changed;
}

std::string date_pattern_in_force(const DataDescription& description) {
  if (two_date_columns(description))
    return trim(description.text("Edit_format_date_mesure_seule.text")) + " " +
           trim(description.text("Edit_format_time_mesure_seul.text"));
  return trim(description.text("Edit_format_datetime_mesure.text"));
}

bool leave_file_date_pattern(DataDescription& description, UserInterface& ui) {
  constexpr std::string_view key = "Edit_f_date_fichier.text";
  return store_pattern(description, key, correct_file_date_pattern(description.text(key)), ui);
}

bool apply_equiv_na_rule(DataDescription& description, UserInterface& ui) {
  const std::string original = description.text(kEquivalences);
  std::string text = original;
  const auto comma = text.find(',');
  if (comma != std::string::npos && comma + 1 < text.size() && !may_follow_decimal_comma(text[comma + 1]))
    text[comma] = ';';
  if (compter_car(';', text) > 6)
    ui.message(
        "seules les 7 première équivalences seront prises en compte\n\n   en restreindre le nombre...");
  description.set_text(kEquivalences, text);
  return text != original;
}

bool confirm_data_line(DataDescription& description, const std::string& typed, UserInterface& ui) {
  const std::string title_text = description.text(kTitleLine);
  int data_line = 0;
  int title_line = 0;
  if (!read_int(trim_view(typed), data_line)) data_line = 0;
  const bool title_reads = read_int(trim_view(title_text), title_line);
  const bool with_titles = description.choice("RadioGroup_avec_sans_intitule_ItemIndex") == 0;
  const bool accepted =
      with_titles ? data_line > title_line : !(title_reads && title_line == 0) || data_line > 0;
  if (!accepted) {
    ui.message(
        " la valeur " + typed +
        " n'est pas valide comme n° de ligne de donnée par rapport à celui de l'intitulés de colonnes : " +
        title_text + " ...");
    description.assign(kDataLine, typed);
    return false;
  }
  description.set_text(kDataLine, typed);
  description.mark_modified();
  return true;
}

std::string column_methods_problem(const DataDescription& description) {
  const ColumnMethodList list = parse_column_methods(description.text(kColumnMethods));
  if (!list.error.empty()) return list.error;
  const std::vector<std::string> dates = date_columns(description);
  const bool extracting = description.checked("CheckBox_col_cochee.Checked");
  const std::string extracted = clean_column_list(description.text(kColumnList));
  const std::string with_commas = "," + extracted + ",";
  for (const ColumnMethod& m : list.methods) {
    const std::string column = std::to_string(m.column);
    for (const std::string& date : dates)
      if (column == date)
        return "la colonne " + column + " est celle de la date/heure : elle n'a pas de méthode";
    if (extracting && with_commas.find("," + column + ",") == std::string::npos)
      return "la colonne " + column + " n'est pas dans les colonnes à extraire (" + extracted + ")";
  }
  return {};
}

bool apply_column_methods_rule(DataDescription& description, UserInterface& ui) {
  const std::string problem = column_methods_problem(description);
  if (!problem.empty()) {
    ui.ask(MessageType::Warning, kOkButton,
           " Méthodes par colonne : " + problem + "\n\n  <" + description.text(kColumnMethods) + ">" +
               "\n\n Exemple : cumul:3,5;max:7  (méthodes : moyenne, ponctuel, max, min, moy_si_vide, cumul, "
               "somme)");
    return false;
  }
  const std::string canonical = parse_column_methods(description.text(kColumnMethods)).canonical;
  if (description.text(kColumnMethods) != canonical) description.set_text(kColumnMethods, canonical);
  return true;
}

bool apply_min_share_rule(DataDescription& description, UserInterface& ui) {
  const std::string& text = description.text(kMinShare);
  if (!min_share_from_text(text)) {
    ui.ask(MessageType::Warning, kOkButton,
           " Le taux minimum de mesures <" + text +
               "> n'est pas valide :\n\n un pourcentage entier de 0 à 100 est attendu (vide ou 0 : aucun "
               "minimum)");
    return false;
  }
  const std::string trimmed = trim(text);
  if (text != trimmed) description.set_text(kMinShare, trimmed);
  return true;
}

bool confirm_datetime_columns(DataDescription& description, const std::string& typed, UserInterface& ui) {
  constexpr std::string_view key = "Edit_num_col_datetime.text";
  if (!read_date_columns(typed)) {
    ui.message(date_columns_rule_text(trim(typed)));
    description.assign(key, typed);
    return false;
  }
  if (description.text(key) != typed) {
    description.set_text(key, typed);
    description.mark_modified();
  }
  return true;
}

bool mask_accepts_key(char typed) { return typed != '*' && typed != '.'; }

std::string typed_mask(std::string_view text) {
  std::string kept;
  for (const char c : text)
    if (mask_accepts_key(c)) kept += c;
  return kept;
}

void change_mask(DataDescription& description, const std::string& mask) {
  if (mask == "ppp")
    description.assign("Edit_masque.text", mask);
  else
    description.set_text("Edit_masque.text", mask);
}

InputMode input_mode_for_mask(std::string_view mask) {
  const std::string upper = upper_ascii(mask);
  // "ODS": the workbooks of LibreOffice, which reads them here.
  if (contains(upper, "XLS") || contains(upper, "ODS")) return InputMode::Spreadsheet;
  if (contains(upper, "PPP")) return InputMode::Clipboard;
  return InputMode::Files;
}

bool offer_original_titles(DataDescription& description, const std::string& original_titles,
                           UserInterface& ui) {
  const std::string question = " récupérer l'intitulé de colonne d'orignine ?\n<" + original_titles + ">" +
                               "\n" + "en place de :\n" + "<" +
                               description.text("Edit_new_desc_colonne.text") + ">";
  if (ui.ask(MessageType::Confirmation, kYesNo, question) != Answer::Yes) return false;
  description.set_text("Edit_new_desc_colonne.text", original_titles);
  return true;
}

void choose_offset_sign(DataDescription& description, bool positive) {
  description.set_checked("RadioButton_decalage_positif.Checked", positive);
  description.set_checked("RadioButton_decalage_negatif.Checked", !positive);
  description.mark_modified();
}

void check_delta_y(DataDescription& description, bool checked) {
  description.set_checked("CheckBox_delta_Y.Checked", checked);
  if (checked) description.set_checked("CheckBox_derivees.Checked", false);
}

void check_derivees(DataDescription& description, bool checked) {
  description.set_checked("CheckBox_derivees.Checked", checked);
  if (checked) description.set_checked("CheckBox_delta_Y.Checked", false);
}

}  // namespace talve
