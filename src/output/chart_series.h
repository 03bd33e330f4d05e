// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>

#include "engine/result_table.h"

namespace talve {

// The y of one series of a chart, row by row, read from the ResultTable
// itself: a chart keeps no copy of the rows it plots. The rows plotted are
// those of the result file, 2..n.
//
// A row gives a value when its cell holds one (not missing, at least one
// value folded in); the line count "n OK" gives its count when above 0. A
// derivative gives (y - y of the row before) / step in days, when both rows
// give a value and the row is not the first; "n OK" is always plotted raw.
class SeriesValues {
 public:
  // `item` is the index in the column lists: ResultTable column item + 2.
  SeriesValues(const ResultTable& table, int item, bool derivative, double step_days)
      : m_table(&table),
        m_column(item + 2),
        m_count(item + 2 == table.nb_column()),
        m_derivative(derivative && !m_count && step_days > 0),
        m_step_days(step_days) {}

  int column() const { return m_column; }
  double step_days() const { return m_step_days; }
  int first_row() const { return 2; }
  int last_row() const { return m_table->grid_count; }
  bool is_count() const { return m_count; }
  bool is_derivative() const { return m_derivative; }
  const ResultTable& table() const { return *m_table; }

  // The value of `row` (first_row..last_row) into `y`; false for a gap.
  bool value(int row, double& y) const {
    if (!m_derivative) return raw(row, y);
    double before = 0;
    if (row <= first_row() || !raw(row, y) || !raw(row - 1, before)) return false;
    y = (y - before) / m_step_days;
    return true;
  }

 private:
  bool raw(int row, double& y) const {
    const ResultCell& cell = m_table->at(row, m_column);
    y = cell.value;
    // A value no axis can hold (an overflowed sum) is not drawn.
    if (!std::isfinite(y)) return false;
    if (m_count) return y > 0;
    return cell.missing == 0 && cell.ok_count > 0;
  }

  const ResultTable* m_table;
  int m_column;
  bool m_count;
  bool m_derivative;
  double m_step_days;
};

// The abscissa of the rows: the row's grid instant (a TDateTime, days), or,
// for the "n" choice, the row number less one.
class ChartAbscissa {
 public:
  ChartAbscissa(const ResultTable& table, bool row_numbers) : m_table(&table), m_row_numbers(row_numbers) {}

  bool row_numbers() const { return m_row_numbers; }
  double x(int row) const {
    return m_row_numbers ? row - 1.0 : m_table->instants[static_cast<std::size_t>(row)];
  }
  // The first row of first..last whose x is at least `value` (last + 1 when
  // none), and the first whose x is above it: the instants only grow.
  int first_row_from(double value, int first, int last) const;
  int first_row_after(double value, int first, int last) const;

 private:
  const ResultTable* m_table;
  bool m_row_numbers;
};

}  // namespace talve
