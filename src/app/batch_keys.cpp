// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batch_keys.h"

#include "core/setting_help.h"
#include "core/settings_table.h"
#include "text/date_pattern_fields.h"

namespace talve {
namespace {

// The patterns offered beside the three date fields.
const PatternPicker* picker_of(std::string_view key) {
  if (key == "Edit_format_datetime_mesure.text") return &date_time_picker();
  if (key == "Edit_format_date_mesure_seule.text") return &date_picker();
  if (key == "Edit_format_time_mesure_seul.text") return &time_picker();
  return nullptr;
}

std::string choices_text(std::string_view key) {
  std::string text;
  int index = 0;
  for (std::string_view caption : choice_captions(key)) {
    if (!text.empty()) text += ", ";
    text += std::to_string(index++) + " " + std::string(caption);
  }
  return text;
}

std::string values_text(const SettingInfo& info, const SettingHelp& help) {
  switch (info.kind) {
    case SettingKind::Boolean:
      return "true ou false (tout autre texte vaut false)";
    case SettingKind::Choice:
      return choices_text(info.key);
    case SettingKind::Folder:
      return "dossier, absolu ou relatif au dossier du fichier de description (par exemple ./donnees/)";
    case SettingKind::Time:
      return "hh:mn:ss";
    case SettingKind::DateTime:
      return "jj/mm/aaaa ou jj/mm/aaaa hh:mn:ss";
    case SettingKind::Text:
      break;
  }
  if (const PatternPicker* picker = picker_of(info.key)) {
    // The patterns alone: the examples the window shows after them would
    // read as more entries of the list.
    std::string text = "format, par exemple ";
    for (std::size_t i = 0; i < picker->entries.size(); ++i)
      text += (i == 0 ? "" : ", ") + picked_text(picker->entries[i]);
    return text;
  }
  return help.form.empty() ? "texte" : std::string(help.form);
}

std::string default_text(const SettingInfo& info) {
  switch (info.absent_dynamic) {
    case DynamicValue::ProgramFolder:
      return "le dossier propre de Talve ($TALVE_HOME, sinon ~/.config/talve/)";
    case DynamicValue::CurrentDateTime:
      return "la date et l'heure du moment";
    case DynamicValue::None:
      break;
  }
  const std::string value(info.if_absent);
  if (value.empty()) return "(vide)";
  if (info.kind != SettingKind::Choice) return value;
  int index = 0;
  const auto captions = choice_captions(info.key);
  for (char c : value) index = index * 10 + (c - '0');
  return index < static_cast<int>(captions.size()) ? value + " (" + std::string(captions[index]) + ")"
                                                   : value;
}

}  // namespace

std::vector<KeyDescription> description_keys() {
  std::vector<KeyDescription> keys;
  for (const SettingInfo& info : settings_table()) {
    const SettingHelp* help = setting_help(info.key);
    if (help == nullptr) continue;
    keys.push_back({std::string(info.key), std::string(help->section), values_text(info, *help),
                    std::string(help->meaning), default_text(info)});
  }
  return keys;
}

std::string description_keys_text() {
  std::string text =
      "Clés du fichier de description : une ligne \"clé= valeur\" par clé, dans n'importe quel ordre ;\n"
      "une clé absente prend sa valeur par défaut, une ligne inconnue est ignorée.\n";
  for (const KeyDescription& entry : description_keys()) {
    if (!entry.section.empty()) text += "\n== " + entry.section + " ==\n";
    text += "\n" + entry.key + " : " + entry.values + "\n";
    text += "    " + entry.meaning + "\n";
    text += "    par défaut : " + entry.default_value + "\n";
  }
  return text;
}

}  // namespace talve
