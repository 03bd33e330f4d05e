// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "engine/result_table.h"

namespace talve::testing {

// A result column, row by row from row 1: a value, or missing.
using ChartColumn = std::vector<std::optional<double>>;

// A finalised ResultTable whose data columns 2.. hold `columns` (titles
// "c2", "c3"...), its rows one step of `step_days` apart. A row where every
// column is missing received no line (nb 0); otherwise its nb is the number
// of values it holds and its missing cells are those of a line without the
// value.
inline ResultTable chart_table(const std::vector<ChartColumn>& columns, double step_days = 1.0 / 96) {
  ResultTable table;
  const int data = static_cast<int>(columns.size());
  const int n = columns.empty() ? 0 : static_cast<int>(columns[0].size());
  table.rows = n + 3;
  table.columns = data + 5;
  table.grid_count = n;
  table.cells.reset(static_cast<std::size_t>(table.rows), static_cast<std::size_t>(table.columns));
  table.instants.assign(static_cast<std::size_t>(n) + 1, 0.0);
  for (int r = 1; r <= n; ++r) table.instants[static_cast<std::size_t>(r)] = 45000 + (r - 1) * step_days;
  table.map.count = data + 2;
  table.map.titles.assign(static_cast<std::size_t>(data) + 3, "");
  for (int j = 2; j < data + 2; ++j) table.map.titles[static_cast<std::size_t>(j)] = "c" + std::to_string(j);
  table.map.titles[static_cast<std::size_t>(data) + 2] = "nb";
  for (int r = 1; r <= n; ++r) {
    int values = 0;
    for (int j = 0; j < data; ++j) {
      const std::optional<double>& value =
          columns[static_cast<std::size_t>(j)][static_cast<std::size_t>(r - 1)];
      ResultCell& cell = table.at(r, j + 2);
      cell.value = value.value_or(0);
      cell.ok_count = value ? 1 : 0;
      values += value ? 1 : 0;
    }
    for (int j = 0; j < data && values > 0; ++j) {
      ResultCell& cell = table.at(r, j + 2);
      cell.missing = cell.ok_count == 0 ? 1 : 0;
    }
    table.set_nb(r, values);
  }
  return table;
}

}  // namespace talve::testing
