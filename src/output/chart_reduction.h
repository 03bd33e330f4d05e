// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "output/chart_series.h"

namespace talve {

// One point of a drawn series: its x and y and the ResultTable row it
// shows. A NaN y breaks the line there (row -1).
struct ChartPoint {
  double x = 0;
  double y = 0;
  int row = -1;
};

// What the reduction of a series to the screen needs of each block of 16
// rows, read once when the series is built: its first and last row with a
// value, its least and greatest value and their rows, and its gaps. A
// pixel column over ten years of one-minute rows then costs its blocks,
// not its rows (a series of 5.3 million rows keeps 13 MB); the rows read
// one by one, at the two ends of each column, are the scattered reads of
// the ResultTable that cost most.
class SeriesSummary {
 public:
  static constexpr int kBlockRows = 16;

  explicit SeriesSummary(const SeriesValues& values);

  // No row gives a value.
  bool empty() const { return m_points == 0; }
  // The least and greatest value plotted (empty() false).
  double least() const { return m_least; }
  double greatest() const { return m_greatest; }
  // Rows that give a value.
  std::int64_t point_count() const { return m_points; }

  // Rows are kept as offsets from the block's first row: 32 bytes a block.
  struct Block {
    double least = 0;
    double greatest = 0;
    std::int64_t gaps_before = 0;  // rows without a value before the block
    std::uint8_t first = kNone;    // kNone: no row of the block gives a value
    std::uint8_t last = 0;
    std::uint8_t least_at = 0;
    std::uint8_t greatest_at = 0;
    std::uint8_t gaps = 0;  // rows of the block without a value
  };
  static constexpr std::uint8_t kNone = 0xFF;
  static_assert(kBlockRows < kNone);
  const std::vector<Block>& blocks() const { return m_blocks; }
  int first_row() const { return m_first_row; }
  // The first row of block `index`.
  int block_start(std::size_t index) const { return m_first_row + static_cast<int>(index) * kBlockRows; }

 private:
  std::vector<Block> m_blocks;
  int m_first_row = 0;
  std::int64_t m_points = 0;
  double m_least = 0;
  double m_greatest = 0;
};

// The points that draw a series over [x_min, x_max] on `columns` pixel
// columns, in ascending x:
// - when the range holds at most four rows per pixel column, every row:
//   a point for each row with a value, a break for each run of gaps;
// - otherwise, for each pixel column, the first, least, greatest and last
//   value of the rows it covers (in row order, so that a spike of one row
//   stays), a break between two of them when a row without value lies
//   between.
// The nearest row on each side outside the range is added, so that the
// line reaches the edges of the chart.
std::vector<ChartPoint> reduce_series(const SeriesValues& values, const SeriesSummary& summary,
                                      const ChartAbscissa& abscissa, double x_min, double x_max, int columns);

// The x where pixel column `column` of `columns` starts: the rows with
// start(c) <= x < start(c + 1) fall in column c, x_max in the last one.
inline double pixel_column_start(double x_min, double x_max, int columns, int column) {
  return x_min + (x_max - x_min) * column / columns;
}

}  // namespace talve
