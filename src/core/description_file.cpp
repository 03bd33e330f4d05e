// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/description_file.h"

#include <array>
#include <cmath>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>

#include "core/data_description.h"
#include "core/folder_paths.h"
#include "core/picker_text.h"
#include "core/program_folder.h"
#include "core/replace_file.h"
#include "core/settings_table.h"
#include "core/user_interface.h"
#include "text/ascii.h"
#include "text/encoding.h"
#include "text/text_utils.h"

namespace talve {
namespace {

constexpr std::array<std::string_view, 66> kWriteOrder = {
    // Check boxes.
    "CheckBox_aide_flottante.Checked", "CheckBox_car_null.Checked", "CheckBox_col_cochee.Checked",
    "CheckBox_correction_si_t1egalt2.Checked", "CheckBox_correction_si_t1supt2.Checked",
    "CheckBox_inc_nom.Checked", "CheckBox_int_col_alternatif.Checked", "CheckBox_prelire_tous.Checked",
    "CheckBox_recursif.Checked", "CheckBox_post_traitement.Checked", "CheckBox_decalage_actif.Checked",
    "CheckBox_derive_active.Checked", "CheckBox_delta_Y.Checked", "CheckBox_derivees.Checked",
    "CheckBox_cumul_corriger.Checked",
    // Folders.
    "dossier_choisi_sortie", "dossier_choisi", "dossier_description",
    // Edit fields.
    "Edit_balise_deb.text", "Edit_balise_fin.text", "Edit_col_cochee.text", "Edit_equiv_na.text",
    "Edit_f_date_fichier.text", "Edit_f_station.text", "Edit_format_date_mesure_seule.text",
    "Edit_format_datetime_mesure.text", "Edit_format_time_mesure_seul.text", "Edit_masque.text",
    "Edit_max_na.text", "Edit_min_na.text", "Edit_NA.text", "Edit_name_prog_blocnote.text",
    "Edit_nb_decimale.text", "Edit_new_desc_colonne.text", "Edit_nom_fic_sortie.text",
    "Edit_num_col_date.text", "Edit_num_col_datetime.text", "Edit_num_col_time.text",
    "Edit_num_feuille_excel.text", "Edit_num_ligne_donnee.text", "Edit_num_ligne_intitule_col.text",
    "Edit_nmax_lacune.text",
    // Spreadsheet captions.
    "Label_nom_feuille.caption", "Label_nom_fic_excel.caption",
    // Offset sign.
    "RadioButton_decalage_negatif.Checked", "RadioButton_decalage_positif.Checked",
    // Choices.
    "RadioGroup_avec_sans_intitule_ItemIndex", "RadioGroup_coul_nb.ItemIndex",
    "RadioGroup_datetime_nb_col_ItemIndex", "RadioGroup_DECIMAL_SEPARATOR_entree_ItemIndex",
    "RadioGroup_DECIMAL_SEPARATOR_sortie_ItemIndex", "RadioGroup_methode_ItemIndex",
    "RadioGroup_numlig_balise_ItemIndex", "RadioGroup_separateur_colonne_ItemIndex",
    "RadioGroup_separateur_sortie_ItemIndex",
    // Chart selections.
    "suite_coche_liste_graph_deriv", "suite_coche_liste_graph",
    // Pickers.
    "TimePicker_decalage", "TimePicker_derive_reelle", "TimePicker_derive_erronee",
    "DateTimePicker_constat_derive", "DateTimePicker_debut_derive",
    // Period of the last run.
    "Label_min_dsc.caption", "Label_max_dsc.caption", "Label_pas_dsc.caption",
    // Keys added after the first version, at the end: the lines of the
    // first version keep their places.
    "CheckBox_guillemets.Checked"};

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

struct ValueLine {
  std::string value;
  int line = 0;  // from 1
};

// The value of every key present, by upper-cased key: the first line whose
// text before its first "=" is the key wins; the value runs to the next "="
// and is trimmed of blanks (not of tabs).
std::map<std::string, ValueLine> values_by_key(std::string_view bytes) {
  // An editor saving the file in UTF-8 may put a byte-order mark in front of
  // the first key, which would otherwise hide that key.
  if (bytes.starts_with(kUtf8Mark)) bytes.remove_prefix(kUtf8Mark.size());
  std::map<std::string, ValueLine> values;
  int number = 0;
  for (std::string_view line : split_lines(bytes)) {
    ++number;
    const auto equal = line.find('=');
    if (equal == std::string_view::npos) continue;
    const std::string_view rest = line.substr(equal + 1);
    values.try_emplace(upper_ascii(line.substr(0, equal)),
                       ValueLine{trim(rest.substr(0, rest.find('='))), number});
  }
  return values;
}

// A choice that does not read as an integer stops the read.
bool choice_reads(const SettingInfo& info, const std::string& repaired, int& index) {
  return info.kind != SettingKind::Choice || read_int(repaired, index);
}

// The time of day of a picker value; the pickers only keep that part.
std::string time_of_day_text(TDateTime value) { return format_time(value - std::floor(value)); }

void convert_folder(std::string& value, const SettingInfo& info, const std::string& own_folder,
                    DataDescription& description) {
  std::string form = relative_folder_form(value);
  if (!form.empty())
    value = resolve_folder(form, own_folder);
  else
    value = chemin_avec_barre(value);
  description.set_relative_form(info.key, std::move(form));
}

// Converts a value read for the setting and stores it; false when a choice
// does not read as an integer.
[[nodiscard]] bool store_value(std::string value, const SettingInfo& info, const std::string& own_folder,
                               DataDescription& description, UserInterface& ui) {
  reparer_accents(value);
  switch (info.kind) {
    case SettingKind::Boolean:
      value = booleen_texte(texte_booleen(value));
      break;
    case SettingKind::Choice: {
      int index = 0;
      if (!choice_reads(info, value, index)) {
        ui.ask(MessageType::Error, kOkButton, "'" + value + "' n'est pas une valeur entière correcte");
        return false;
      }
      value = std::to_string(index);
      break;
    }
    case SettingKind::Folder:
      convert_folder(value, info, own_folder, description);
      break;
    case SettingKind::Time:
    case SettingKind::DateTime: {
      // A picker value that does not read keeps the picker's If-absent value.
      std::optional<TDateTime> read = read_picker_text(value);
      if (!read) read = read_picker_text(info.if_absent);
      value = info.kind == SettingKind::Time ? time_of_day_text(read.value_or(0.0))
                                             : format_system_datetime(read.value_or(0.0));
      break;
    }
    case SettingKind::Text:
      break;
  }
  description.assign(info.key, std::move(value));
  return true;
}

std::string written_folder(const DataDescription& description, std::string_view key,
                           const std::string& own_folder) {
  const std::string& value = description.text(key);
  const std::string& form = description.relative_form(key);
  if (!form.empty() && !value.empty() && same_folder(resolve_folder(form, own_folder), value)) return form;
  return value;
}

std::string written_value(const DataDescription& description, const SettingInfo& info,
                          const std::string& own_folder) {
  switch (info.kind) {
    case SettingKind::Boolean:
      return booleen_texte(description.checked(info.key));
    case SettingKind::Folder:
      return written_folder(description, info.key, own_folder);
    case SettingKind::Time:
      return time_of_day_text(description.time(info.key));
    case SettingKind::DateTime:
      return format_system_datetime(description.time(info.key));
    case SettingKind::Choice:
    case SettingKind::Text:
      break;
  }
  return description.text(info.key);
}

}  // namespace

std::span<const std::string_view> description_write_order() { return kWriteOrder; }

bool read_description_text(std::string_view bytes, const std::string& own_folder,
                           DataDescription& description, UserInterface& ui) {
  const auto values = values_by_key(bytes);
  const std::string program = program_folder();
  for (const SettingInfo& info : settings_table()) {
    const auto found = values.find(upper_ascii(info.key));
    std::string value =
        found != values.end() ? found->second.value : DataDescription::absent_value(info, program);
    if (!store_value(std::move(value), info, own_folder, description, ui)) return false;
  }
  return true;
}

std::optional<UnreadableValue> unreadable_value(std::string_view bytes) {
  const auto values = values_by_key(bytes);
  for (const SettingInfo& info : settings_table()) {
    const auto found = values.find(upper_ascii(info.key));
    if (found == values.end()) continue;
    std::string value = found->second.value;
    reparer_accents(value);
    int index = 0;
    if (!choice_reads(info, value, index))
      return UnreadableValue{std::string(info.key), found->second.line, value};
  }
  return std::nullopt;
}

std::string unreadable_value_text(const UnreadableValue& stop) {
  return stop.key + " (ligne " + std::to_string(stop.line) + ") : '" + stop.value +
         "' n'est pas une valeur entière correcte";
}

DescriptionReadResult read_description_file(const std::string& path, DataDescription& description,
                                            UserInterface& ui) {
  DescriptionReadResult result;
  std::ifstream in(file_system_path(path), std::ios::binary);
  if (!in) return result;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  result.opened = true;
  result.complete = read_description_text(bytes.str(), folder_of(path), description, ui);
  return result;
}

std::vector<std::string> description_lines(const DataDescription& description,
                                           const std::string& own_folder) {
  std::vector<std::string> lines;
  lines.reserve(kWriteOrder.size());
  for (std::string_view key : kWriteOrder) {
    const SettingInfo& info = settings_table()[static_cast<std::size_t>(setting_index(key))];
    lines.push_back(std::string(key) + "= " + written_value(description, info, own_folder));
  }
  return lines;
}

bool write_description_file(const std::string& path, const DataDescription& description, std::string* error) {
  return replace_file(file_system_path(path),
                      join_lines_crlf(description_lines(description, folder_of(path))), error);
}

}  // namespace talve
