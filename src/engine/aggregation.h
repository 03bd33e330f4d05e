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

// How the lines of one grid interval are folded into a value
// (`RadioGroup_methode_ItemIndex`).
enum class Method {
  Mean = 0,          // "moyenne des n mesures OK"
  Last = 1,          // "ponctuel = dernière mesure OK"
  Max = 2,           // "max des n  mesures OK "
  Min = 3,           // "min des n  mesures OK "
  MeanFillGaps = 4,  // "moy ET si vide = prec+suiv /2"
  Cumul = 5,         // "cumul"
};

// A choice outside 0..5 (no button checked) folds as the mean.
Method method_from_choice(int choice);
// The caption of the method's radio button.
std::string method_caption(Method method);

// The aggregation settings of a run, read once at its start.
struct AggregationSettings {
  Method method = Method::Mean;
  DateTest date_test = DateTest::LessOrEqual;
  StepKind step_kind = StepKind::Time;

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
// value.
void fold_line(ResultTable& table, Method method, int row, const double* values, const std::uint8_t* missing);

// After the last file: means divided by their counts, cumulative totals
// carried down the rows. Returns false when the user stopped it (the rows
// done so far stay done).
[[nodiscard]] bool finalise_rows(ResultTable& table, Method method, EventPacer& pacer);

// Method 4, after the finalisation: a missing cell of row r (2..n-1) whose
// neighbours r-1 and r+1 both hold values takes their mean; a run of two or
// more missing rows stays missing. Returns the number of cells filled.
int fill_single_gaps(ResultTable& table);

}  // namespace talve
