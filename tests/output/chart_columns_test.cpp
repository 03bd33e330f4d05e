// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/chart_columns.h"

#include <gtest/gtest.h>

#include "output/chart_look.h"

namespace talve {
namespace {

// The checked indexes of each list, for readable comparisons.
std::vector<std::vector<int>> checked(const ChartChecks& lists) {
  std::vector<std::vector<int>> out;
  for (const auto& list : lists) {
    out.emplace_back();
    for (std::size_t i = 0; i < list.size(); ++i)
      if (list[i]) out.back().push_back(static_cast<int>(i));
  }
  return out;
}

TEST(ChartColumns, ItemsAreTheTitlesThenThePaddedLineCount) {
  ColumnMap map;
  map.count = 4;
  map.titles = {"", "Date", "Temperature_C", "HR", "nb"};
  EXPECT_EQ(chart_items(map), (std::vector<std::string>{"Temperature_C", "HR", "n OK         "}));
  map.count = 3;
  map.titles = {"", "Date", "T", "nb"};
  EXPECT_EQ(chart_items(map), (std::vector<std::string>{"T", "n OK"}));
  EXPECT_TRUE(chart_items(ColumnMap()).empty());
}

TEST(ChartColumns, ColumnsAreDealtOverTheFiveCharts) {
  struct Case {
    int items;
    std::vector<std::vector<int>> lists;
    const char* text;
  };
  const Case cases[] = {
      // Six data columns and "n OK".
      {7, {{0, 5}, {1, 6}, {2}, {3}, {4}}, "0,5,;1,6,;2,;3,;4,;"},
      {4, {{0}, {1}, {2}, {3}, {}}, "0,;1,;2,;3,;;"},
      // Only the first fifteen are dealt.
      {18,
       {{0, 5, 10}, {1, 6, 11}, {2, 7, 12}, {3, 8, 13}, {4, 9, 14}},
       "0,5,10,;1,6,11,;2,7,12,;3,8,13,;4,9,14,;"},
      {0, {{}, {}, {}, {}, {}}, ";;;;;"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.items);
    const ChartChecks dealt = dealt_checks(c.items);
    EXPECT_EQ(checked(dealt), c.lists);
    EXPECT_EQ(check_state_text(dealt), c.text);
    // The text reads back as the same lists.
    EXPECT_EQ(checked(checks_from_text(c.text, c.items)), c.lists);
  }
}

TEST(ChartColumns, SavedStateChecksOnlyTheItemsThatExist) {
  struct Case {
    const char* text;
    int items;
    std::vector<std::vector<int>> lists;
  };
  const Case cases[] = {
      {"0,1,2,;;;;;", 2, {{0, 1}, {}, {}, {}, {}}},
      {"0,5,;1,;2,;3,;4,;", 6, {{0, 5}, {1}, {2}, {3}, {4}}},
      // Fewer fields than charts, a sixth field, blanks, garbage and
      // negative indexes.
      {"1,;0,", 3, {{1}, {0}, {}, {}, {}}},
      {";;;;;0,;1,", 3, {{}, {}, {}, {}, {}}},
      {" 2 ,x,-1,,;", 3, {{2}, {}, {}, {}, {}}},
      {"", 3, {{}, {}, {}, {}, {}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const ChartChecks lists = checks_from_text(c.text, c.items);
    EXPECT_EQ(checked(lists), c.lists);
    for (const auto& list : lists) EXPECT_EQ(list.size(), static_cast<std::size_t>(c.items));
  }
}

TEST(ChartLook, LeftAxisTakesTheWholeRangeAsMarginOrKeepsItsBounds) {
  struct Case {
    double least, greatest;
    bool any;
    AxisBounds previous;
    AxisBounds expected;
  };
  const Case cases[] = {
      {10, 20, true, {0, 1}, {-0.1, 30.1}},
      {-2, 0, true, {0, 1}, {-4.1, 2.1}},
      // Equal values keep the axis that shows them...
      {5, 5, true, {0, 10}, {0, 10}},
      // ...else they are shown in the middle.
      {50, 50, true, {0, 10}, {49.9, 50.1}},
      // No value: the axis stays.
      {0, 0, false, {-3, 7}, {-3, 7}},
  };
  for (const Case& c : cases) {
    const AxisBounds bounds = left_axis_bounds(c.least, c.greatest, c.any, c.previous);
    EXPECT_DOUBLE_EQ(bounds.least, c.expected.least) << c.least << " " << c.greatest;
    EXPECT_DOUBLE_EQ(bounds.greatest, c.expected.greatest) << c.least << " " << c.greatest;
  }
}

TEST(ChartLook, PaletteOfFifteenColoursAndItsLightVersion) {
  EXPECT_EQ(series_colour(1, false), (ChartColour{0, 0, 255}));
  EXPECT_EQ(series_colour(2, false), (ChartColour{255, 128, 64}));
  EXPECT_EQ(series_colour(14, false), (ChartColour{100, 55, 80}));
  EXPECT_EQ(series_colour(15, false), (ChartColour{0, 0, 0}));
  EXPECT_EQ(series_colour(16, false), series_colour(1, false));
  EXPECT_EQ(series_colour(1, true), (ChartColour{170, 170, 255}));
  EXPECT_EQ(series_colour(4, true), (ChartColour{255, 230, 170}));
}

TEST(ChartLook, StepCaption) {
  struct Case {
    StepKind kind;
    int count;
    double seconds;
    const char* caption;
  };
  const Case cases[] = {
      {StepKind::Time, 1, 900, "pas = 00:15:00"},
      {StepKind::Day, 1, 0, "pas = 1 jour"},
      {StepKind::Day, 3, 0, "pas = 3 jours"},
      {StepKind::Month, 2, 0, "pas = 2 mois"},
      {StepKind::Year, 1, 0,
       "pas = 1 ann\xE9"
       "e"},
      {StepKind::Year, 2, 0,
       "pas = 2 ann\xE9"
       "es"},
  };
  for (const Case& c : cases) {
    Period period;
    period.step_kind = c.kind;
    period.step_count = c.count;
    period.step_time = c.seconds / 86400;
    EXPECT_EQ(chart_step_caption(period), c.caption);
  }
}

}  // namespace
}  // namespace talve
