// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "engine/column_map.h"

namespace talve {

class DataDescription;
class Workspace;
struct DecodeSettings;

// What fixes the output columns, besides the description: known at the
// first processed file.
struct ColumnMapSource {
  int data_column_count = 0;    // D, from the pre-reading
  std::string_view title_line;  // the column titles, separated by TAB
  int grid_count = 0;           // n
  std::string_view station;     // station of the first processed file
};

// The output columns: the selected columns (`CheckBox_col_cochee`,
// `Edit_col_cochee.text` with ";" read as ",") or every column but the date
// column(s), with their titles; the instant column's title tells the offset
// (when it moves the instants) and the date test; the last column is "nb"
// with the grid size, the method and the station.
ColumnMap build_column_map(const Workspace& ws, const DecodeSettings& settings,
                           const ColumnMapSource& source);

// The data columns of the column map that build_column_map will make: the
// length of the selected list, or D. The ResultTable of the run is as
// wide as the larger of this and D, which is known before it is made.
int mapped_data_column_count(const DataDescription& description, int data_column_count);

// The tracking lines " colonnes à extraire :" and one line per output
// column, and `Label5` = C + " colonnes (avec temps et nb)".
void show_column_map(Workspace& ws, const ColumnMap& map);

// "lister les colonnes": the tracking window shown, with the column counts
// and the titles of the files, one per line, then the alternative titles
// when they are in use.
void lister_colonnes(Workspace& ws, int data_column_count, std::string_view title_line);

}  // namespace talve
