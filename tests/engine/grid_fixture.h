// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "engine/aggregation.h"
#include "engine/result_table.h"
#include "engine/time_grid.h"
#include "text/tdatetime.h"

namespace talve::testing {

// An instant from its canonical text; fails loudly on a typo.
inline TDateTime at(const std::string& text) {
  const auto value = parse_canonical(text);
  if (!value) throw std::invalid_argument("bad instant " + text);
  return *value;
}

// A grid of `count` instants from `first`, `step_seconds` apart.
inline TimeGrid regular_grid(const std::string& first, long long step_seconds, int count) {
  TimeGrid grid;
  grid.entries.push_back("_intitul\xE9s des colonnes");
  grid.instants.push_back(0);
  const long long start = whole_seconds(at(first));
  for (int i = 0; i < count; ++i) {
    const std::string text = format_canonical(from_whole_seconds(start + i * step_seconds));
    grid.entries.push_back(text);
    grid.instants.push_back(at(text));
  }
  return grid;
}

// A column map of `data` data columns titled "c2", "c3"... and "nb".
inline ColumnMap simple_map(int data) {
  ColumnMap map;
  map.count = data + 2;
  map.sources.assign(static_cast<std::size_t>(map.count) + 1, 0);
  map.titles.assign(static_cast<std::size_t>(map.count) + 1, "");
  map.titles[1] = "temps";
  for (int j = 2; j < map.count; ++j) {
    map.sources[static_cast<std::size_t>(j)] = j;
    map.titles[static_cast<std::size_t>(j)] = "c" + std::to_string(j);
  }
  map.titles[static_cast<std::size_t>(map.count)] = "nb";
  return map;
}

// A table over the grid with `data` data columns.
inline ResultTable table_for(const TimeGrid& grid, int data) {
  ResultTable table;
  prepare_result_table(table, grid, data);
  set_column_map(table, simple_map(data));
  return table;
}

// One value of a line: a number or missing.
struct Cell {
  bool missing;
  double value;
};
inline Cell v(double value) { return {false, value}; }
inline Cell na() { return {true, 0}; }

inline void fold(ResultTable& table, Method method, int row, const std::vector<Cell>& line) {
  std::vector<double> values;
  std::vector<std::uint8_t> missing;
  for (const Cell& cell : line) {
    values.push_back(cell.value);
    missing.push_back(cell.missing ? 1 : 0);
  }
  fold_line(table, method, row, values.data(), missing.data());
}

}  // namespace talve::testing
