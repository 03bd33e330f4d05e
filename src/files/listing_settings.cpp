// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/listing_settings.h"

#include <array>

#include "core/data_description.h"
#include "text/date_columns.h"
#include "text/text_utils.h"

namespace talve {
namespace {

constexpr std::array<std::string_view, 4> kSeparatorCaptions = {"Tabulation", "Espace", "Point-virgule",
                                                                "Virgule"};

int column_setting(const DataDescription& description, std::string_view key) {
  int value = 0;
  return read_int(trim_view(description.text(key)), value) ? value : 0;
}

}  // namespace

char split_of_choice(int separator_choice) {
  switch (separator_choice) {
    case 0:
    case 2:
      return ';';
    case 1:
      return ' ';
    case 3:
      return ',';
    default:
      return '\t';
  }
}

std::string_view separator_caption(int separator_choice) {
  if (separator_choice < 0 || separator_choice >= static_cast<int>(kSeparatorCaptions.size())) return {};
  return kSeparatorCaptions[static_cast<std::size_t>(separator_choice)];
}

ListingSettings ListingSettings::read(const DataDescription& d) {
  ListingSettings s;
  s.separator_choice = d.choice("RadioGroup_separateur_colonne_ItemIndex");
  s.split = split_of_choice(s.separator_choice);
  s.separator_name = std::string(separator_caption(s.separator_choice));
  s.with_titles = d.choice("RadioGroup_avec_sans_intitule_ItemIndex") != 1;
  s.markers = d.choice("RadioGroup_numlig_balise_ItemIndex") == 1;
  s.two_date_columns = d.choice("RadioGroup_datetime_nb_col_ItemIndex") == 1;
  s.datetime_column = column_setting(d, "Edit_num_col_datetime.text");
  const std::string& columns = d.text("Edit_num_col_datetime.text");
  if (is_column_list(columns)) {
    s.datetime_columns = date_columns_or_none(columns);
    s.datetime_column = s.datetime_columns.front();
  }
  s.quoted = d.checked("CheckBox_guillemets.Checked");
  s.date_column = column_setting(d, "Edit_num_col_date.text");
  s.time_column = column_setting(d, "Edit_num_col_time.text");
  s.pattern = s.two_date_columns ? trim(d.text("Edit_format_date_mesure_seule.text")) + " " +
                                       trim(d.text("Edit_format_time_mesure_seul.text"))
                                 : trim(d.text("Edit_format_datetime_mesure.text"));
  s.alternative_titles = d.checked("CheckBox_int_col_alternatif.Checked");
  s.alternative_text = d.text("Edit_new_desc_colonne.text");
  s.station_rule = d.text("Edit_f_station.text");
  s.date_rule = d.text("Edit_f_date_fichier.text");
  s.pre_read_all = d.checked("CheckBox_prelire_tous.Checked");
  s.editor = d.text("Edit_name_prog_blocnote.text");
  return s;
}

std::string ListingSettings::date_columns_text() const {
  if (two_date_columns) return std::to_string(date_column) + "/" + std::to_string(time_column);
  if (datetime_columns.size() < 2) return std::to_string(datetime_column);
  std::string text;
  for (const int column : datetime_columns) text += (text.empty() ? "" : "+") + std::to_string(column);
  return text;
}

FieldCutting ListingSettings::cutting(std::string_view title_line) const {
  return FieldCutting{split, quoted, empty_first_field_counts(title_line, split)};
}

std::string date_value_in(std::string_view line, const ListingSettings& settings,
                          const FieldCutting& cutting) {
  if (settings.two_date_columns)
    return cut_field(line, settings.date_column, cutting) + " " +
           cut_field(line, settings.time_column, cutting);
  if (settings.datetime_columns.size() < 2) return cut_field(line, settings.datetime_column, cutting);
  std::string value;
  for (const int column : settings.datetime_columns) {
    if (!value.empty()) value.push_back(' ');
    value += cut_field(line, column, cutting);
  }
  return value;
}

}  // namespace talve
