// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "files/file_table_state.h"

namespace talve {

class FileTable;
class Workspace;

// The colours of the two date bound labels: the first is blue when it is
// earlier than the second, the second blue when it is later than the first.
// `minimum_first` and `minimum_second` are the smallest plausible values
// (the listing refuses the days before 1 and 2 January 1900).
DateBoundLabels date_bound_labels(TDateTime first, TDateTime second, TDateTime minimum_first = 0,
                                  TDateTime minimum_second = 0);
// Shows the bounds in `Label_date_min` and `Label_date_max` (system
// date-time text) and keeps them with their colours in the state.
void show_date_bounds(Workspace& ws, FileTableState& state, const DateBoundLabels& bounds);

// `rafraichir_tableau`: after rows were removed (and at the end of a
// processing run): `Label_nb_fic` counts the rows; with two rows or more the
// total size and the file-name dates are computed again (`Label8`,
// `Label_date_min`, `Label_date_max`) and the current row becomes row 1.
void rafraichir_tableau(Workspace& ws, FileTable& table, FileTableState& state);

// "taille totale " + size in megabytes + " Mo", for `Label8`.
std::string total_size_caption(double kilobytes);

}  // namespace talve
