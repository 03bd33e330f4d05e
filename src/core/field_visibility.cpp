// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/field_visibility.h"

#include "core/workspace.h"

namespace talve {

void show_date_fields(Workspace& workspace) {
  const bool two_columns = workspace.description.choice("RadioGroup_datetime_nb_col_ItemIndex") == 1;
  for (const char* control :
       {"Edit_num_col_datetime", "Edit_format_datetime_mesure", "SpeedButton_date_heure"})
    workspace.set_visible(control, !two_columns);
  for (const char* control : {"Edit_num_col_date", "Edit_format_date_mesure_seule", "SpeedButton_date",
                              "Edit_num_col_time", "Edit_format_time_mesure_seul", "SpeedButton_heure"})
    workspace.set_visible(control, two_columns);
}

void show_data_block_fields(Workspace& workspace) {
  const bool markers = workspace.description.choice("RadioGroup_numlig_balise_ItemIndex") == 1;
  for (const char* control : {"Edit_balise_deb", "Edit_balise_fin"}) workspace.set_visible(control, markers);
}

void show_title_line_field(Workspace& workspace) {
  workspace.set_visible("Edit_num_ligne_intitule_col",
                        workspace.description.choice("RadioGroup_avec_sans_intitule_ItemIndex") == 0);
}

}  // namespace talve
