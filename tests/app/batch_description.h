// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace talve::testing {

// The description the batch tests run: ";" files in ./donnees/ with their
// titles on line 1 and "aaaa_mm_jj_hh_mn_ss" in column 1, results in
// ./sorties/res.txt, the hourly period 01:00..04:00 of 1 January 2021.
// `extra` lines replace the ones of the same key, or are added.
inline std::vector<std::string> batch_description(const std::vector<std::string>& extra = {}) {
  std::vector<std::string> lines = {
      "dossier_choisi= ./donnees/",
      "dossier_choisi_sortie= ./sorties/",
      "Edit_masque.text= csv",
      "RadioGroup_separateur_colonne_ItemIndex= 2",
      "RadioGroup_avec_sans_intitule_ItemIndex= 0",
      "Edit_num_ligne_intitule_col.text= 1",
      "Edit_num_ligne_donnee.text= 2",
      "RadioGroup_numlig_balise_ItemIndex= 0",
      "Edit_num_col_datetime.text= 1",
      "Edit_format_datetime_mesure.text= aaaa_mm_jj_hh_mn_ss",
      "Edit_equiv_na.text= NA;-99999",
      "Edit_NA.text= NA",
      "Edit_nb_decimale.text= 2",
      "RadioGroup_separateur_sortie_ItemIndex= 3",
      "RadioGroup_DECIMAL_SEPARATOR_sortie_ItemIndex= 0",
      "Edit_nom_fic_sortie.text= res",
      "CheckBox_inc_nom.Checked= false",
      "Edit_f_station.text= 1",
      "Edit_f_date_fichier.text= ",
      "Label_min_dsc.caption= 01/01/2021 01:00:00",
      "Label_max_dsc.caption= 01/01/2021 04:00:00",
      "Label_pas_dsc.caption= 01:00:00",
  };
  for (const std::string& line : extra) {
    const std::size_t equals = line.find('=');
    if (equals != std::string::npos && equals > 0) {
      const std::string key = line.substr(0, equals + 1);
      std::erase_if(lines, [&key](const std::string& l) { return l.starts_with(key); });
    }
    lines.push_back(line);
  }
  return lines;
}

}  // namespace talve::testing
