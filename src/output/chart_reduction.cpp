// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/chart_reduction.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace talve {
namespace {

constexpr int kExactRowsPerColumn = 4;
constexpr double kBreak = std::numeric_limits<double>::quiet_NaN();

// The first, least, greatest and last row with a value of a run of rows.
struct ColumnFacts {
  int first = -1;
  int last = -1;
  int least_row = -1;
  int greatest_row = -1;
  double least = 0;
  double greatest = 0;

  void take(int row, double y) {
    if (first < 0) {
      first = least_row = greatest_row = row;
      least = greatest = y;
    } else if (y < least) {
      least = y;
      least_row = row;
    } else if (y > greatest) {
      greatest = y;
      greatest_row = row;
    }
    last = row;
  }
  void take(const SeriesSummary::Block& block, int start) {
    if (block.first == SeriesSummary::kNone) return;
    if (first < 0) {
      first = start + block.first;
      least = block.least;
      least_row = start + block.least_at;
      greatest = block.greatest;
      greatest_row = start + block.greatest_at;
    } else {
      if (block.least < least) {
        least = block.least;
        least_row = start + block.least_at;
      }
      if (block.greatest > greatest) {
        greatest = block.greatest;
        greatest_row = start + block.greatest_at;
      }
    }
    last = start + block.last;
  }
};

class Reducer {
 public:
  Reducer(const SeriesValues& values, const SeriesSummary& summary, const ChartAbscissa& abscissa,
          std::vector<ChartPoint>& out)
      : m_values(values), m_summary(summary), m_abscissa(abscissa), m_out(out) {}

  // Every row of first..last: a point for each value, a break for each run
  // of gaps between two of them.
  void every_row(int first, int last) {
    bool gap = false;
    double y = 0;
    for (int row = first; row <= last; ++row) {
      if (!m_values.value(row, y)) {
        gap = true;
        continue;
      }
      push(row, y, gap);
      gap = false;
    }
  }

  // A row known to give a value; a break before it when a row without value
  // lies between it and the point before.
  void emit(int row, double y) {
    const std::int64_t gaps = gaps_before(row);
    push(row, y, !m_out.empty() && gaps > m_gaps);
    m_gaps = gaps;
  }

  void emit_if_value(int row) {
    double y = 0;
    if (row >= m_values.first_row() && row <= m_values.last_row() && m_values.value(row, y)) emit(row, y);
  }

  // Rows first..end-1, one pixel column: blocks whole where they fit.
  ColumnFacts scan(int first, int end) const {
    ColumnFacts facts;
    constexpr int kBlock = SeriesSummary::kBlockRows;
    const int origin = m_summary.first_row();
    int row = first;
    double y = 0;
    const auto direct_until = [&](int stop) {
      for (; row < stop; ++row)
        if (m_values.value(row, y)) facts.take(row, y);
    };
    direct_until(std::min(end, origin + (row - origin + kBlock - 1) / kBlock * kBlock));
    const auto& blocks = m_summary.blocks();
    while (row + kBlock <= end) {
      facts.take(blocks[static_cast<std::size_t>((row - origin) / kBlock)], row);
      row += kBlock;
    }
    direct_until(end);
    return facts;
  }

  void emit_column(const ColumnFacts& facts) {
    if (facts.first < 0) return;
    std::array<int, 4> rows = {facts.first, facts.least_row, facts.greatest_row, facts.last};
    std::sort(rows.begin(), rows.end());
    double y = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
      if (i > 0 && rows[i] == rows[i - 1]) continue;
      static_cast<void>(m_values.value(rows[i], y));
      emit(rows[i], y);
    }
  }

 private:
  void push(int row, double y, bool broken) {
    const double x = m_abscissa.x(row);
    if (broken && !m_out.empty() && !std::isnan(m_out.back().y))
      m_out.push_back({(m_out.back().x + x) / 2, kBreak, -1});
    m_out.push_back({x, y, row});
  }

