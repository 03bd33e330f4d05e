// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "files/check_marks.h"

namespace talve {

class Session;

// Editing the FileTable before a run: removing rows, check marks, sorting,
// opening a file and taking a file's first or last instant as a bound of
// the period. Rows are numbered as in the table (1 = first file row). Every
// removal that took place sets the table-edited flag, so that a listing
// started indirectly leaves the edited table alone; the table is refreshed
// after every removal and the checked-file list rebuilt after every change
// of the marks. Nothing is edited while a long task is going on
// (`Session::busy`).

// A block of selected rows, first <= last.
struct RowRange {
  int first = 0;
  int last = 0;
};

// "effacer la sélection" (and the Delete key): asks, then removes the rows.
// A range outside the file rows is refused with the error "Invalid row
// range". Returns true when rows were removed.
[[nodiscard]] bool effacer_selection(Session& session, RowRange selection);
// "effacer vers le HAUT": asks, then removes rows 1 to the current row.
[[nodiscard]] bool effacer_vers_le_haut(Session& session, int current_row);
// "effacer vers le BAS": asks, then removes the current row and the rows
// below it.
[[nodiscard]] bool effacer_vers_le_bas(Session& session, int current_row);
// "sup si hors Période": asks unless "sans confirmation" is checked, then
// removes the rows whose file-name date lies outside the period's days.
// Returns the number of rows removed.
int effacer_hors_periode(Session& session);

// Double-click on a cell: toggles a " x" mark, opens a file row's file in
// the text editor ("fichier"), offers a file row's "date dep" ("date fin")
// as the start (end) of the period, or sorts the table on the column (any
// other column, a title, or a date cell that holds no date).
enum class DoubleClickEffect { none, toggled, opened, bound_offered, sorted };
DoubleClickEffect double_clic_tableau(Session& session, int row, std::string_view column_title);

// Right-click on a cell: on "Station" or " x", opens the check panel for
// the station of the clicked row (row 1 for the title row), or closes it
// when it is open. Its five captions go to `RadioButton1`, `RadioButton2`,
// `RadioButton4`, `RadioButton5`, `RadioButton6`.
void clic_droit_tableau(Session& session, int row, std::string_view column_title);
// A radio button of the check panel: applied to every file row, the panel
// closed, the chart title (`Label1_graph`) set.
void choisir_coche_station(Session& session, StationChoice choice);
// "esc" of the check panel.
void fermer_panneau_coche(Session& session);

}  // namespace talve
