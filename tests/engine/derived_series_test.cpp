// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/derived_series.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/workspace.h"
#include "engine/event_pacer.h"
#include "grid_fixture.h"
#include "support/scripted_interface.h"

namespace talve {
namespace {

using Column = std::vector<std::optional<double>>;
const std::optional<double> kNa;

// A finalised one-column table whose rows 1..n hold the given values; a
// missing entry is an empty row unless `missing_in_written_rows`, then a
// row with one line whose value was missing.
ResultTable column_table(const Column& rows, bool missing_in_written_rows = false) {
  const TimeGrid grid = testing::regular_grid("07/11/2021 00:00:00", 900, static_cast<int>(rows.size()));
  ResultTable table = testing::table_for(grid, 1);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int r = static_cast<int>(i) + 1;
    if (rows[i]) {
      testing::fold(table, Method::Last, r, {testing::v(*rows[i])});
    } else if (missing_in_written_rows) {
      testing::fold(table, Method::Last, r, {testing::na()});
    }
  }
  return table;
}

Column column_of(const ResultTable& table) {
  Column out;
  for (int r = 1; r <= table.grid_count; ++r) {
    if (table.holds_value(r, 2)) {
      out.push_back(static_cast<double>(table.at(r, 2).value));
    } else {
      out.push_back(kNa);
    }
  }
  return out;
}

TEST(ForcedGrowth, CounterThatFallsBackIsContinued) {
  struct Case {
    Column in;
    Column out;
  };
  // Row 1 is the lower bound of the first interval, never written: it
  // neither starts the counter nor counts as the value before row 2.
  const Case cases[] = {
      {{5, 10, 2, 4}, {5, 10, 10, 14}},
      {{0, 10, 2, 4}, {0, 10, 10, 14}},
      {{1, 2, 3}, {1, 2, 3}},
      {{0, 3, 1, 0, 2}, {0, 3, 3, 3, 5}},
      {{50, 3, 5, 2, 4}, {50, 3, 5, 5, 9}},
      {{0, 10, 5, 3, 4}, {0, 10, 10, 10, 14}},
  };
  for (const Case& c : cases) {
    ResultTable table = column_table(c.in);
    force_growth(table);
    EXPECT_EQ(column_of(table), c.out);
  }
}

TEST(ForcedGrowth, MissingCellStaysMissingAndIsNoFall) {
  // An empty interval, or a line whose value was missing, used to count as
  // a fall to 0: 10, 20, -, 30, 40 gave 10, 20, -, 50, 60.
  for (bool written : {false, true}) {
    ResultTable table = column_table({0, 10, 20, kNa, 30, 40}, written);
    force_growth(table);
    EXPECT_EQ(column_of(table), (Column{0, 10, 20, kNa, 30, 40}));
    // A fall across the gap is continued from the value before it.
    ResultTable fall = column_table({0, 10, 20, kNa, kNa, 5, 8}, written);
    force_growth(fall);
    EXPECT_EQ(column_of(fall), (Column{0, 10, 20, kNa, kNa, 20, 28}));
  }
}

class GapFilling : public ::testing::Test {
 protected:
  GapFilling() : ws(ui) {}
  int fill(ResultTable& table, int max_gap) {
    EventPacer pacer(ws);
    return fill_gaps(table, max_gap, ws, pacer);
  }
  testing::ScriptedInterface ui;
  Workspace ws;
};

TEST_F(GapFilling, ShortGapIsInterpolated) {
  ResultTable table = column_table({0, 0, 0, 0, 1, kNa, kNa, 4, 5});
  EXPECT_EQ(fill(table, 3), 2);
  EXPECT_EQ(column_of(table), (Column{0, 0, 0, 0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(table.nb(6), 2);
  EXPECT_EQ(table.at(6, 2).ok_count, 1);
  EXPECT_EQ(ui.tracking,
            (std::vector<std::string>{
                "",
                std::string(74, '='),
                "---> POST-traitement  sur 9 lignes horodatées",
                std::string(74, '='),
                "   un maximum de 3 données manquantes par lacune, ( NA ou vides ) sont comblées par calcul",
                "--> c2",
                "    régression effectuée sur 2 données 5-8",
                "",
                "  2 interpolations effectuées",
                std::string(74, '='),
            }));
}

TEST_F(GapFilling, LongGapIsLeftAndTraced) {
  ResultTable table = column_table({0, 1, kNa, kNa, kNa, kNa, 6, 7});
  EXPECT_EQ(fill(table, 3), 0);
  EXPECT_EQ(column_of(table), (Column{0, 1, kNa, kNa, kNa, kNa, 6, 7}));
  EXPECT_EQ(ui.tracking[6], "    ---> régression NON effectuée sur 4 données 2-7");
}

TEST_F(GapFilling, GapOfTheMaximumLengthIsFilledOneMoreIsNot) {
  struct Case {
    int max_gap;
    Column in;
    Column out;
  };
  const Case cases[] = {
      {1, {0, 2, kNa, 6}, {0, 2, 4, 6}},
      {1, {0, 2, kNa, kNa, 8}, {0, 2, kNa, kNa, 8}},
      {3, {0, 1, kNa, kNa, kNa, 5}, {0, 1, 2, 3, 4, 5}},
      {3, {0, 1, kNa, kNa, kNa, kNa, 6}, {0, 1, kNa, kNa, kNa, kNa, 6}},
      {0, {0, 2, kNa, 6}, {0, 2, kNa, 6}},
  };
  for (const Case& c : cases) {
    ResultTable table = column_table(c.in);
    fill(table, c.max_gap);
    EXPECT_EQ(column_of(table), c.out) << c.max_gap << " " << c.in.size();
  }
}

TEST_F(GapFilling, MissingCellsOfWrittenRowsAreGapsToo) {
  ResultTable table = column_table({0, 2, kNa, 6}, true);
  fill(table, 3);
  EXPECT_EQ(column_of(table), (Column{0, 2, 4, 6}));
}

TEST_F(GapFilling, GapAtTheFirstWrittenRowTakesTheValueAfterIt) {
  ResultTable table = column_table({9, kNa, kNa, 4, 5});
  EXPECT_EQ(fill(table, 3), 2);
  EXPECT_EQ(column_of(table), (Column{9, 4, 4, 4, 5}));
  EXPECT_EQ(ui.tracking[6], "    régression effectuée sur 2 données 1-4");
}

// A gap open at the last row has one neighbour, like one at the first
// written row: it takes that value only when it is short enough. It used to
// carry the last value to the end whatever its length, uncounted and
// untraced, so that a logger stopped for months showed constant values.
TEST_F(GapFilling, GapOpenToTheEndIsFilledOnlyWhenShortEnough) {
  struct Case {
    int max_gap;
    Column in;
    Column out;
    int filled;
    std::string trace;
  };
  const Case cases[] = {
      {2,
       {0, 1, 3, kNa, kNa, kNa, kNa, kNa},
       {0, 1, 3, kNa, kNa, kNa, kNa, kNa},
       0,
       "    ---> régression NON effectuée sur 5 données 3-9"},
      {2, {0, 1, 3, kNa, kNa}, {0, 1, 3, 3, 3}, 2, "    régression effectuée sur 2 données 3-6"},
      {0, {0, 1, 3, kNa}, {0, 1, 3, kNa}, 0, "    ---> régression NON effectuée sur 1 données 3-5"},
  };
  for (const Case& c : cases) {
    ui.tracking.clear();
    ResultTable table = column_table(c.in);
    EXPECT_EQ(fill(table, c.max_gap), c.filled) << c.trace;
    EXPECT_EQ(column_of(table), c.out) << c.trace;
    ASSERT_GT(ui.tracking.size(), 8u);
    EXPECT_EQ(ui.tracking[6], c.trace);
    EXPECT_EQ(ui.tracking[8], "  " + std::to_string(c.filled) + " interpolations effectuées");
  }
}

TEST_F(GapFilling, ColumnWithoutAnyValueStaysEmpty) {
  // Carrying "the value before" a gap that starts at the first written row
  // used to fill a column that has no data at all with zeros.
  ResultTable table = column_table({kNa, kNa, kNa, kNa});
  EXPECT_EQ(fill(table, 3), 0);
  EXPECT_EQ(column_of(table), (Column{kNa, kNa, kNa, kNa}));
  ResultTable only_row_one = column_table({7, kNa, kNa});
  fill(only_row_one, 3);
  EXPECT_EQ(column_of(only_row_one), (Column{7, kNa, kNa}));
}

TEST_F(GapFilling, RowWrittenByOneColumnIsStillAGapForTheNext) {
  const TimeGrid grid = testing::regular_grid("07/11/2021 00:00:00", 900, 4);
  ResultTable table = testing::table_for(grid, 2);
  testing::fold(table, Method::Last, 2, {testing::v(1), testing::v(1)});
  testing::fold(table, Method::Last, 4, {testing::v(3), testing::v(3)});
  fill(table, 3);
  EXPECT_TRUE(table.holds_value(3, 2));
  EXPECT_TRUE(table.holds_value(3, 3));
  EXPECT_EQ(table.at(3, 3).value, 2);
  EXPECT_EQ(ui.tracking[6], "    régression effectuée sur 1 données 2-4");
  EXPECT_EQ(ui.tracking[8], "    régression effectuée sur 1 données 2-4");
}

TEST_F(GapFilling, StopEndsTheScan) {
  ws.flags.stop = true;
  ResultTable table = column_table({0, 1, kNa, 3});
  EXPECT_EQ(fill(table, 3), 0);
}

TEST(Differences, DeltaAndDerivative) {
  testing::ScriptedInterface ui;
  Workspace ws(ui);
  ResultTable delta = column_table({1, 3, 6, 10});
  apply_differences(delta, false, 0.5, ws);
  EXPECT_EQ(column_of(delta), (Column{0, 0, 3, 4}));
  ResultTable derivative = column_table({1, 3, 6, 10});
  apply_differences(derivative, true, 0.5, ws);
  EXPECT_EQ(column_of(derivative), (Column{0, 0, 6, 8}));
  EXPECT_EQ(ui.tracking,
            (std::vector<std::string>{"  calcul des delta Y (rétro cumul)  y(i) - y(i-1)", "",
                                      "  calcul des dérivées (rétro cumul) [y(i) - y(i-1)] / pas", ""}));
}

TEST(Differences, MissingValueMakesItsDifferencesMissing) {
  // The stored 0 of a missing cell used to take part: 5 - 0 and 0 - 3.
  testing::ScriptedInterface ui;
  Workspace ws(ui);
  for (bool written : {false, true}) {
    ResultTable table = column_table({1, 2, 3, kNa, 5, 8}, written);
    apply_differences(table, false, 1, ws);
    EXPECT_EQ(column_of(table), (Column{0, 0, 1, kNa, kNa, 3}));
  }
}

TEST(Passes, RunInTheirOrder) {
  testing::ScriptedInterface ui;
  Workspace ws(ui);
  ResultTable table = column_table({0, 5, 10, kNa, 2, 4});
  PassSettings settings;
  settings.forced_growth = true;
  settings.gap_filling = true;
  settings.delta = true;
  settings.derivative = true;  // the delta wins
  settings.step_days = 2;
  EventPacer pacer(ws);
  run_passes(table, settings, ws, pacer);
  // Growth: 0, 5, 10, -, 10, 14 (the fall to 2 continued from 10, the empty
  // row left missing); the gap filling gives it 10; delta last.
  EXPECT_EQ(column_of(table), (Column{0, 0, 5, 0, 0, 4}));
}

TEST(Passes, SettingsFromTheDescription) {
  testing::ScriptedInterface ui;
  Workspace ws(ui);
  ws.description.assign("Edit_nmax_lacune.text", " 5 ");
  EXPECT_EQ(PassSettings::read(ws).max_gap, 5);
  ws.description.assign("Edit_nmax_lacune.text", "cinq");
  EXPECT_EQ(PassSettings::read(ws).max_gap, 3);
  ws.description.assign("Edit_nmax_lacune.text", "-2");
  EXPECT_EQ(PassSettings::read(ws).max_gap, 3);
}

}  // namespace
}  // namespace talve
