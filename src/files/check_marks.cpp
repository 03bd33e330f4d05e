// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/check_marks.h"

#include "files/file_table.h"

namespace talve {

bool is_checked(const FileTable& table, int row) { return table.lire_case(row, kCheckColumn) == kCheckMark; }

std::vector<std::string> checked_file_names(const FileTable& table) {
  std::vector<std::string> names;
  for (int row = 1; row < table.row_count(); ++row)
    if (is_checked(table, row)) names.push_back(table.lire_case(row, "fichier"));
  return names;
}

int first_marked_row(const FileTable& table) {
  for (int row = 1; row < table.row_count(); ++row)
    if (is_checked(table, row)) return row;
  return 0;
}

void restore_check_marks(FileTable& table, const std::vector<std::string>& names) {
  for (int row = 1; row < table.row_count(); ++row) table.ecrire_case(row, kCheckColumn, "");
  for (const std::string& name : names) {
    for (int row = 1; row < table.row_count(); ++row) {
      if (table.lire_case(row, "fichier") == name) {
        table.ecrire_case(row, kCheckColumn, std::string(kCheckMark));
        break;
      }
    }
  }
}

void toggle_check_mark(FileTable& table, int row) {
  if (row < 1 || row >= table.row_count()) return;
  table.ecrire_case(row, kCheckColumn, is_checked(table, row) ? "" : std::string(kCheckMark));
}

void apply_station_choice(FileTable& table, StationChoice choice, std::string_view station) {
  for (int row = 1; row < table.row_count(); ++row) {
    const bool of_station = table.lire_case(row, "Station") == station;
    const bool marked = is_checked(table, row);
    bool mark = marked;
    switch (choice) {
      case StationChoice::only_station:
        mark = of_station;
        break;
      case StationChoice::add_station:
        mark = marked || of_station;
        break;
      case StationChoice::uncheck_all:
        mark = false;
        break;
      case StationChoice::uncheck_station:
        mark = marked && !of_station;
        break;
      case StationChoice::check_all:
        mark = true;
        break;
    }
    table.ecrire_case(row, kCheckColumn, mark ? std::string(kCheckMark) : std::string());
  }
}

std::array<std::string, 5> station_choice_captions(std::string_view station) {
  const std::string name(station);
  return {"ne cocher que les <" + name + ">", "cocher les <" + name + "> en plus",
          "décocher toutes les lignes", "décocher juste les  <" + name + ">", "cocher toutes les lignes "};
}

std::string chart_title_after(StationChoice choice, std::string_view station, std::string_view previous) {
  switch (choice) {
    case StationChoice::only_station:
      return "Station " + std::string(station);
    case StationChoice::add_station:
      return std::string(previous) + "+" + std::string(station);
    default:
      return "Graphiques";
  }
}

}  // namespace talve
