// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace talve {

class Session;

// What follows when the user confirms (Enter) or leaves a description field,
// whatever the window: the entry rules of each field, the description saved
// or the files listed again. The window only says which field, and with
// what text in it; the fields without a rule do nothing. While a long task
// is going on (`Session::busy`) nothing follows.

// What the window does next: nothing, or what the listing button does
// ("1- Valider et Lister les fichiers").
enum class [[nodiscard]] FieldFollowUp{none, list_files};

// Enter in a field:
// - `Edit_col_cochee`: its rule, then the description is written;
// - `Edit_equiv_na`: its rule;
// - `Edit_num_ligne_donnee`: the line checked against the title line;
// - `Edit_methode_par_colonne`, `Edit_taux_min`: their rules;
// - `Edit_num_col_datetime`: its rule (one column, or several joined by
//   "+"), then, when accepted and the description is modified, the files
//   are counted and listed again;
// - `Edit_new_desc_colonne`: new titles take effect through a new listing;
// - the fields that shape the listing (`Edit_masque`, `Edit_NA`,
//   `Edit_nb_decimale`, `Edit_intitule_origine`, `Edit_nom_fic_sortie`,
//   `Edit_num_ligne_intitule_col`, `Edit_f_station`, `Edit_num_col_date`,
//   `Edit_num_col_time`, `Edit_num_col_datetime`), when the description is
//   modified: the files are counted and listed again.
// The pattern fields have no Enter rule: they are checked when left.
FieldFollowUp field_confirmed(Session& session, std::string_view field, const std::string& typed);

// The focus leaves a field: `Edit_col_cochee`, `Edit_equiv_na`,
// `Edit_methode_par_colonne`, `Edit_taux_min` and `Edit_num_col_datetime`
// take their rules, the four pattern fields are corrected
// (with a warning for four "m"), and `Edit_new_desc_colonne`, when the description is modified, lists the
// files again.
FieldFollowUp field_left(Session& session, std::string_view field, const std::string& typed);

// A double-click in `Edit_new_desc_colonne` offers the original titles in
// their place. False for any other field.
bool field_double_clicked(Session& session, std::string_view field);

// The fields whose Enter or leaving does something.
std::span<const std::string_view> fields_with_entry_rules();

// From now on, every change of the description (typed, loaded or corrected)
// keeps in step the fields shown after the choice that governs them (the
// date columns, the markers, the title line) and the column-title preview
// `Label_col_alternatives`.
void keep_dependent_fields(Session& session);

}  // namespace talve
