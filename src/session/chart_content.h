// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "output/chart_columns.h"

namespace talve {

class Session;

// What the chart window shows of the session when it opens: the column
// lists with their checks, the period in its header, and whether the last
// run gave anything to plot.
struct ChartContent {
  std::vector<std::string> items;     // the items of every column list
  ChartChecks columns;                // lists 1 to 5
  ChartChecks derivatives;            // lists 6 to 10
  std::string start_caption;          // `Label2`: the period start
  std::string end_caption;            // `Label4`: the period end
  std::string count_caption;          // `Label3`: the grid count
  std::string step_caption;           // `Label5`: "pas = ..."
  double step_days = 0;               // a derivative's unit of time
  bool no_data = true;                // no run yet, or a run that extracted no line
  unsigned long long generation = 0;  // the ResultTable the lists describe
};

// The window's content at its opening: the lists filled from the result's
// titles; their checks restored from the description's two check state
// texts when the first is set, else the columns dealt out over the five
// charts, the two texts set from them and the description marked modified.
ChartContent open_chart_content(Session& session);

// "graphiques...": above 10,000 grid instants the points start as small
// dots.
bool chart_points_start_small(const Session& session);

// The two check state texts rebuilt from the lists after each drawing. The
// description is not marked modified by it: a click in a list already did.
void keep_chart_checks(Session& session, const ChartChecks& columns, const ChartChecks& derivatives);

// A click in a column or derivative list: the description is modified.
void chart_list_clicked(Session& session);

// "cocher toutes les colonnes ": asks whether to deal every column out
// again; on Yes both check state texts are forgotten (the next opening deals
// them). Returns the answer.
bool forget_chart_checks(Session& session);

// " aucune donnée, vérifier la période et le traitement...".
void tell_no_chart_data(Session& session);
// The charts could not have the memory their series need: they stay empty.
void tell_chart_memory_shortage(Session& session);

// The charts may read the ResultTable they were built on: no task is
// changing it and it is still the same table.
bool chart_rows_readable(const Session& session, unsigned long long generation);

}  // namespace talve