  // Rows without a value from the series' first row up to `row` excluded.
  std::int64_t gaps_before(int row) const {
    constexpr int kBlock = SeriesSummary::kBlockRows;
    const int index = (row - m_summary.first_row()) / kBlock;
    const SeriesSummary::Block& block = m_summary.blocks()[static_cast<std::size_t>(index)];
    std::int64_t gaps = block.gaps_before;
    if (block.gaps == 0) return gaps;
    double y = 0;
    for (int r = m_summary.block_start(static_cast<std::size_t>(index)); r < row; ++r)
      if (!m_values.value(r, y)) ++gaps;
    return gaps;
  }

  const SeriesValues& m_values;
  const SeriesSummary& m_summary;
  const ChartAbscissa& m_abscissa;
  std::vector<ChartPoint>& m_out;
  std::int64_t m_gaps = 0;
};

}  // namespace

int ChartAbscissa::first_row_from(double value, int first, int last) const {
  if (m_row_numbers) return std::clamp(static_cast<int>(std::ceil(value)) + 1, first, last + 1);
  const auto begin = m_table->instants.begin();
  return static_cast<int>(std::lower_bound(begin + first, begin + last + 1, value) - begin);
}

int ChartAbscissa::first_row_after(double value, int first, int last) const {
  if (m_row_numbers) return std::clamp(static_cast<int>(std::floor(value)) + 2, first, last + 1);
  const auto begin = m_table->instants.begin();
  return static_cast<int>(std::upper_bound(begin + first, begin + last + 1, value) - begin);
}

SeriesSummary::SeriesSummary(const SeriesValues& values) : m_first_row(values.first_row()) {
  const int last = values.last_row();
  if (last < m_first_row) return;
  m_blocks.resize(static_cast<std::size_t>((last - m_first_row) / kBlockRows + 1));
  std::int64_t gaps_before = 0;
  double y = 0;
  for (std::size_t index = 0; index < m_blocks.size(); ++index) {
    Block& block = m_blocks[index];
    block.gaps_before = gaps_before;
    const int start = block_start(index);
    const int end = std::min(last, start + kBlockRows - 1);
    for (int row = start; row <= end; ++row) {
      const auto at = static_cast<std::uint8_t>(row - start);
      if (!values.value(row, y)) {
        ++block.gaps;
        continue;
      }
      if (block.first == kNone) {
        block.first = block.least_at = block.greatest_at = at;
        block.least = block.greatest = y;
      } else if (y < block.least) {
        block.least = y;
        block.least_at = at;
      } else if (y > block.greatest) {
        block.greatest = y;
        block.greatest_at = at;
      }
      block.last = at;
    }
    gaps_before += block.gaps;
    if (block.first == kNone) continue;
    m_least = m_points == 0 ? block.least : std::min(m_least, block.least);
    m_greatest = m_points == 0 ? block.greatest : std::max(m_greatest, block.greatest);
    m_points += end - start + 1 - block.gaps;
  }
}

std::vector<ChartPoint> reduce_series(const SeriesValues& values, const SeriesSummary& summary,
                                      const ChartAbscissa& abscissa, double x_min, double x_max,
                                      int columns) {
  std::vector<ChartPoint> out;
  const int first = values.first_row();
  const int last = values.last_row();
  if (last < first || columns <= 0 || !(x_max >= x_min)) return out;
  const int low = abscissa.first_row_from(x_min, first, last);
  const int high = abscissa.first_row_after(x_max, first, last) - 1;
  Reducer reducer(values, summary, abscissa, out);
  if (static_cast<long long>(high) - low + 1 <= static_cast<long long>(kExactRowsPerColumn) * columns) {
    reducer.every_row(std::max(first, low - 1), std::min(last, high + 1));
    return out;
  }
  reducer.emit_if_value(low - 1);
  int start = low;
  for (int column = 0; column < columns; ++column) {
    const int end = column + 1 == columns
                        ? high + 1
                        : std::clamp(abscissa.first_row_from(
                                         pixel_column_start(x_min, x_max, columns, column + 1), first, last),
                                     start, high + 1);
    reducer.emit_column(reducer.scan(start, end));
    start = end;
  }
  reducer.emit_if_value(high + 1);
  return out;
}

}  // namespace talve
