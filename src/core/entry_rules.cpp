// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/entry_rules.h"

#include <vector>

#include "core/data_description.h"
#include "core/user_interface.h"
#include "text/ascii.h"
#include "text/date_columns.h"
#include "text/date_pattern_fields.h"
#include "text/text_utils.h"

namespace talve {
namespace {

constexpr std::string_view kColumnList = "Edit_col_cochee.text";
constexpr std::string_view kEquivalences = "Edit_equiv_na.text";
constexpr std::string_view kDataLine = "Edit_num_ligne_donnee.text";
constexpr std::string_view kTitleLine = "Edit_num_ligne_intitule_col.text";

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
  return store_pattern(description, key, correct_datetime_pattern(description.text(key)), ui);
}

bool leave_date_pattern(DataDescription& description, UserInterface& ui) {
  constexpr std::string_view key = "Edit_format_date_mesure_seule.text";
  return store_pattern(description, key, correct_date_pattern(description.text(key)), ui);
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

void change_mask(DataDescription& description, const std::string& mask) {
  if (mask == "ppp")
    description.assign("Edit_masque.text", mask);
  else
    description.set_text("Edit_masque.text", mask);
}

InputMode input_mode_for_mask(std::string_view mask) {
  const std::string upper = upper_ascii(mask);
  if (contains(upper, "XLS")) return InputMode::Spreadsheet;
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
