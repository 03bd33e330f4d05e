// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/field_entries.h"

#include <algorithm>
#include <array>

#include "core/column_preview.h"
#include "core/entry_rules.h"
#include "core/field_visibility.h"
#include "session/description_actions.h"
#include "session/listing.h"
#include "session/session.h"

namespace talve {
namespace {

// Enter in one of these fields, while the description is modified, lists
// the files again.
constexpr std::array<std::string_view, 10> kRelistingFields = {
    "Edit_masque",         "Edit_NA",
    "Edit_nb_decimale",    "Edit_intitule_origine",
    "Edit_nom_fic_sortie", "Edit_num_ligne_intitule_col",
    "Edit_f_station",      "Edit_num_col_date",
    "Edit_num_col_time",   "Edit_num_col_datetime"};

constexpr std::array<std::string_view, 20> kFieldsWithRules = {"Edit_col_cochee",
                                                               "Edit_equiv_na",
                                                               "Edit_num_ligne_donnee",
                                                               "Edit_new_desc_colonne",
                                                               "Edit_masque",
                                                               "Edit_NA",
                                                               "Edit_nb_decimale",
                                                               "Edit_intitule_origine",
                                                               "Edit_nom_fic_sortie",
                                                               "Edit_num_ligne_intitule_col",
                                                               "Edit_f_station",
                                                               "Edit_num_col_date",
                                                               "Edit_num_col_time",
                                                               "Edit_num_col_datetime",
                                                               "Edit_format_datetime_mesure",
                                                               "Edit_format_time_mesure_seul",
                                                               "Edit_format_date_mesure_seule",
                                                               "Edit_f_date_fichier",
                                                               "Edit_methode_par_colonne",
                                                               "Edit_taux_min"};

template <std::size_t N>
bool one_of(const std::array<std::string_view, N>& names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// The field's text as the user left it, stored before its rule reads it,
// whichever of the window's handlers saw the edit first.
void store(Session& s, std::string_view field, const std::string& typed) {
  const std::string key = std::string(field) + ".text";
  if (s.description.text(key) != typed) s.description.set_text(key, typed);
}

// Keys whose change may change the column-title preview.
bool shapes_preview(std::string_view key) {
  return key == "CheckBox_col_cochee.Checked" || key == "Edit_col_cochee.text" ||
         key == "CheckBox_int_col_alternatif.Checked" || key == "Edit_new_desc_colonne.text" ||
         key == "RadioGroup_separateur_colonne_ItemIndex" || key == "RadioGroup_methode_ItemIndex";
}

}  // namespace

FieldFollowUp field_confirmed(Session& s, std::string_view field, const std::string& typed) {
  if (s.busy()) return FieldFollowUp::none;
  DataDescription& description = s.description;
  if (field == "Edit_col_cochee") {
    store(s, field, typed);
    apply_col_cochee_rule(description, s.ui());
    description.mark_modified();
    // A description that cannot be written says so itself.
    static_cast<void>(write_description(s));
  } else if (field == "Edit_equiv_na") {
    store(s, field, typed);
    apply_equiv_na_rule(description, s.ui());
  } else if (field == "Edit_num_ligne_donnee") {
    confirm_data_line(description, typed, s.ui());
  } else if (field == "Edit_methode_par_colonne") {
    store(s, field, typed);
    apply_column_methods_rule(description, s.ui());
  } else if (field == "Edit_taux_min") {
    store(s, field, typed);
    apply_min_share_rule(description, s.ui());
  } else if (field == "Edit_new_desc_colonne") {
    store(s, field, typed);
    description.mark_modified();
    return FieldFollowUp::list_files;
  } else if (one_of(kRelistingFields, field) && description.modified()) {
    static_cast<void>(relister_apres_entree(s));
  }
  return FieldFollowUp::none;
}

FieldFollowUp field_left(Session& s, std::string_view field, const std::string& typed) {
  if (s.busy()) return FieldFollowUp::none;
  DataDescription& description = s.description;
  if (field == "Edit_col_cochee") {
    store(s, field, typed);
    apply_col_cochee_rule(description, s.ui());
  } else if (field == "Edit_equiv_na") {
    store(s, field, typed);
    apply_equiv_na_rule(description, s.ui());
  } else if (field == "Edit_new_desc_colonne") {
    store(s, field, typed);
    // New titles take effect through a new listing only.
    if (description.modified()) return FieldFollowUp::list_files;
  } else if (field == "Edit_format_datetime_mesure" || field == "Edit_format_time_mesure_seul") {
    store(s, field, typed);
    leave_datetime_pattern(description, s.ui());
  } else if (field == "Edit_format_date_mesure_seule") {
    store(s, field, typed);
    leave_date_pattern(description, s.ui());
  } else if (field == "Edit_f_date_fichier") {
    store(s, field, typed);
    leave_file_date_pattern(description, s.ui());
  } else if (field == "Edit_num_col_datetime") {
    static_cast<void>(confirm_datetime_columns(description, typed, s.ui()));
  } else if (field == "Edit_methode_par_colonne") {
    store(s, field, typed);
    apply_column_methods_rule(description, s.ui());
  } else if (field == "Edit_taux_min") {
    store(s, field, typed);
    apply_min_share_rule(description, s.ui());
  }
  return FieldFollowUp::none;
}

bool field_double_clicked(Session& s, std::string_view field) {
  if (field != "Edit_new_desc_colonne" || s.busy()) return false;
  static_cast<void>(offer_original_titles(s.description, s.caption("Edit_intitule_origine"), s.ui()));
  return true;
}

std::span<const std::string_view> fields_with_entry_rules() { return kFieldsWithRules; }

void keep_dependent_fields(Session& s) {
  s.description.on_value_changed([&s](std::string_view key, const std::string&) {
    if (key == "RadioGroup_datetime_nb_col_ItemIndex") show_date_fields(s);
    if (key == "RadioGroup_numlig_balise_ItemIndex") show_data_block_fields(s);
    if (key == "RadioGroup_avec_sans_intitule_ItemIndex") show_title_line_field(s);
    if (shapes_preview(key)) refresh_column_preview(s);
  });
}

}  // namespace talve
