// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/table_sort.h"

#include <utility>
#include <vector>

#include "files/file_table.h"
#include "text/tdatetime.h"
#include "text/text_utils.h"

namespace talve {
namespace {

// A day-first date-time text as an instant. The table writes "date dep" and
// "date fin" in the canonical form; a date written alone counts as its
// midnight; anything else counts as 0, like a number that does not read.
double date_value(std::string_view cell) {
  const std::string_view text = trim_view(cell);
  if (text.size() == 10) {
    if (const auto instant = parse_canonical(std::string(text) + " 00:00:00")) return *instant;
  }
  return parse_canonical(text).value_or(0.0);
}

// The cells of a column read once as the key values, so that the sort
// compares values and exchanges them along with the rows.
struct Keys {
  SortKey key;
  std::vector<std::string> texts;
  std::vector<double> values;

  bool greater(std::size_t a, std::size_t b) const {
    return key == SortKey::text ? texts[a] > texts[b] : values[a] > values[b];
  }
  bool less(std::size_t a, std::size_t b) const {
    return key == SortKey::text ? texts[a] < texts[b] : values[a] < values[b];
  }
  void swap(std::size_t a, std::size_t b) {
    if (key == SortKey::text)
      std::swap(texts[a], texts[b]);
    else
      std::swap(values[a], values[b]);
  }
};

Keys read_keys(const FileTable& table, int column, SortKey key) {
  Keys keys{key, {}, {}};
  const auto count = static_cast<std::size_t>(table.row_count());
  if (key == SortKey::text) {
    keys.texts.resize(count);
    for (std::size_t row = 1; row < count; ++row) keys.texts[row] = table.cell(static_cast<int>(row), column);
  } else {
    keys.values.resize(count);
    for (std::size_t row = 1; row < count; ++row) {
      const std::string& cell = table.cell(static_cast<int>(row), column);
      keys.values[row] = key == SortKey::numeric ? lire_reel(cell) : date_value(cell);
    }
  }
  return keys;
}

}  // namespace

SortKey sort_key_for(const FileTable& table, std::string_view column_title) {
  const std::string_view title = trim_view(column_title);
  if (title == "date_NOM_Fichier") return SortKey::text;
  if (title == "date dep" || title == "date fin") return SortKey::date;
  const std::string& first = table.lire_case(1, column_title);
  return !first.empty() && first.front() >= '0' && first.front() <= '9' ? SortKey::numeric : SortKey::text;
}

void trier_tableau(FileTable& table, int column, SortKey key, bool ascending) {
  if (column < 0 || column >= table.column_count()) return;
  Keys keys = read_keys(table, column, key);
  const int last = table.row_count() - 1;
  for (int gap = table.file_row_count() / 2; gap > 0; gap /= 2) {
    bool exchanged = true;
    while (exchanged) {
      exchanged = false;
      for (int row = 1; row <= last - gap; ++row) {
        const auto a = static_cast<std::size_t>(row);
        const auto b = static_cast<std::size_t>(row + gap);
        if (ascending ? keys.greater(a, b) : keys.less(a, b)) {
          table.swap_rows(row, row + gap);
          keys.swap(a, b);
          exchanged = true;
        }
      }
    }
  }
}

}  // namespace talve
