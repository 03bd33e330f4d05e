// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/row_removal.h"

#include <stdexcept>
#include <string>

#include "files/file_table.h"
#include "text/text_utils.h"

namespace talve {
namespace {

[[nodiscard]] bool read_part(std::string_view text, int& value) { return read_int(trim_view(text), value); }

}  // namespace

void supprimer_lignes(FileTable& table, int first, int last) {
  if (first < 1 || last < first || last >= table.row_count()) throw std::out_of_range("Invalid row range");
  table.erase_rows(first, last);
}

std::optional<TDateTime> file_name_day(std::string_view cell) {
  if (compter_car('/', cell) != 2) return std::nullopt;
  const std::size_t first = cell.find('/');
  const std::size_t second = cell.find('/', first + 1);
  int year = 0;
  int month = 0;
  int day = 0;
  if (!read_part(cell.substr(0, first), year) ||
      !read_part(cell.substr(first + 1, second - first - 1), month) ||
      !read_part(cell.substr(second + 1), day))
    return std::nullopt;
  return encode_date(year, month, day);
}

std::vector<int> rows_outside_period(const FileTable& table, TDateTime start_day, TDateTime end_day) {
  std::vector<int> rows;
  for (int row = table.row_count() - 1; row >= 1; --row) {
    const auto day = file_name_day(table.lire_case(row, "date_NOM_Fichier"));
    if (day && (*day < start_day || *day > end_day)) rows.push_back(row);
  }
  return rows;
}

}  // namespace talve
