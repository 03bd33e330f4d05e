// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace talve {

class FileTable;

// How the cells of a column are compared when the FileTable is sorted.
enum class SortKey {
  text,     // byte-wise, case-sensitive
  numeric,  // read with `lire_reel`; a cell that does not read counts as 0
  date,     // day-first date-time texts compared as instants; others count as 0
};

// The key a double-click sort uses for a column: "date_NOM_Fichier" (year
// first, so its texts sort in time order) as text, "date dep" and "date fin"
// as dates, any other column as a number when its first file row begins
// with a digit, else as text.
SortKey sort_key_for(const FileTable& table, std::string_view column_title);

// `trier_tableau`: sorts the file rows on a column with a gap sort. Equal
// keys are never exchanged. Whole rows move, their pre-read facts with them.
void trier_tableau(FileTable& table, int column, SortKey key, bool ascending);

}  // namespace talve
