// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/grid_locator.h"

#include <gtest/gtest.h>

#include "grid_fixture.h"

namespace talve {
namespace {

using testing::at;
using testing::regular_grid;

std::int64_t ms(const std::string& text) { return to_milliseconds(at(text)); }
std::int64_t ms_of_seconds(long long seconds) { return seconds * 1000; }

struct LocateCase {
  const char* name;
  DateTest test;
  StepKind kind;
  long long step_seconds;
  const char* instant;
  const char* expected_row_instant;  // nullptr: no row
};

class GridLocatorCases : public ::testing::TestWithParam<LocateCase> {};

TEST_P(GridLocatorCases, FindsTheRowOfTheInterval) {
  const LocateCase& c = GetParam();
  // 07/11/2021 from 00:00 on: 10 instants.
  const TimeGrid grid = regular_grid("07/11/2021 00:00:00", c.step_seconds, 10);
  GridLocator locator(grid.instants, c.test, c.kind);
  const int row = locator.row_of(ms(c.instant));
  if (c.expected_row_instant == nullptr) {
    EXPECT_EQ(row, -1);
  } else {
    ASSERT_GE(row, 1);
    EXPECT_EQ(grid.entries[static_cast<std::size_t>(row)], c.expected_row_instant);
  }
}

constexpr long long kQuarter = 900;
constexpr long long kDay = 86400;

INSTANTIATE_TEST_SUITE_P(
    Intervals, GridLocatorCases,
    ::testing::Values(LocateCase{"LeOnTheInstant", DateTest::LessOrEqual, StepKind::Time, kQuarter,
                                 "07/11/2021 00:15:00", "07/11/2021 00:15:00"},
                      LocateCase{"LeJustAfter", DateTest::LessOrEqual, StepKind::Time, kQuarter,
                                 "07/11/2021 00:15:01", "07/11/2021 00:30:00"},
                      LocateCase{"StrictOnTheInstant", DateTest::Strict, StepKind::Time, kQuarter,
                                 "07/11/2021 00:15:00", "07/11/2021 00:30:00"},
                      LocateCase{"StrictJustBefore", DateTest::Strict, StepKind::Time, kQuarter,
                                 "07/11/2021 00:14:59", "07/11/2021 00:15:00"},
                      LocateCase{"LeFirstInstantGoesToRowOne", DateTest::LessOrEqual, StepKind::Time,
                                 kQuarter, "07/11/2021 00:00:00", "07/11/2021 00:00:00"},
                      LocateCase{"LeLastInstant", DateTest::LessOrEqual, StepKind::Time, kQuarter,
                                 "07/11/2021 02:15:00", "07/11/2021 02:15:00"},
                      LocateCase{"StrictLastInstantGathersNothing", DateTest::Strict, StepKind::Time,
                                 kQuarter, "07/11/2021 02:15:00", nullptr},
                      LocateCase{"BeforeTheGrid", DateTest::LessOrEqual, StepKind::Time, kQuarter,
                                 "06/11/2021 23:59:59", nullptr},
                      LocateCase{"StrictBeforeTheGrid", DateTest::Strict, StepKind::Time, kQuarter,
                                 "06/11/2021 23:59:59", nullptr},
                      LocateCase{"AfterTheGrid", DateTest::LessOrEqual, StepKind::Time, kQuarter,
                                 "07/11/2021 02:15:01", nullptr},
                      LocateCase{"StrictDayMidnight", DateTest::Strict, StepKind::Day, kDay,
                                 "08/11/2021 00:00:00", "08/11/2021 00:00:00"},
                      LocateCase{"StrictDayLastSecond", DateTest::Strict, StepKind::Day, kDay,
                                 "08/11/2021 23:59:59", "08/11/2021 00:00:00"},
                      LocateCase{"StrictDayFirstInstant", DateTest::Strict, StepKind::Day, kDay,
                                 "07/11/2021 00:00:00", "07/11/2021 00:00:00"},
                      LocateCase{"StrictDayLastInstantGathersNothing", DateTest::Strict, StepKind::Day, kDay,
                                 "16/11/2021 00:00:00", nullptr},
                      LocateCase{"LeDayWholeDayBefore", DateTest::LessOrEqual, StepKind::Day, kDay,
                                 "07/11/2021 00:00:01", "08/11/2021 00:00:00"}),
    [](const ::testing::TestParamInfo<LocateCase>& param) { return std::string(param.param.name); });

TEST(GridLocator, StrictDayStepFoldsTheWholeDayIntoItsMidnightRow) {
  const TimeGrid grid = regular_grid("07/11/2021 00:00:00", kDay, 5);
  GridLocator locator(grid.instants, DateTest::Strict, StepKind::Day);
  // The row of 07/11 gathers [07/11 00:00, 08/11 00:00), found as the row
  // of 08/11 and moved back by one.
  const long long start = whole_seconds(at("07/11/2021 00:00:00"));
  for (long long s = 0; s < kDay; s += 3607) {
    EXPECT_EQ(locator.row_of(ms_of_seconds(start + s)), 1) << s;
  }
  EXPECT_EQ(locator.row_of(ms_of_seconds(start + kDay - 1)), 1);
  EXPECT_EQ(locator.row_of(ms_of_seconds(start + kDay)), 2);
}

TEST(GridLocator, OrderOfTheLinesDoesNotChangeTheRows) {
  // The cache serves files read in time order; lines going back, jumping
  // ahead or leaving the grid must still find their own row.
  const TimeGrid grid = regular_grid("07/11/2021 00:00:00", 600, 200);
  for (DateTest test : {DateTest::LessOrEqual, DateTest::Strict}) {
    GridLocator cached(grid.instants, test, StepKind::Time);
    const long long start = whole_seconds(at("07/11/2021 00:00:00"));
    const long long offsets[] = {5, 605, 601, 1200, 100000, 50, 119400, 119401, -1, 119399, 7, 3000, 600};
    for (long long s : offsets) {
      GridLocator fresh(grid.instants, test, StepKind::Time);
      const std::int64_t t = ms_of_seconds(start + s);
      EXPECT_EQ(cached.row_of(t), fresh.row_of(t)) << s;
      // Reference: the interval test on every row.
      int expected = -1;
      for (int r = 1; r <= grid.count(); ++r) {
        const std::int64_t lo = to_milliseconds(grid.instants[static_cast<std::size_t>(r - 1)]);
        const std::int64_t hi = to_milliseconds(grid.instants[static_cast<std::size_t>(r)]);
        const bool in = test == DateTest::Strict ? lo <= t && t < hi : lo < t && t <= hi;
        if (in && t >= to_milliseconds(grid.instants[1]) && t <= to_milliseconds(grid.instants.back()))
          expected = r;
      }
      EXPECT_EQ(fresh.row_of(t), expected) << s;
    }
  }
}

TEST(GridLocator, EmptyGridHoldsNothing) {
  GridLocator locator({0.0}, DateTest::LessOrEqual, StepKind::Time);
  EXPECT_EQ(locator.row_of(ms("07/11/2021 00:00:00")), -1);
}

}  // namespace
}  // namespace talve
