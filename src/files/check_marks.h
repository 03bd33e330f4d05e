// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace talve {

class FileTable;

// The check marks of the column " x", which choose the files a processing
// run reads, and the checked-file list (`ListBox_fic_coche`) that mirrors
// them by file name.

inline constexpr std::string_view kCheckColumn = " x";
inline constexpr std::string_view kCheckMark = "x";

bool is_checked(const FileTable& table, int row);
// The checked-file list rebuilt from the table: the "fichier" of every row
// whose " x" cell is "x", in table order.
std::vector<std::string> checked_file_names(const FileTable& table);
// The first file row carrying "x", 0 when none does.
int first_marked_row(const FileTable& table);
// Every " x" cell emptied, then the first row of each listed name marked.
void restore_check_marks(FileTable& table, const std::vector<std::string>& names);
// Double-click on a " x" cell of a file row: "x" <-> empty.
void toggle_check_mark(FileTable& table, int row);

// The five choices of the check panel, after their radio buttons.
enum class StationChoice {
  only_station,     // `RadioButton1`: "x" exactly on the rows of the station
  add_station,      // `RadioButton2`: the rows of the station marked too
  uncheck_all,      // `RadioButton4`
  uncheck_station,  // `RadioButton5`: the marks of the station's rows removed
  check_all,        // `RadioButton6`
};

// Applies a choice to every file row, comparing stations through the
// "Station" column.
void apply_station_choice(FileTable& table, StationChoice choice, std::string_view station);

// The captions of the five radio buttons for a station, in the order of
// StationChoice.
std::array<std::string, 5> station_choice_captions(std::string_view station);

// The chart window's title label after a choice: "Station " + station, the
// previous title + "+" + station, or "Graphiques".
std::string chart_title_after(StationChoice choice, std::string_view station, std::string_view previous);

}  // namespace talve
