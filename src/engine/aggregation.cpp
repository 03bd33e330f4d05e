// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/aggregation.h"

#include <algorithm>
#include <thread>
#include <vector>

#include "core/column_methods.h"
#include "core/settings_table.h"
#include "core/workspace.h"
#include "engine/event_pacer.h"
#include "text/two_threads.h"

namespace talve {
namespace {

void reset_cells(ResultTable& table) {
  table.cells.reset(static_cast<std::size_t>(table.rows), static_cast<std::size_t>(table.columns));
}

// The fold of one method over the data columns of a row.
template <typename Update>
void fold_columns(ResultTable& table, int row, int count, const double* values, const std::uint8_t* missing,
                  Update update) {
  ResultCell* cell = &table.at(row, 2);
  for (int k = 0; k < count; ++k, ++cell) {
    if (missing[k]) {
      if (cell->ok_count == 0) cell->missing = 1;
      continue;
    }
    cell->missing = 0;
    update(*cell, values[k]);
    ++cell->ok_count;
  }
}

void count_line(ResultTable& table, int row) {
  ResultCell& nb = table.at(row, table.map.count);
  nb.value += 1;
}

// The fold of a line whose columns each have their method. Kept out of
// fold_line (and ending it), whose usual path, one method for all, would
// otherwise pay for the registers it needs.
[[gnu::noinline]] void fold_mixed_line(ResultTable& table, int row, const double* values,
                                       const std::uint8_t* missing) {
  const ColumnMap& map = table.map;
  ResultCell* cell = &table.at(row, 2);
  for (int j = 2; j < map.count; ++j, ++cell) {
    const auto k = static_cast<std::size_t>(j - 2);
    if (missing[k]) {
      if (cell->ok_count == 0) cell->missing = 1;
      continue;
    }
    cell->missing = 0;
    const double v = values[k];
    switch (map.methods[static_cast<std::size_t>(j)]) {
      case Method::Mean:
      case Method::MeanFillGaps:
      case Method::Cumul:
      case Method::Sum:
        cell->value += v;
        break;
      case Method::Last:
        cell->value = v;
        break;
      case Method::Max:
        if (cell->ok_count == 0 || v > cell->value) cell->value = v;
        break;
      case Method::Min:
        if (cell->ok_count == 0 || v < cell->value) cell->value = v;
        break;
    }
    ++cell->ok_count;
  }
  count_line(table, row);
}

void fill_cell_from_neighbours(ResultTable& table, int r, int j) {
  if (table.nb(r) == 0) {
    // The row becomes a written row: its other cells must stay missing.
    for (int k = 2; k < table.map.count; ++k) table.at(r, k).missing = 1;
  }
  ResultCell& cell = table.at(r, j);
  cell.value = (table.at(r - 1, j).value + table.at(r + 1, j).value) / 2;
  cell.missing = 0;
  cell.ok_count = 1;
  cell.origin = CellOrigin::Filled;
  table.set_nb(r, 2);
}

}  // namespace

Method method_from_choice(int choice) {
  return choice >= 0 && choice <= 5 ? static_cast<Method>(choice) : Method::Mean;
}

std::string method_caption(Method method) {
  if (method == Method::Sum) return method_name(method);
  const auto captions = choice_captions("RadioGroup_methode_ItemIndex");
  return std::string(captions[static_cast<std::size_t>(method)]);
}

std::string method_name(Method method) {
  return std::string(column_method_names()[static_cast<std::size_t>(method)]);
}

bool any_column_uses(const ColumnMap& map, Method chosen, Method method) {
  if (map.methods.empty()) return chosen == method;
  for (int j = 2; j < map.count; ++j)
    if (map.methods[static_cast<std::size_t>(j)] == method) return true;
  return false;
}

AggregationSettings AggregationSettings::read(const Workspace& ws) {
  AggregationSettings settings;
  settings.method = method_from_choice(ws.description.choice("RadioGroup_methode_ItemIndex"));
  settings.date_test = ws.period.date_test;
  settings.step_kind = ws.period.step_kind;
  settings.min_share = min_share_from_text(ws.description.text("Edit_taux_min.text")).value_or(0);
  return settings;
}

void prepare_result_table(ResultTable& table, const TimeGrid& grid, int data_column_count,
                          const ProgressText& progress) {
  table.clear();
  const int n = grid.count();
  table.grid_count = n;
  table.rows = n + 3;
  table.columns = std::max(data_column_count, 0) + 5;
  table.instants.assign(static_cast<std::size_t>(n) + 1, 0.0);
  // The instants are read on another thread while this one clears the
  // cells: both are a pass over a hundred thousand rows and more.
  run_on_two_threads(
      [&] {
        for (int r = 1; r <= n; ++r) {
          // The texts are the reference: read back as the line instants are,
          // an instant written in a file and the same grid instant compare
          // equal.
          const auto index = static_cast<std::size_t>(r);
          const auto parsed = parse_canonical(grid.entries[index]);
          if (parsed) {
            table.instants[index] = *parsed;
          } else if (index < grid.instants.size()) {
            table.instants[index] = grid.instants[index];
          }
        }
      },
      [&] { reset_cells(table); });
  if (!progress) return;
  for (int r = 100; r <= n; r += 100)
    progress("3- patienter ... " + std::to_string(10 + 40LL * r / n) + "%     ");
}

void set_column_map(ResultTable& table, ColumnMap map) {
  const int needed = std::max(map.count - 2, 0) + 5;
  if (needed > table.columns) {
    table.columns = needed;
    reset_cells(table);
  }
  table.empty_counts.assign(static_cast<std::size_t>(std::max(map.count, 0)) + 1, 0);
  table.map = std::move(map);
}

void fold_line(ResultTable& table, Method method, int row, const double* values,
               const std::uint8_t* missing) {
  if (!table.map.methods.empty()) [[unlikely]] {
    fold_mixed_line(table, row, values, missing);
    return;
  }
  const int count = table.map.data_count();
  switch (method) {
    case Method::Mean:
    case Method::MeanFillGaps:
    case Method::Cumul:
    case Method::Sum:
      fold_columns(table, row, count, values, missing, [](ResultCell& c, double v) { c.value += v; });
      break;
    case Method::Last:
      fold_columns(table, row, count, values, missing, [](ResultCell& c, double v) { c.value = v; });
      break;
    case Method::Max:
      fold_columns(table, row, count, values, missing, [](ResultCell& c, double v) {
        if (c.ok_count == 0 || v > c.value) c.value = v;
      });
      break;
    case Method::Min:
      fold_columns(table, row, count, values, missing, [](ResultCell& c, double v) {
        if (c.ok_count == 0 || v < c.value) c.value = v;
      });
      break;
  }
  count_line(table, row);
}

bool finalise_rows(ResultTable& table, Method method, EventPacer& pacer) {
  const int n = table.grid_count;
  const int last_data = table.map.count - 1;
  // Per column: divided (means) or carried (cumul).
  std::vector<std::uint8_t> divide(static_cast<std::size_t>(std::max(last_data, 1)) + 1, 0);
  std::vector<std::uint8_t> carry(divide.size(), 0);
  for (int j = 2; j <= last_data; ++j) {
    const Method m = column_method(table.map, j, method);
    divide[static_cast<std::size_t>(j)] = m == Method::Mean || m == Method::MeanFillGaps;
    carry[static_cast<std::size_t>(j)] = m == Method::Cumul;
  }
  for (int r = 1; r <= n; ++r) {
    if (table.nb(r) != 0) {
      for (int j = 2; j <= last_data; ++j) {
        ResultCell& cell = table.at(r, j);
        if (cell.missing) continue;
        if (divide[static_cast<std::size_t>(j)]) {
          cell.value /= std::max(cell.ok_count, 1);
        } else if (carry[static_cast<std::size_t>(j)] && r >= 2 && table.at(r - 1, j).missing == 0) {
          // An empty row above holds 0, so the total starts again below it.
          cell.value += table.at(r - 1, j).value;
        }
      }
    }
    if (pacer.tick()) return false;
  }
  return true;
}

int fill_single_gaps(ResultTable& table) {
  const int n = table.grid_count;
  const int last_data = table.map.count - 1;
  int filled = 0;
  for (int r = 2; r <= n - 1; ++r) {
    for (int j = 2; j <= last_data; ++j) {
      if (column_method(table.map, j, Method::MeanFillGaps) != Method::MeanFillGaps) continue;
      if (table.holds_value(r, j)) continue;
      if (!table.holds_value(r - 1, j) || !table.holds_value(r + 1, j)) continue;
      fill_cell_from_neighbours(table, r, j);
      ++filled;
    }
  }
  return filled;
}

}  // namespace talve
