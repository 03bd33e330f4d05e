// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "text/field_cutting.h"

namespace talve {

class DataDescription;

// The description settings a listing reads once, when it starts.
struct ListingSettings {
  int separator_choice = 0;       // `RadioGroup_separateur_colonne_ItemIndex`
  char split = ';';               // the split character of that choice
  std::string separator_name;     // "Tabulation", "Espace", "Point-virgule", "Virgule"
  bool with_titles = true;        // `RadioGroup_avec_sans_intitule_ItemIndex` 0
  bool markers = false;           // `RadioGroup_numlig_balise_ItemIndex` 1
  bool two_date_columns = false;  // `RadioGroup_datetime_nb_col_ItemIndex` 1
  int datetime_column = 1;
  // A date-time written over several columns ("2+3+4"): every column, in
  // order; empty for one column.
  std::vector<int> datetime_columns;
  bool quoted = false;  // `CheckBox_guillemets`
  int date_column = 1;
  int time_column = 2;
  // The pattern the date values go through, trimmed: with two columns the
  // date pattern, a blank and the time pattern.
  std::string pattern;
  bool alternative_titles = false;  // `CheckBox_int_col_alternatif`
  std::string alternative_text;     // `Edit_new_desc_colonne.text`
  std::string station_rule;         // `Edit_f_station.text`
  std::string date_rule;            // `Edit_f_date_fichier.text`
  bool pre_read_all = false;        // `CheckBox_prelire_tous`
  std::string editor;               // `Edit_name_prog_blocnote.text`

  static ListingSettings read(const DataDescription& description);

  bool blank_separator() const { return split == ' '; }
  int date_column_count() const {
    return two_date_columns ? 2 : std::max(1, static_cast<int>(datetime_columns.size()));
  }
  // The number shown in the date questions: "n", "n/m" or "n+m+p".
  std::string date_columns_text() const;
  // How the lines of a file are cut, its title line being `title_line` (""
  // without titles).
  FieldCutting cutting(std::string_view title_line) const;
};

// The split character of a separator choice: "Tabulation" and
// "Point-virgule" split on ";" (the loader turned the tabs into ";"),
// "Espace" on a blank, "Virgule" on ","; any other choice on a tab.
char split_of_choice(int separator_choice);
// The caption of a separator choice ("" for an unknown choice).
std::string_view separator_caption(int separator_choice);

// The value the date reading sees in a line: the date-time field (or the
// fields of its columns joined by blanks), or the date field, a blank and
// the time field.
std::string date_value_in(std::string_view line, const ListingSettings& settings,
                          const FieldCutting& cutting);

}  // namespace talve
