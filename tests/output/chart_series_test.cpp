// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

#include "chart_table.h"
#include "output/chart_reduction.h"
#include "output/chart_summaries.h"

namespace talve {
namespace {

using testing::chart_table;
using testing::ChartColumn;
const std::optional<double> kNa;

// A point as the test writes it: the row and its y, or a break (row 0).
struct Expected {
  int row;
  double y;
};
constexpr Expected kBreak{0, 0};

std::vector<ChartPoint> all_points(const SeriesValues& values, const ChartAbscissa& abscissa) {
  const SeriesSummary summary(values);
  const double x_min = abscissa.x(values.first_row());
  const double x_max = abscissa.x(values.last_row());
  return reduce_series(values, summary, abscissa, x_min, x_max, 1000);
}

// The series of a small result, point by point: the rows of the result
// file (2..n), their own values and abscissas, a break where a row has no
// value.
TEST(ChartSeries, PointsFollowTheRows) {
  const double step = 1.0 / 96;  // 15 minutes
  //                  row:   1    2    3    4    5    6    7    8
  const ChartColumn values = {9.0, 1.0, 2.0, 4.0, kNa, 3.0, 5.0, 7.5};
  const ChartColumn other = {1.0, 1.0, 1.0, 1.0, kNa, 1.0, kNa, 1.0};
  const ResultTable table = chart_table({values, other}, step);
  struct Case {
    const char* name;
    int item;
    bool derivative;
    std::vector<Expected> points;
  };
  const Case cases[] = {
      // Row 1 is the lower bound of the first interval: never drawn.
      {"values", 0, false, {{2, 1}, {3, 2}, {4, 4}, kBreak, {6, 3}, {7, 5}, {8, 7.5}}},
      // No derivative for the first row, a row without value or the row
      // after it.
      {"derivative", 0, true, {{3, 1 / step}, {4, 2 / step}, kBreak, {7, 2 / step}, {8, 2.5 / step}}},
      // Row 7 has a line whose value was missing.
      {"other", 1, false, {{2, 1}, {3, 1}, {4, 1}, kBreak, {6, 1}, kBreak, {8, 1}}},
      // "n OK" counts the values of each row; row 5 received no line.
      {"n OK", 2, false, {{2, 2}, {3, 2}, {4, 2}, kBreak, {6, 2}, {7, 1}, {8, 2}}},
      // ...and is never derived.
      {"n OK derivative", 2, true, {{2, 2}, {3, 2}, {4, 2}, kBreak, {6, 2}, {7, 1}, {8, 2}}},
  };
  for (const bool row_numbers : {false, true}) {
    const ChartAbscissa abscissa(table, row_numbers);
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.name) + (row_numbers ? " against n" : " against time"));
      const SeriesValues series(table, c.item, c.derivative, step);
      const std::vector<ChartPoint> points = all_points(series, abscissa);
      ASSERT_EQ(points.size(), c.points.size());
      for (std::size_t i = 0; i < points.size(); ++i) {
        if (c.points[i].row == 0) {
          EXPECT_TRUE(std::isnan(points[i].y)) << i;
          continue;
        }
        EXPECT_EQ(points[i].row, c.points[i].row);
        EXPECT_NEAR(points[i].y, c.points[i].y, 1e-9) << i;
        const double x =
            row_numbers ? c.points[i].row - 1 : table.instants[static_cast<std::size_t>(c.points[i].row)];
        EXPECT_EQ(points[i].x, x);
      }
    }
  }
}

// A random result: waves with spikes of one row and runs of gaps.
ResultTable random_table(std::mt19937& random, int rows, int gap_rate) {
  std::uniform_real_distribution<double> noise(-1, 1);
  ChartColumn column(static_cast<std::size_t>(rows));
  int gap = 0;
  for (int r = 0; r < rows; ++r) {
    if (gap == 0 && static_cast<int>(random() % 1000) < gap_rate) gap = 1 + static_cast<int>(random() % 200);
    if (gap > 0) {
      --gap;
      continue;
    }
    double y = 20 * std::sin(r / 500.0) + noise(random);
    if (random() % 5000 == 0) y += random() % 2 ? 1000 : -1000;
    column[static_cast<std::size_t>(r)] = y;
  }
  return chart_table({column}, 1.0 / 1440);
}

