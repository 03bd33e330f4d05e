// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/listing_reset.h"

#include "session/session.h"

namespace talve {

void forget_previous_listing(Session& s) {
  s.file_table.reset();
  FileTableState& state = s.table_state;
  const bool leave_out_refused_files = state.leave_out_refused_files;
  const bool check_panel_open = state.check_panel.open;
  state = FileTableState{};
  state.leave_out_refused_files = leave_out_refused_files;
  if (check_panel_open) s.set_visible("Panel_coche", false);
  s.flags.table_edited = false;
  s.grid.clear();
  s.results = ResultTable{};
  s.result_list.clear();
  s.values_only_list.clear();
  for (const char* caption : {"RichEdit3", "RichEdit4", "Memo6", "Label1", "Label26"})
    s.set_caption(caption, "");
  s.set_visible("RichEdit3", false);
  s.set_visible("RichEdit4", false);
  s.set_visible("ListBox_DONNEE_date_clean", true);
  s.set_caption("Label_nb_fic", "0 fichier");
  for (const char* label : {"Label8", "Label_date_min", "Label_date_max", "Label_date_heure_min",
                            "Label_date_heure_max", "Label_fic", "Label6", "Label10", "Label_nr_final"})
    s.set_caption(label, "---");
  for (const char* counter : {"Label_nlig_impliquee", "Label5", "Label19"}) s.set_caption(counter, "--");
}

}  // namespace talve
