// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/derived_series.h"

#include <vector>

#include "core/workspace.h"
#include "engine/event_pacer.h"
#include "engine/run_step.h"
#include "text/text_utils.h"

namespace talve {
namespace {

const std::string kDoubleRule(74, '=');

void mark_filled(ResultTable& table, int r, int j, ResultValue value, ResultValue nb) {
  ResultCell& cell = table.at(r, j);
  cell.value = value;
  cell.missing = 0;
  cell.ok_count = 1;
  cell.origin = CellOrigin::Filled;
  table.set_nb(r, nb);
}

// The origin of a difference of two values: filled when either was, else
// moved by the forced growth when either was.
CellOrigin origin_of_difference(CellOrigin a, CellOrigin b) {
  if (a == CellOrigin::Filled || b == CellOrigin::Filled) return CellOrigin::Filled;
  if (a == CellOrigin::ForcedGrowth || b == CellOrigin::ForcedGrowth) return CellOrigin::ForcedGrowth;
  return CellOrigin::Measured;
}

// One column of the gap filling; returns the cells interpolated.
int fill_column_gaps(ResultTable& table, int j, int max_gap, Workspace& ws, EventPacer& pacer) {
  const int n = table.grid_count;
  for (int r = kFirstFilledRow; r <= n; ++r) {
    ResultCell& cell = table.at(r, j);
    if (table.nb(r) == 0 || cell.ok_count == 0) cell.missing = 1;
  }
  int filled = 0;
  int r = kFirstFilledRow;
  while (r <= n) {
    if (pacer.tick()) break;
    if (table.at(r, j).missing == 0) {
      ++r;
      continue;
    }
    const int a = r;
    int b = a;
    while (b <= n && table.at(b, j).missing) ++b;
    // A gap open at an end of the table has one neighbour only: it is
    // filled with that neighbour's value, and only when it is short enough,
    // so that a logger stopped for months never shows invented constant
    // values. A column without any value has no neighbour at all.
    const bool open_start = a == kFirstFilledRow;
    const bool open_end = b > n;
    const int length = b - a;
    const std::string span =
        std::to_string(length) + " données " + std::to_string(a - 1) + "-" + std::to_string(b);
    if (length > max_gap || (open_start && open_end)) {
      ws.ajout_suivi("    ---> régression NON effectuée sur " + span);
    } else if (open_end) {
      const ResultValue before = table.at(a - 1, j).value;
      for (int k = a; k < b; ++k) mark_filled(table, k, j, before, 1);
      filled += length;
      ws.ajout_suivi("    régression effectuée sur " + span);
    } else {
      const ResultValue before = table.at(a - 1, j).value;
      const ResultValue after = table.at(b, j).value;
      const ResultValue slope = (after - before) / (b - a + 1);
      for (int k = a; k < b; ++k) {
        const ResultValue value = open_start ? after : before + slope * (k - a + 1);
        mark_filled(table, k, j, value, 2);
        ++filled;
      }
      ws.ajout_suivi("    régression effectuée sur " + span);
    }
    r = b;
  }
  return filled;
}

}  // namespace

std::optional<int> max_gap_from_text(std::string_view text) {
  int value = 0;
  if (read_int(trim_view(text), value) && value >= 0) return value;
  return std::nullopt;
}

PassSettings PassSettings::read(const Workspace& ws) {
  const DataDescription& d = ws.description;
  PassSettings s;
  s.forced_growth = d.checked("CheckBox_cumul_corriger.Checked");
  s.gap_filling = d.checked("CheckBox_post_traitement.Checked");
  s.max_gap = max_gap_from_text(d.text("Edit_nmax_lacune.text")).value_or(kDefaultMaxGap);
  s.delta = d.checked("CheckBox_delta_Y.Checked");
  s.derivative = d.checked("CheckBox_derivees.Checked");
  s.step_days = run_step_days(ws.period);
  return s;
}

void force_growth(ResultTable& table) {
  const int n = table.grid_count;
  for (int j = 2; j < table.map.count; ++j) {
    // Over the written rows only: row 1 bounds the first interval and is
    // never written, so its value must not move the rows that are. A cell
    // without a value is no fall: it stays missing, and the next value is
    // compared with the last one before it.
    bool started = false;
    ResultValue previous = 0;  // the value of the last row that held one
    ResultValue kept = 0;      // what that row kept: its value, or 0 at a fall
    ResultValue offset = 0;
    for (int r = kFirstFilledRow; r <= n; ++r) {
      if (!table.holds_value(r, j)) continue;
      ResultCell& cell = table.at(r, j);
      const ResultValue value = cell.value;
      const bool falls = started && previous > value;
      // At a fall the counter is continued from the value kept before it;
      // the value at the fall itself is replaced by that offset alone.
      if (falls && kept > 0) offset += kept;
      kept = falls ? 0 : value;
      previous = value;
      started = true;
      if (kept + offset != value) cell.origin = CellOrigin::ForcedGrowth;
      cell.value = kept + offset;
    }
  }
}

int fill_gaps(ResultTable& table, int max_gap, Workspace& ws, EventPacer& pacer) {
  const int n = table.grid_count;
  ws.ajout_suivi("");
  ws.ajout_suivi(kDoubleRule);
  ws.ajout_suivi("---> POST-traitement  sur " + std::to_string(n) + " lignes horodatées");
  ws.ajout_suivi(kDoubleRule);
  ws.ajout_suivi("   un maximum de " + std::to_string(max_gap) +
                 " données manquantes par lacune, ( NA ou vides ) sont comblées par calcul");
  int interpolations = 0;
  for (int j = 2; j < table.map.count; ++j) {
    ws.ajout_suivi("--> " + table.map.titles[static_cast<std::size_t>(j)]);
    interpolations += fill_column_gaps(table, j, max_gap, ws, pacer);
  }
  ws.ajout_suivi("");
  ws.ajout_suivi("  " + std::to_string(interpolations) + " interpolations effectuées");
  ws.ajout_suivi(kDoubleRule);
  return interpolations;
}

void apply_differences(ResultTable& table, bool derivative, TDateTime step_days, Workspace& ws) {
  ws.ajout_suivi(derivative ? "  calcul des dérivées (rétro cumul) [y(i) - y(i-1)] / pas"
                            : "  calcul des delta Y (rétro cumul)  y(i) - y(i-1)");
  ws.ajout_suivi("");
  const int n = table.grid_count;
  std::vector<ResultValue> y(static_cast<std::size_t>(n) + 1, 0);
  std::vector<std::uint8_t> absent(static_cast<std::size_t>(n) + 1, 0);
  std::vector<CellOrigin> origins(static_cast<std::size_t>(n) + 1, CellOrigin::Measured);
  for (int j = 2; j < table.map.count; ++j) {
    for (int r = 1; r <= n; ++r) {
      y[static_cast<std::size_t>(r)] = table.at(r, j).value;
      absent[static_cast<std::size_t>(r)] = !table.holds_value(r, j);
      origins[static_cast<std::size_t>(r)] = table.at(r, j).origin;
    }
    for (int r = 1; r <= n; ++r) {
      ResultCell& cell = table.at(r, j);
      const auto i = static_cast<std::size_t>(r);
      if (r <= 2) {
        cell.value = 0;
        cell.missing = 0;
      } else if (absent[i] || absent[i - 1]) {
        cell.value = 0;
        cell.missing = 1;
      } else {
        const ResultValue difference = y[i] - y[i - 1];
        cell.value = derivative ? difference / step_days : difference;
        cell.missing = 0;
        cell.origin = origin_of_difference(origins[i], origins[i - 1]);
      }
    }
  }
}

void run_passes(ResultTable& table, const PassSettings& settings, Workspace& ws, EventPacer& pacer) {
  if (settings.forced_growth) force_growth(table);
  if (settings.gap_filling) fill_gaps(table, settings.max_gap, ws, pacer);
  if (settings.delta || settings.derivative)
    apply_differences(table, !settings.delta, settings.step_days, ws);
}

}  // namespace talve