// The reduction against the rows themselves: each point is a row's own
// value; in every pixel column the least and greatest of the points are
// those of the rows the column covers; the line breaks exactly where a row
// without value lies between two points; zoomed in enough, every row is
// there.
TEST(ChartSeries, ReductionKeepsEachPixelColumnsExtremesAndGaps) {
  std::mt19937 random(27);
  for (int trial = 0; trial < 60; ++trial) {
    const int rows = 50 + static_cast<int>(random() % 40000);
    const ResultTable table = random_table(random, rows, static_cast<int>(random() % 20));
    const bool derivative = trial % 3 == 0;
    const bool row_numbers = trial % 4 == 1;
    const SeriesValues series(table, 0, derivative, 1.0 / 1440);
    const SeriesSummary summary(series);
    const ChartAbscissa abscissa(table, row_numbers);
    const double full_min = abscissa.x(2), full_max = abscissa.x(rows);
    std::uniform_real_distribution<double> where(full_min, full_max);
    double x_min = where(random), x_max = where(random);
    if (trial % 5 == 0) x_min = full_min, x_max = full_max;
    if (x_max < x_min) std::swap(x_min, x_max);
    const int columns = 1 + static_cast<int>(random() % 1500);
    SCOPED_TRACE("trial " + std::to_string(trial) + ": " + std::to_string(rows) + " rows, " +
                 std::to_string(columns) + " columns");
    const std::vector<ChartPoint> points = reduce_series(series, summary, abscissa, x_min, x_max, columns);

    // Naive facts per pixel column, and the rows with a value.
    std::vector<double> least(static_cast<std::size_t>(columns), std::numeric_limits<double>::infinity());
    std::vector<double> greatest(static_cast<std::size_t>(columns), -std::numeric_limits<double>::infinity());
    std::vector<int> column_of(static_cast<std::size_t>(rows) + 2, -1);
    std::vector<char> has_value(static_cast<std::size_t>(rows) + 2, 0);
    int in_range = 0;
    double y = 0;
    for (int r = 2; r <= rows; ++r) {
      has_value[static_cast<std::size_t>(r)] = series.value(r, y);
      const double x = abscissa.x(r);
      if (x < x_min || x > x_max) continue;
      ++in_range;
      int c = columns - 1;
      while (c > 0 && x < pixel_column_start(x_min, x_max, columns, c)) --c;
      while (c + 1 < columns && x >= pixel_column_start(x_min, x_max, columns, c + 1)) ++c;
      column_of[static_cast<std::size_t>(r)] = c;
      if (!has_value[static_cast<std::size_t>(r)]) continue;
      least[static_cast<std::size_t>(c)] = std::min(least[static_cast<std::size_t>(c)], y);
      greatest[static_cast<std::size_t>(c)] = std::max(greatest[static_cast<std::size_t>(c)], y);
    }

    std::vector<double> drawn_least(static_cast<std::size_t>(columns),
                                    std::numeric_limits<double>::infinity());
    std::vector<double> drawn_greatest(static_cast<std::size_t>(columns),
                                       -std::numeric_limits<double>::infinity());
    int previous_row = -1;
    bool broken = false;
    int drawn = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
      const ChartPoint& p = points[i];
      if (i > 0) {
        ASSERT_LE(points[i - 1].x, p.x);
      }
      if (std::isnan(p.y)) {
        ASSERT_FALSE(broken) << "two breaks in a row";
        ASSERT_GE(previous_row, 0) << "a break before any point";
        broken = true;
        continue;
      }
      ASSERT_TRUE(series.value(p.row, y));
      ASSERT_EQ(p.y, y);
      ASSERT_EQ(p.x, abscissa.x(p.row));
      if (previous_row >= 0) {
        ASSERT_GT(p.row, previous_row);
        const bool gap_between = std::any_of(has_value.begin() + previous_row + 1, has_value.begin() + p.row,
                                             [](char v) { return !v; });
        ASSERT_EQ(broken, gap_between) << "rows " << previous_row << " to " << p.row;
      }
      previous_row = p.row;
      broken = false;
      const int c = column_of[static_cast<std::size_t>(p.row)];
      if (c < 0) continue;  // the neighbour row beyond an edge
      ++drawn;
      drawn_least[static_cast<std::size_t>(c)] = std::min(drawn_least[static_cast<std::size_t>(c)], p.y);
      drawn_greatest[static_cast<std::size_t>(c)] =
          std::max(drawn_greatest[static_cast<std::size_t>(c)], p.y);
    }
    ASSERT_FALSE(broken) << "a break after the last point";
    EXPECT_EQ(drawn_least, least);
    EXPECT_EQ(drawn_greatest, greatest);
    if (in_range <= 4 * columns) {
      int with_value = 0;
      for (int r = 2; r <= rows; ++r)
        with_value += column_of[static_cast<std::size_t>(r)] >= 0 && has_value[static_cast<std::size_t>(r)];
      EXPECT_EQ(drawn, with_value) << "zoomed in, every row is drawn";
    } else {
      EXPECT_LE(drawn, 4 * columns);
    }
  }
}

