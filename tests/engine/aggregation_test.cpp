// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/aggregation.h"

#include <gtest/gtest.h>

#include "core/workspace.h"
#include "engine/event_pacer.h"
#include "grid_fixture.h"
#include "support/scripted_interface.h"

namespace talve {
namespace {

using testing::Cell;
using testing::na;
using testing::v;

// Rows of lines (one data column), folded and finalised with a method.
struct MethodCase {
  const char* name;
  Method method;
  std::vector<std::vector<Cell>> rows;  // row 1.. : the lines of each row
  // Per row: the value, or nullopt when the cell is missing (written as the
  // missing text).
  std::vector<std::optional<double>> expected;
};

class MethodCases : public ::testing::TestWithParam<MethodCase> {};

TEST_P(MethodCases, FoldsAndFinalises) {
  const MethodCase& c = GetParam();
  testing::ScriptedInterface ui;
  Workspace ws(ui);
  const int n = static_cast<int>(c.rows.size());
  const TimeGrid grid = testing::regular_grid("07/11/2021 00:00:00", 900, n);
  ResultTable table = testing::table_for(grid, 1);
  for (int r = 1; r <= n; ++r)
    for (const Cell& line : c.rows[static_cast<std::size_t>(r - 1)])
      testing::fold(table, c.method, r, {line});
  EventPacer pacer(ws);
  ASSERT_TRUE(finalise_rows(table, c.method, pacer));
  if (c.method == Method::MeanFillGaps) fill_single_gaps(table);
  for (int r = 1; r <= n; ++r) {
    const auto& want = c.expected[static_cast<std::size_t>(r - 1)];
    if (!want) {
      EXPECT_FALSE(table.holds_value(r, 2)) << "row " << r;
    } else {
      ASSERT_TRUE(table.holds_value(r, 2)) << "row " << r;
      EXPECT_DOUBLE_EQ(static_cast<double>(table.at(r, 2).value), *want) << "row " << r;
    }
  }
}

const std::optional<double> kMissing;

INSTANTIATE_TEST_SUITE_P(
    Methods, MethodCases,
    ::testing::Values(
        // A missing value never hides the others of its interval, whatever
        // its place: the last line of a row used to decide.
        MethodCase{"MeanMissingFirst", Method::Mean, {{na(), v(1), v(2)}}, {1.5}},
        MethodCase{"MeanMissingLast", Method::Mean, {{v(1), v(2), na()}}, {1.5}},
        MethodCase{"MeanAllMissing", Method::Mean, {{na(), na()}}, {kMissing}},
        MethodCase{"MeanEmptyRow", Method::Mean, {{v(4)}, {}, {v(6)}}, {4, kMissing, 6}},
        MethodCase{"LastKeepsTheLastValidValue", Method::Last, {{v(1), v(7), na()}}, {7}},
        MethodCase{"LastAllMissing", Method::Last, {{na()}}, {kMissing}},
        // Max and min start from the cell's first value, not from 0.
        MethodCase{"MaxAfterMissingFirst", Method::Max, {{na(), v(-5), v(-3)}}, {-3}},
        MethodCase{"MaxOfNegatives", Method::Max, {{v(-5), v(-9)}}, {-5}},
        MethodCase{"MinAfterMissingFirst", Method::Min, {{na(), v(5), v(3)}}, {3}},
        MethodCase{"MinOfPositives", Method::Min, {{v(5), v(9), na()}}, {5}},
        MethodCase{"CumulStartsAgainAfterAnEmptyRow",
                   Method::Cumul,
                   {{v(2)}, {v(1), v(2)}, {}, {v(4)}},
                   {2, 5, kMissing, 4}},
        MethodCase{
            "CumulStartsAgainAfterAMissingCell", Method::Cumul, {{v(2)}, {na()}, {v(4)}}, {2, kMissing, 4}},
        // Method 4: a single empty row between two values takes their mean.
        MethodCase{"MeanFillGapsSingleEmptyRow", Method::MeanFillGaps, {{v(1), v(3)}, {}, {v(6)}}, {2, 4, 6}},
        MethodCase{
            "MeanFillGapsSingleMissingCell", Method::MeanFillGaps, {{v(1)}, {na()}, {v(3)}}, {1, 2, 3}},
        MethodCase{"MeanFillGapsTwoEmptyRowsStay",
                   Method::MeanFillGaps,
                   {{v(1)}, {}, {}, {v(4)}},
                   {1, kMissing, kMissing, 4}},
        MethodCase{"MeanFillGapsNeedsBothNeighbours",
                   Method::MeanFillGaps,
                   {{}, {}, {v(4)}},
                   {kMissing, kMissing, 4}},
        MethodCase{"MeanFillGapsLastRowStays", Method::MeanFillGaps, {{v(1)}, {v(2)}, {}}, {1, 2, kMissing}}),
    [](const ::testing::TestParamInfo<MethodCase>& param) { return std::string(param.param.name); });

TEST(Aggregation, NbCountsEveryLineOfTheRow) {
  const TimeGrid grid = testing::regular_grid("07/11/2021 00:00:00", 900, 3);
  ResultTable table = testing::table_for(grid, 2);
  testing::fold(table, Method::Mean, 2, {v(1), na()});
  testing::fold(table, Method::Mean, 2, {na(), na()});
  EXPECT_EQ(table.nb(2), 2);
  EXPECT_EQ(table.nb(1), 0);
  EXPECT_EQ(table.at(2, 2).ok_count, 1);
  EXPECT_EQ(table.at(2, 3).ok_count, 0);
  EXPECT_TRUE(table.holds_value(2, 2));
  EXPECT_FALSE(table.holds_value(2, 3));
}

TEST(Aggregation, MeanFillGapsKeepsTheOtherColumnsOfAFilledRowMissing) {
  testing::ScriptedInterface ui;
  Workspace ws(ui);
  const TimeGrid grid = testing::regular_grid("07/11/2021 00:00:00", 900, 4);
  ResultTable table = testing::table_for(grid, 2);
  testing::fold(table, Method::MeanFillGaps, 2, {v(10), v(1)});
  testing::fold(table, Method::MeanFillGaps, 4, {v(20), na()});
  EventPacer pacer(ws);
  ASSERT_TRUE(finalise_rows(table, Method::MeanFillGaps, pacer));
  EXPECT_EQ(fill_single_gaps(table), 1);
  EXPECT_TRUE(table.holds_value(3, 2));
  EXPECT_DOUBLE_EQ(static_cast<double>(table.at(3, 2).value), 15);
  // The row is written now (nb 2, as the gap filling marks its rows), and
  // its second column, which has no neighbour on both sides, stays missing.
  EXPECT_EQ(table.nb(3), 2);
  EXPECT_FALSE(table.holds_value(3, 3));
}

TEST(Aggregation, FinaliseStopsAfterTheCurrentRow) {
  testing::ScriptedInterface ui;
  Workspace ws(ui);
  ui.on_process_events = [&](int) { ws.flags.stop = true; };
  const TimeGrid grid = testing::regular_grid("07/11/2021 00:00:00", 900, 3);
  ResultTable table = testing::table_for(grid, 1);
  for (int r = 1; r <= 3; ++r) {
    testing::fold(table, Method::Mean, r, {v(2)});
    testing::fold(table, Method::Mean, r, {v(4)});
  }
  EventPacer pacer(ws);
  EXPECT_FALSE(finalise_rows(table, Method::Mean, pacer));
  EXPECT_DOUBLE_EQ(static_cast<double>(table.at(1, 2).value), 3);
  EXPECT_DOUBLE_EQ(static_cast<double>(table.at(2, 2).value), 6);
}

TEST(Aggregation, PrepareSizesTheTableAndReadsTheInstants) {
  testing::ScriptedInterface ui;
  Workspace ws(ui);
  TimeGrid grid = testing::regular_grid("07/11/2021 00:00:00", 900, 250);
  grid.instants.clear();  // read back from the texts
  ResultTable table;
  prepare_result_table(table, grid, 3, wait_label_progress(ws));
  EXPECT_EQ(table.rows, 253);
  EXPECT_EQ(table.columns, 8);
  EXPECT_EQ(table.instants.size(), 251u);
  EXPECT_EQ(table.instants[0], 0);
  EXPECT_EQ(table.instants[250], testing::at("09/11/2021 14:15:00"));
  EXPECT_EQ(table.at(5, 2).missing, 0);
  EXPECT_EQ(table.at(5, 2).ok_count, 0);
  EXPECT_EQ(ui.captions["Label_patienter"], "3- patienter ... 42%     ");
  // A selection of more columns than the files hold still fits.
  set_column_map(table, testing::simple_map(6));
  EXPECT_GE(table.columns, 6 + 3);
  EXPECT_EQ(table.at(3, 8).ok_count, 0);
}

}  // namespace
}  // namespace talve
