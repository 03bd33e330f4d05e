// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "text/tdatetime.h"

namespace talve {

class FileTable;

// `supprimer_lignes`: removes the file rows first..last and moves the rows
// below up. A range outside the file rows (first < 1, last < first, last
// past the last row) is refused with std::out_of_range("Invalid row range")
// and changes nothing.
void supprimer_lignes(FileTable& table, int first, int last);

// The day of a "date_NOM_Fichier" cell: a text holding exactly two "/"
// read as year/month/day; nothing when it is no calendar date.
std::optional<TDateTime> file_name_day(std::string_view cell);

// The rows, from the last up to row 1, whose file-name date lies before the
// start or after the end (both compared as days: the end is the midnight
// that starts its day). Rows without a readable file-name date are kept.
std::vector<int> rows_outside_period(const FileTable& table, TDateTime start_day, TDateTime end_day);

}  // namespace talve
