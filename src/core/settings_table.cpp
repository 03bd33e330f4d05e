// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings_table.h"

#include <array>
#include <stdexcept>
#include <unordered_map>

#include "text/ascii.h"

namespace talve {
namespace {

using K = SettingKind;
using D = DynamicValue;
using C = ControlKind;

// Initial value, If-absent value and control of every setting.
const std::array<SettingInfo, 69> kSettings = {{
    // Folders.
    {"dossier_choisi", K::Folder, "", "./", "Label_repertoire", C::FolderLabel, D::None, D::None,
     "répertoire données"},
    {"dossier_choisi_sortie", K::Folder, "", "", "Label_rep_sortie", C::FolderLabel, D::None,
     D::ProgramFolder, "répertoire de sortie"},
    {"dossier_description", K::Folder, "", "", "Label_rep_description", C::FolderLabel, D::None,
     D::ProgramFolder, "répertoire description"},
    // Input file layout.
    {"Edit_masque.text", K::Text, "csv", "*.csV", "Edit_masque", C::LineEdit},
    {"RadioGroup_separateur_colonne_ItemIndex", K::Choice, "0", "0", "RadioGroup_separateur_colonne",
     C::Choice},
    {"RadioGroup_DECIMAL_SEPARATOR_entree_ItemIndex", K::Choice, "0", "0",
     "GroupBox_DECIMAL_SEPARATOR_entree", C::Choice},
    {"RadioGroup_avec_sans_intitule_ItemIndex", K::Choice, "0", "0", "RadioGroup_avec_sans_intitule",
     C::Choice},
    {"Edit_num_ligne_intitule_col.text", K::Text, "1", "1", "Edit_num_ligne_intitule_col", C::LineEdit},
    {"RadioGroup_numlig_balise_ItemIndex", K::Choice, "0", "0", "GroupBox_numlig_balise", C::Choice},
    {"Edit_num_ligne_donnee.text", K::Text, "2", "2", "Edit_num_ligne_donnee", C::LineEdit},
    {"Edit_balise_deb.text", K::Text, "Date/time", "DATA", "Edit_balise_deb", C::LineEdit},
    {"Edit_balise_fin.text", K::Text, "END OF DATA", "END", "Edit_balise_fin", C::LineEdit},
    {"CheckBox_car_null.Checked", K::Boolean, "false", "false", "CheckBox_car_null", C::Check},
    {"CheckBox_guillemets.Checked", K::Boolean, "false", "false", "CheckBox_guillemets", C::Check, D::None, D::None, {}, true},
    {"Edit_num_feuille_excel.text", K::Text, "1", "1", "Edit_num_feuille_excel", C::LineEdit},
    {"Label_nom_fic_excel.caption", K::Text, "", "", "Label_nom_fic_excel", C::Label},
    {"Label_nom_feuille.caption", K::Text, "nom", "", "Label_nom_feuille", C::Label},
    // Dates and times of the measurements.
    {"RadioGroup_datetime_nb_col_ItemIndex", K::Choice, "0", "0", "RadioGroup_datetime_nb_col", C::Choice},
    {"Edit_num_col_datetime.text", K::Text, "1", "1", "Edit_num_col_datetime", C::LineEdit},
    {"Edit_format_datetime_mesure.text", K::Text, "aaaa_mm_jj_hh_mn_ss", "aaaa-mm-jjEhh:mn:ss",
     "Edit_format_datetime_mesure", C::LineEdit},
    {"Edit_num_col_date.text", K::Text, "1", "1", "Edit_num_col_date", C::LineEdit},
    {"Edit_format_date_mesure_seule.text", K::Text, "aaaa_mm_jj", "aaaa-mm-jj",
     "Edit_format_date_mesure_seule", C::LineEdit},
    {"Edit_num_col_time.text", K::Text, "2", "1", "Edit_num_col_time", C::LineEdit},
    {"Edit_format_time_mesure_seul.text", K::Text, "hh_mn_ss", "hh:mn:ss", "Edit_format_time_mesure_seul",
     C::LineEdit},
    // File names and listing.
    {"CheckBox_recursif.Checked", K::Boolean, "false", "false", "CheckBox_recursif", C::Check},
    {"CheckBox_prelire_tous.Checked", K::Boolean, "false", "false", "CheckBox_prelire_tous", C::Check},
    {"Edit_f_station.text", K::Text, "1", "", "Edit_f_station", C::LineEdit},
    {"Edit_f_date_fichier.text", K::Text, "", "", "Edit_f_date_fichier", C::LineEdit},
    // Columns, titles and missing values.
    {"CheckBox_col_cochee.Checked", K::Boolean, "false", "false", "CheckBox_col_cochee", C::Check},
    {"Edit_col_cochee.text", K::Text, "", "1,2,3", "Edit_col_cochee", C::LineEdit},
    {"CheckBox_int_col_alternatif.Checked", K::Boolean, "false", "false", "CheckBox_int_col_alternatif",
     C::Check},
    {"Edit_new_desc_colonne.text", K::Text, "", "", "Edit_new_desc_colonne", C::LineEdit},
    {"Edit_equiv_na.text", K::Text, "NA;-1;-99999;-99999.000;-99990.0", "NA;-1;-99999;-99999.0;-99990.0",
     "Edit_equiv_na", C::LineEdit},
    {"Edit_min_na.text", K::Text, "", "", "Edit_min_na", C::LineEdit},
    {"Edit_max_na.text", K::Text, "", "", "Edit_max_na", C::LineEdit},
    {"Edit_NA.text", K::Text, "#N/A", "", "Edit_NA", C::LineEdit},
    // Aggregation and corrections.
    {"RadioGroup_methode_ItemIndex", K::Choice, "0", "0", "GroupBox_methode", C::Choice},
    {"Edit_methode_par_colonne.text",
     K::Text,
     "",
     "",
     "Edit_methode_par_colonne",
     C::LineEdit,
     D::None,
     D::None,
     {},
     true},
    {"Edit_taux_min.text", K::Text, "", "", "Edit_taux_min", C::LineEdit, D::None, D::None, {}, true},
    {"CheckBox_correction_si_t1egalt2.Checked", K::Boolean, "false", "false",
     "CheckBox_correction_si_t1egalt2", C::Check},
    {"CheckBox_correction_si_t1supt2.Checked", K::Boolean, "false", "false", "CheckBox_correction_si_t1supt2",
     C::Check},
    {"CheckBox_decalage_actif.Checked", K::Boolean, "false", "false", "CheckBox_decalage_actif", C::Check},
    {"TimePicker_decalage", K::Time, "00:00:00", "00:00:00", "TimePicker_decalage", C::TimePicker},
    {"RadioButton_decalage_positif.Checked", K::Boolean, "true", "true", "RadioButton_decalage_positif",
     C::Check},
    {"RadioButton_decalage_negatif.Checked", K::Boolean, "false", "false", "RadioButton_decalage_negatif",
     C::Check},
    {"CheckBox_derive_active.Checked", K::Boolean, "false", "false", "CheckBox_derive_active", C::Check},
    {"TimePicker_derive_erronee", K::Time, "00:00:00", "00:00:00", "TimePicker_derive_erronee",
     C::TimePicker},
    {"TimePicker_derive_reelle", K::Time, "00:00:00", "00:00:00", "TimePicker_derive_reelle", C::TimePicker},
    {"DateTimePicker_debut_derive", K::DateTime, "02/01/1900", "02/01/1900", "DateTimePicker_debut_derive",
     C::DateTimePicker},
    {"DateTimePicker_constat_derive", K::DateTime, "02/01/1900", "02/01/1900",
     "DateTimePicker_constat_derive", C::DateTimePicker},
    {"CheckBox_cumul_corriger.Checked", K::Boolean, "false", "false", "CheckBox_cumul_corriger", C::Check},
    {"CheckBox_delta_Y.Checked", K::Boolean, "false", "false", "CheckBox_delta_Y", C::Check},
    {"CheckBox_derivees.Checked", K::Boolean, "false", "false", "CheckBox_derivees", C::Check},
    {"CheckBox_post_traitement.Checked", K::Boolean, "false", "false", "CheckBox_post_traitement", C::Check},
    {"Edit_nmax_lacune.text", K::Text, "3", "1", "Edit_nmax_lacune", C::LineEdit},
    {"CheckBox_marquer_origine.Checked",
     K::Boolean,
     "false",
     "false",
     "CheckBox_marquer_origine",
     C::Check,
     D::None,
     D::None,
     {},
     true},
    // Output.
    {"Edit_nom_fic_sortie.text", K::Text, "A10", "A", "Edit_nom_fic_sortie", C::LineEdit},
    {"CheckBox_inc_nom.Checked", K::Boolean, "true", "true", "CheckBox_inc_nom", C::Check},
    {"Edit_nb_decimale.text", K::Text, "2", "3", "Edit_nb_decimale", C::LineEdit},
    {"RadioGroup_DECIMAL_SEPARATOR_sortie_ItemIndex", K::Choice, "0", "0",
     "RadioGroup_DECIMAL_SEPARATOR_sortie", C::Choice},
    {"RadioGroup_separateur_sortie_ItemIndex", K::Choice, "0", "0", "RadioGroup_separateur_sortie",
     C::Choice},
    // Period of the last processing run.
    {"Label_min_dsc.caption", K::Text, "02/04/2023 07:29:32", "", "Label_min_dsc", C::Label, D::None,
     D::CurrentDateTime},
    {"Label_max_dsc.caption", K::Text, "date-heure", "", "Label_max_dsc", C::Label, D::None,
     D::CurrentDateTime},
    {"Label_pas_dsc.caption", K::Text, "pas", "00:15:00", "Label_pas_dsc", C::Label},
    // Display and tools.
    {"CheckBox_aide_flottante.Checked", K::Boolean, "false", "false", "CheckBox_aide_flottante", C::Check},
    {"RadioGroup_coul_nb.ItemIndex", K::Choice, "0", "0", "RadioGroup_coul_nb", C::Choice},
    {"Edit_name_prog_blocnote.text", K::Text, "notepad++.exe ", "notepad.exe", "Edit_name_prog_blocnote",
     C::LineEdit},
    {"suite_coche_liste_graph", K::Text, "", "", "", C::None},
    {"suite_coche_liste_graph_deriv", K::Text, "", "", "", C::None},
}};

constexpr std::array<std::string_view, 4> kSeparators = {"Tabulation", "Espace", "Point-virgule", "Virgule"};
constexpr std::array<std::string_view, 2> kDecimals = {"virgule", "point"};
constexpr std::array<std::string_view, 2> kTitles = {"avec", "sans"};
constexpr std::array<std::string_view, 2> kBlock = {"n° de ligne", "balises"};
constexpr std::array<std::string_view, 2> kDateColumns = {"1 colonne", "2 colonnes"};
constexpr std::array<std::string_view, 6> kMethods = {
    "moyenne des n mesures OK", "ponctuel = dernière mesure OK", "max des n  mesures OK ",
    "min des n  mesures OK ",   "moy ET si vide = prec+suiv /2", "cumul"};
constexpr std::array<std::string_view, 4> kOutputSeparators = {"tabulation", "espace", "espace+ tab",
                                                               "point-virgule"};
constexpr std::array<std::string_view, 2> kColours = {"couleurs", "niveaux de gris"};

}  // namespace

std::span<const SettingInfo> settings_table() { return kSettings; }

int setting_index(std::string_view key) {
  // Every read or write of a setting looks its key up: a hash table
  // instead of a comparison per key.
  static const std::unordered_map<std::string_view, int> kIndex = [] {
    std::unordered_map<std::string_view, int> index;
    for (std::size_t i = 0; i < kSettings.size(); ++i) index.emplace(kSettings[i].key, static_cast<int>(i));
    return index;
  }();
  const auto found = kIndex.find(key);
  return found == kIndex.end() ? -1 : found->second;
}

int setting_index_nocase(std::string_view key) {
  for (std::size_t i = 0; i < kSettings.size(); ++i)
    if (equals_nocase(kSettings[i].key, key)) return static_cast<int>(i);
  return -1;
}

std::string_view folder_placeholder(std::string_view key) {
  const int index = setting_index(key);
  if (index < 0) throw std::logic_error("not a setting: " + std::string(key));
  return kSettings[static_cast<std::size_t>(index)].placeholder;
}

std::span<const std::string_view> choice_captions(std::string_view key) {
  if (key == "RadioGroup_separateur_colonne_ItemIndex") return kSeparators;
  if (key == "RadioGroup_DECIMAL_SEPARATOR_entree_ItemIndex") return kDecimals;
  if (key == "RadioGroup_avec_sans_intitule_ItemIndex") return kTitles;
  if (key == "RadioGroup_numlig_balise_ItemIndex") return kBlock;
  if (key == "RadioGroup_datetime_nb_col_ItemIndex") return kDateColumns;
  if (key == "RadioGroup_methode_ItemIndex") return kMethods;
  if (key == "RadioGroup_DECIMAL_SEPARATOR_sortie_ItemIndex") return kDecimals;
  if (key == "RadioGroup_separateur_sortie_ItemIndex") return kOutputSeparators;
  if (key == "RadioGroup_coul_nb.ItemIndex") return kColours;
  throw std::logic_error("not a choice setting: " + std::string(key));
}

}  // namespace talve
