// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "files/data_block.h"
#include "files/loaded_file.h"
#include "files/pre_reading.h"

namespace talve {

class Workspace;
struct ListingSettings;

// What the title line (or, without titles, the first data line) tells
// about the columns of a file.
struct ColumnFindings {
  int measurement_columns = 0;
  std::string titles_tab;     // the titles separated by TAB
  std::string origin_titles;  // `Edit_intitule_origine`
};

// The checks of the title line against the title settings: titles where
// none are declared, a title line made of numbers, a title line number
// before the first line. A correction the user accepts is made in the
// description.
PreReadOutcome check_title_line(Workspace& ws, const ListingSettings& settings, const LoadedFile& file,
                                const DataBlock& block, const std::string& path);

// Counts the measurement columns and builds the titles, with the checks of
// the blank separator, of the alternative titles and of a line holding a
// single column.
PreReadOutcome find_columns(Workspace& ws, const ListingSettings& settings, const LoadedFile& file,
                            const DataBlock& block, const std::string& path, ColumnFindings& findings);

// The separators of a line; with the blank separator, runs of blanks count
// as one and blanks at the ends do not count.
int separators_in(std::string_view line, char split);

// "A1", "B2", "C3"... separated by TAB; after "Z26" the letters start again
// at "A".
std::string generated_titles(int count);

}  // namespace talve
