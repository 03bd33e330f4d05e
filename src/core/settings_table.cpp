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

// Initial value and If-absent value of every setting.
const std::array<SettingInfo, 65> kSettings = {{
    // Folders.
    {"dossier_choisi", K::Folder, "", "./"},
    {"dossier_choisi_sortie", K::Folder, "", "", D::None, D::ProgramFolder},
    {"dossier_description", K::Folder, "", "", D::None, D::ProgramFolder},
    // Input file layout.
    {"Edit_masque.text", K::Text, "csv", "*.csV"},
    {"RadioGroup_separateur_colonne_ItemIndex", K::Choice, "0", "0"},
    {"RadioGroup_DECIMAL_SEPARATOR_entree_ItemIndex", K::Choice, "0", "0"},
    {"RadioGroup_avec_sans_intitule_ItemIndex", K::Choice, "0", "0"},
    {"Edit_num_ligne_intitule_col.text", K::Text, "1", "1"},
    {"RadioGroup_numlig_balise_ItemIndex", K::Choice, "0", "0"},
    {"Edit_num_ligne_donnee.text", K::Text, "2", "2"},
    {"Edit_balise_deb.text", K::Text, "Date/time", "DATA"},
    {"Edit_balise_fin.text", K::Text, "END OF DATA", "END"},
    {"CheckBox_car_null.Checked", K::Boolean, "false", "false"},
    {"Edit_num_feuille_excel.text", K::Text, "1", "1"},
    {"Label_nom_fic_excel.caption", K::Text, "", ""},
    {"Label_nom_feuille.caption", K::Text, "nom", ""},
    // Dates and times of the measurements.
    {"RadioGroup_datetime_nb_col_ItemIndex", K::Choice, "0", "0"},
    {"Edit_num_col_datetime.text", K::Text, "1", "1"},
    {"Edit_format_datetime_mesure.text", K::Text, "aaaa_mm_jj_hh_mn_ss", "aaaa-mm-jjEhh:mn:ss"},
    {"Edit_num_col_date.text", K::Text, "1", "1"},
    {"Edit_format_date_mesure_seule.text", K::Text, "aaaa_mm_jj", "aaaa-mm-jj"},
    {"Edit_num_col_time.text", K::Text, "2", "1"},
    {"Edit_format_time_mesure_seul.text", K::Text, "hh_mn_ss", "hh:mn:ss"},
    // File names and listing.
    {"CheckBox_recursif.Checked", K::Boolean, "false", "false"},
    {"CheckBox_prelire_tous.Checked", K::Boolean, "false", "false"},
    {"Edit_f_station.text", K::Text, "1", ""},
    {"Edit_f_date_fichier.text", K::Text, "", ""},
    // Columns, titles and missing values.
    {"CheckBox_col_cochee.Checked", K::Boolean, "false", "false"},
    {"Edit_col_cochee.text", K::Text, "", "1,2,3"},
    {"CheckBox_int_col_alternatif.Checked", K::Boolean, "false", "false"},
    {"Edit_new_desc_colonne.text", K::Text, "", ""},
    {"Edit_equiv_na.text", K::Text, "NA;-1;-99999;-99999.000;-99990.0", "NA;-1;-99999;-99999.0;-99990.0"},
    {"Edit_min_na.text", K::Text, "", ""},
    {"Edit_max_na.text", K::Text, "", ""},
    {"Edit_NA.text", K::Text, "#N/A", ""},
    // Aggregation and corrections.
    {"RadioGroup_methode_ItemIndex", K::Choice, "0", "0"},
    {"CheckBox_correction_si_t1egalt2.Checked", K::Boolean, "false", "false"},
    {"CheckBox_correction_si_t1supt2.Checked", K::Boolean, "false", "false"},
    {"CheckBox_decalage_actif.Checked", K::Boolean, "false", "false"},
    {"TimePicker_decalage", K::Time, "00:00:00", "00:00:00"},
    {"RadioButton_decalage_positif.Checked", K::Boolean, "true", "true"},
    {"RadioButton_decalage_negatif.Checked", K::Boolean, "false", "false"},
    {"CheckBox_derive_active.Checked", K::Boolean, "false", "false"},
    {"TimePicker_derive_erronee", K::Time, "00:00:00", "00:00:00"},
    {"TimePicker_derive_reelle", K::Time, "00:00:00", "00:00:00"},
    {"DateTimePicker_debut_derive", K::DateTime, "02/01/1900", "02/01/1900"},
    {"DateTimePicker_constat_derive", K::DateTime, "02/01/1900", "02/01/1900"},
    {"CheckBox_cumul_corriger.Checked", K::Boolean, "false", "false"},
    {"CheckBox_delta_Y.Checked", K::Boolean, "false", "false"},
    {"CheckBox_derivees.Checked", K::Boolean, "false", "false"},
    {"CheckBox_post_traitement.Checked", K::Boolean, "false", "false"},
    {"Edit_nmax_lacune.text", K::Text, "3", "1"},
    // Output.
    {"Edit_nom_fic_sortie.text", K::Text, "A10", "A"},
    {"CheckBox_inc_nom.Checked", K::Boolean, "true", "true"},
    {"Edit_nb_decimale.text", K::Text, "2", "3"},
    {"RadioGroup_DECIMAL_SEPARATOR_sortie_ItemIndex", K::Choice, "0", "0"},
    {"RadioGroup_separateur_sortie_ItemIndex", K::Choice, "0", "0"},
    // Period of the last processing run.
    {"Label_min_dsc.caption", K::Text, "02/04/2023 07:29:32", "", D::None, D::CurrentDateTime},
    {"Label_max_dsc.caption", K::Text, "date-heure", "", D::None, D::CurrentDateTime},
    {"Label_pas_dsc.caption", K::Text, "pas", "00:15:00"},
    // Display and tools.
    {"CheckBox_aide_flottante.Checked", K::Boolean, "false", "false"},
    {"RadioGroup_coul_nb.ItemIndex", K::Choice, "0", "0"},
    {"Edit_name_prog_blocnote.text", K::Text, "notepad++.exe ", "notepad.exe"},
    {"suite_coche_liste_graph", K::Text, "", ""},
    {"suite_coche_liste_graph_deriv", K::Text, "", ""},
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
  // instead of 65 comparisons.
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
