// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "core/period.h"
#include "engine/column_map.h"
#include "engine/progress_text.h"
#include "engine/result_table.h"
#include "engine/time_grid.h"

namespace talve {

class EventPacer;
class Workspace;

// A choice outside 0..5 (no button checked) folds as the mean.
Method method_from_choice(int choice);
// The caption of the method's radio button ("somme" for the sum).
std::string method_caption(Method method);
// The short name a column's own method is written with ("cumul", "somme").
std::string method_name(Method method);
// The method of output column j: its own, or the chosen one.
inline Method column_method(const ColumnMap& map, int j, Method chosen) {
  return map.methods.empty() ? chosen : map.methods[static_cast<std::size_t>(j)];
}
// True when some data column of the map folds with `method`.
bool any_column_uses(const ColumnMap& map, Method chosen, Method method);

// The aggregation settings of a run, read once at its start.
struct AggregationSettings {
  Method method = Method::Mean;
  DateTest date_test = DateTest::LessOrEqual;
  StepKind step_kind = StepKind::Time;
  // `Edit_taux_min.text`: the percentage of the expected measurements an
  // interval needs for its values to be written; 0 for none.
  int min_share = 0;

  static AggregationSettings read(const Workspace& ws);
};

// Creates the table for a run: (n + 3) rows by (D + 5) columns in their
// initial state, and the grid instants as values, with the progress
// "3- patienter ... 10%" to "50%" every 100 rows.
void prepare_result_table(ResultTable& table, const TimeGrid& grid, int data_column_count,
                          const ProgressText& progress = {});

// Fixes the output columns at the first file. A selection of more columns
// than the files hold widens the table (it is still empty then).
void set_column_map(ResultTable& table, ColumnMap map);

// Folds one line into row r (1..n): values[k] and missing[k] describe
// output column k + 2. A cell counts as missing only while none of the
// row's lines gave it a value; max and min start from the cell's first
// value. Each column folds with its own method when the map gives them,
// otherwise with `method`.
void fold_line(ResultTable& table, Method method, int row, const double* values, const std::uint8_t* missing);

// After the last file: means divided by their counts, cumulative totals
// carried down the rows (each column after its method). Returns false when the user stopped it (the rows
// done so far stay done).
[[nodiscard]] bool finalise_rows(ResultTable& table, Method method, EventPacer& pacer);

// Method 4, after the finalisation: a missing cell of row r (2..n-1) whose
// neighbours r-1 and r+1 both hold values takes their mean, and is marked
// filled; a run of two or more missing rows stays missing. Only the columns
// of method 4 when the map gives each its method, every column otherwise.
// Returns the number of cells filled.
int fill_single_gaps(ResultTable& table);

}  // namespace talve
