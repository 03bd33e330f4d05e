// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/table_editing.h"

#include <cmath>
#include <stdexcept>
#include <string>

#include "engine/grid_target.h"
#include "engine/period_actions.h"
#include "engine/period_values.h"
#include "files/file_table.h"
#include "files/row_removal.h"
#include "files/table_refresh.h"
#include "files/table_sort.h"
#include "session/listing_sources.h"
#include "session/session.h"
#include "text/text_utils.h"

namespace talve {
namespace {

constexpr int kDateDigits = 7;  // a cell holding more numeric characters is a date

[[nodiscard]] bool confirmed(Session& s, const std::string& question) {
  return s.ui().ask(MessageType::Confirmation, kYesNo, question) == Answer::Yes;
}

void after_removal(Session& s, bool removed) {
  if (removed) {
    s.flags.table_edited = true;
    s.table_state.checked_files = checked_file_names(s.file_table);
  }
  rafraichir_tableau(s, s.file_table, s.table_state);
}

// Removes a block of rows; a block outside the file rows is refused.
[[nodiscard]] bool remove_rows(Session& s, int first, int last) {
  try {
    supprimer_lignes(s.file_table, first, last);
  } catch (const std::out_of_range& refused) {
    s.ui().ask(MessageType::Error, kOkButton, refused.what());
    return false;
  }
  return true;
}

void marks_changed(Session& s) { s.table_state.checked_files = checked_file_names(s.file_table); }

// A file row's own first or last instant, offered as the start or the end
// of the period. False when the cell holds no date (not pre-read).
bool offer_period_bound(Session& s, int row, std::string_view title) {
  const std::string& cell = s.file_table.lire_case(row, title);
  if (compter_numeriques(cell) <= kDateDigits) return false;
  const bool start = trim_view(title) == "date dep";
  const std::string question = std::string(start ? " récupérer la date dep comme date min ?"
                                                 : " récupérer la date fin comme date max?") +
                               "\n" + cell;
  if (!confirmed(s, question)) return true;
  std::string normalised;
  const TDateTime value = s.dates.texte_vers_datetime(cell, normalised);
  GridTarget target{s, s.grid, s.result_list};
  s.description.mark_modified();
  if (start)
    set_period_start(target, value);
  else
    set_period_end(target, value);
  return true;
}

// The hourglass shows while the rows move; the shared direction turns
// after every sort.
void sort_on(Session& s, std::string_view title) {
  const int column = colonne_tableau(s.file_table, title, s.ui());
  if (column < 0) return;
  FileTableState& state = s.table_state;
  const bool check_column = trim_view(title) == trim_view(kCheckColumn);
  s.ui().set_busy(true);
  trier_tableau(s.file_table, column, sort_key_for(s.file_table, title),
                check_column ? !state.sort_ascending : state.sort_ascending);
  s.ui().set_busy(false);
  state.sort_ascending = !state.sort_ascending;
}

void show_panel(Session& s, bool open) {
  s.table_state.check_panel.open = open;
  s.set_visible("Panel_coche", open);
}

}  // namespace

bool effacer_selection(Session& s, RowRange selection) {
  if (s.busy()) return false;
  if (s.file_table.file_row_count() < 1) return false;
  const std::string question =
      selection.first == selection.last
          ? "effacer la lignes sélectionnée  L" + std::to_string(selection.first) + "  ?" + "\n"
          : "effacer toutes les lignes sélectionnées ?" + std::string("\n") + "  de la ligne " +
                std::to_string(selection.first) + "  à la ligne " + std::to_string(selection.last);
  const bool removed = confirmed(s, question) && remove_rows(s, selection.first, selection.last);
  after_removal(s, removed);
  return removed;
}

bool effacer_vers_le_haut(Session& s, int current_row) {
  if (s.busy()) return false;
  if (s.file_table.file_row_count() < 1) return false;
  const bool removed = confirmed(s, "effacer toutes les lignes vers le haut, courante comprise ?") &&
                       remove_rows(s, 1, current_row);
  after_removal(s, removed);
  return removed;
}

bool effacer_vers_le_bas(Session& s, int current_row) {
  if (s.busy()) return false;
  if (s.file_table.file_row_count() < 1) return false;
  const bool removed = confirmed(s, "effacer toutes les lignes vers le bas, courante comprise ?") &&
                       remove_rows(s, current_row, s.file_table.row_count() - 1);
  after_removal(s, removed);
  return removed;
}

int effacer_hors_periode(Session& s) {
  if (s.busy()) return 0;
  if (s.file_table.file_row_count() < 1) return 0;
  if (!s.no_confirmation && !confirmed(s, "effacer les lignes hors intervalle = période ciblée ?")) {
    after_removal(s, false);
    return 0;
  }
  const TDateTime start_day = std::floor(period_start(s));
  const TDateTime end_day = std::floor(period_end(s));
  const std::vector<int> rows = rows_outside_period(s.file_table, start_day, end_day);
  for (int row : rows) supprimer_lignes(s.file_table, row, row);
  after_removal(s, !rows.empty());
  return static_cast<int>(rows.size());
}

DoubleClickEffect double_clic_tableau(Session& s, int row, std::string_view column_title) {
  FileTable& table = s.file_table;
  if (s.busy() || row < 0 || row >= table.row_count()) return DoubleClickEffect::none;
  const std::string_view title = trim_view(column_title);
  const bool file_row = row >= 1;
  if (file_row && title == trim_view(kCheckColumn)) {
    toggle_check_mark(table, row);
    marks_changed(s);
    return DoubleClickEffect::toggled;
  }
  if (file_row && title == "fichier") {
    s.ui().open_in_editor(row_file_path(s, row), s.description.text("Edit_name_prog_blocnote.text"));
    return DoubleClickEffect::opened;
  }
  // The clicked row's own date, where the table stands: sorting first would
  // put another file's date under the mouse.
  if (file_row && (title == "date dep" || title == "date fin") && offer_period_bound(s, row, title))
    return DoubleClickEffect::bound_offered;
  sort_on(s, column_title);
  return DoubleClickEffect::sorted;
}

void clic_droit_tableau(Session& s, int row, std::string_view column_title) {
  if (s.busy()) return;
  const std::string_view title = trim_view(column_title);
  if (title != "Station" && title != trim_view(kCheckColumn)) return;
  CheckPanel& panel = s.table_state.check_panel;
  if (panel.open) {
    show_panel(s, false);
    return;
  }
  panel.station = s.file_table.lire_case(row >= 1 ? row : 1, "Station");
  panel.column_title = std::string(column_title);
  const auto captions = station_choice_captions(panel.station);
  const char* buttons[] = {"RadioButton1", "RadioButton2", "RadioButton4", "RadioButton5", "RadioButton6"};
  for (std::size_t i = 0; i < captions.size(); ++i) s.set_caption(buttons[i], captions[i]);
  show_panel(s, true);
}

void choisir_coche_station(Session& s, StationChoice choice) {
  if (s.busy()) return;
  const std::string station = s.table_state.check_panel.station;
  apply_station_choice(s.file_table, choice, station);
  marks_changed(s);
  show_panel(s, false);
  s.set_caption("Label1_graph", chart_title_after(choice, station, s.caption("Label1_graph")));
}

void fermer_panneau_coche(Session& s) { show_panel(s, false); }

}  // namespace talve
