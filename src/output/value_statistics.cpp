// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/value_statistics.h"

#include <algorithm>

#include "text/text_utils.h"

namespace talve {
namespace {

std::string bounds_text(std::string_view min_na, std::string_view max_na) {
  std::string text;
  if (!min_na.empty()) text += "  (NA si sup ou = à Min=" + std::string(min_na) + ")  ";
  if (!max_na.empty()) text += "  (NA si inf ou = à Max=" + std::string(max_na) + ")  ";
  return text;
}

}  // namespace

std::vector<int> empty_cells(const ResultTable& table, int written_rows) {
  std::vector<int> empty(static_cast<std::size_t>(std::max(table.map.count, 0)) + 1, 0);
  // Row 1 is only the lower bound of the first interval: the file starts
  // with row 2. Row by row, as the cells lie in memory.
  const int last = std::min(written_rows + 1, table.grid_count);
  for (int r = 2; r <= last; ++r)
    for (int j = 2; j < table.map.count; ++j) empty[static_cast<std::size_t>(j)] += !table.holds_value(r, j);
  return empty;
}

std::string statistics_separator() { return "    " + std::string(140, '-'); }

std::vector<std::string> statistics_lines(const StatisticsInput& input) {
  std::vector<std::string> lines;
  lines.emplace_back("");
  lines.emplace_back(" ========== nombre de résultats - nombre de VIDES(= na)");
  const int n = input.written_rows;
  long long usable_total = 0;
  long long empty_total = 0;
  if (input.table != nullptr) {
    const ColumnMap& map = input.table->map;
    const std::vector<int> empty_by_column = empty_cells(*input.table, n);
    for (int j = 2; j < map.count; ++j) {
      const int empty = empty_by_column[static_cast<std::size_t>(j)];
      usable_total += n - empty;
      empty_total += empty;
      lines.push_back(std::to_string(n) + " - " + std::to_string(empty) + " = " + std::to_string(n - empty) +
                      "  <- " + map.titles[static_cast<std::size_t>(j)]);
    }
  }
  lines.push_back(statistics_separator());
  lines.push_back("      NOMBRE de VALEURS utilisables = " + format_grouped(usable_total) +
                  bounds_text(input.min_na, input.max_na) + "   issues de " +
                  std::to_string(input.line_total) + " lignes de données");
  if (empty_total < 1) {
    lines.emplace_back("      aucune valeur NA ou vides détectée dans l\"ensemble du tableau");
  } else {
    lines.push_back("      nombre de NA ou vides dans l\"ensemble du tableau = " +
                    format_grouped(empty_total));
  }
  lines.push_back(statistics_separator());
  return lines;
}

}  // namespace talve