// The left axis of the summary's values, over ten years of minutes: one
// pass, the least and greatest of every row.
TEST(ChartSeries, SummaryHoldsTheSeriesExtremes) {
  std::mt19937 random(5);
  for (int trial = 0; trial < 10; ++trial) {
    const ResultTable table = random_table(random, 1 + static_cast<int>(random() % 5000), 10 * trial);
    const SeriesValues series(table, 0, trial % 2 == 1, 1.0 / 1440);
    const SeriesSummary summary(series);
    double least = std::numeric_limits<double>::infinity(), greatest = -least, y = 0;
    long long count = 0;
    for (int r = series.first_row(); r <= series.last_row(); ++r) {
      if (!series.value(r, y)) continue;
      least = std::min(least, y);
      greatest = std::max(greatest, y);
      ++count;
    }
    EXPECT_EQ(summary.point_count(), count);
    EXPECT_EQ(summary.empty(), count == 0);
    if (count == 0) continue;
    EXPECT_EQ(summary.least(), least);
    EXPECT_EQ(summary.greatest(), greatest);
  }
}

}  // namespace
}  // namespace talve

namespace talve {
namespace {

// A drawing takes again the summaries of the one before, but never those of
// a table that went away (a new run) nor of another column, step or
// derivative.
TEST(ChartSeries, SummariesAreKeptForTheSameSeriesOfTheSameTable) {
  ResultTable table = chart_table({{1.0, 2.0, 3.0}, {4.0, 5.0, 6.0}});
  SeriesSummaries kept;
  const SeriesValues first(table, 0, false, 1), second(table, 1, false, 1);
  const auto a = kept.take({first, second, first});
  EXPECT_EQ(a[0], a[2]);
  EXPECT_NE(a[0], a[1]);
  const auto b = kept.take({second, first, SeriesValues(table, 0, true, 1), SeriesValues(table, 0, true, 2)});
  EXPECT_EQ(b[0], a[1]);
  EXPECT_EQ(b[1], a[0]);
  EXPECT_NE(b[2], a[0]);
  EXPECT_NE(b[3], b[2]);
  // The table cleared and filled again by a run: its summaries are new.
  const unsigned long long generation = table.generation;
  table.clear();
  table = chart_table({{7.0, 8.0, 9.0}});
  table.generation = generation + 1;
  const auto c = kept.take({first});
  EXPECT_EQ(c[0]->greatest(), 9.0);
}

}  // namespace
}  // namespace talve
