// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/table_refresh.h"

#include <string>

#include "core/workspace.h"
#include "files/file_table.h"
#include "files/row_removal.h"
#include "text/clock.h"
#include "text/filename_rules.h"
#include "text/text_utils.h"

namespace talve {

DateBoundLabels date_bound_labels(TDateTime first, TDateTime second, TDateTime minimum_first,
                                  TDateTime minimum_second) {
  DateBoundLabels labels;
  labels.min = first;
  labels.max = second;
  labels.min_colour = first >= minimum_first && first < second ? LabelColour::Blue : LabelColour::Red;
  labels.max_colour = second >= minimum_second && second > first ? LabelColour::Blue : LabelColour::Red;
  return labels;
}

void show_date_bounds(Workspace& ws, FileTableState& state, const DateBoundLabels& bounds) {
  state.bounds = bounds;
  ws.set_caption("Label_date_min", format_system_datetime(bounds.min));
  ws.set_caption("Label_date_max", format_system_datetime(bounds.max));
  const auto colour = [](LabelColour c) { return ControlColour::of(c == LabelColour::Blue ? kBlue : kRed); };
  ws.set_colour("Label_date_min", ColourPart::Text, colour(bounds.min_colour));
  ws.set_colour("Label_date_max", ColourPart::Text, colour(bounds.max_colour));
}

std::string total_size_caption(double kilobytes) {
  return "taille totale " + format_0_00(kilobytes / 1000) + " Mo";
}

void rafraichir_tableau(Workspace& ws, FileTable& table, FileTableState& state) {
  const int rows = table.file_row_count();
  ws.set_caption("Label_nb_fic", std::to_string(rows) + "  fichiers");
  if (rows < 2) return;

  const std::string rule = ws.description.text("Edit_f_date_fichier.text");
  const bool with_dates = !trim(rule).empty();
  const double start = monotonic_seconds();
  double kilobytes = 0;
  bool any_date = false;
  TDateTime earliest = 0;
  TDateTime latest = 0;
  for (int row = 1; row <= rows; ++row) {
    ws.set_caption("Label_patienter",
                   "3- patienter ... " + std::to_string(row) + " / " + std::to_string(rows));
    kilobytes += lire_reel(table.lire_case(row, "taille (Mo)")) * 1000;
    if (with_dates) {
      TDateTime date = 0;
      table.ecrire_case(row, "date_NOM_Fichier",
                        date_nom_fichier(table.lire_case(row, "fichier"), rule, date, ws.log));
    }
    if (const auto day = file_name_day(table.lire_case(row, "date_NOM_Fichier"))) {
      if (!any_date || *day < earliest) earliest = *day;
      if (!any_date || *day > latest) latest = *day;
      any_date = true;
    }
    ws.set_caption("Label6", "durée " + format_time((monotonic_seconds() - start) / kSecondsPerDay));
  }
  state.total_kilobytes = kilobytes;
  ws.set_caption("Label8", total_size_caption(kilobytes));
  if (any_date) show_date_bounds(ws, state, date_bound_labels(earliest, latest));
  state.current_row = 1;
}

}  // namespace talve
