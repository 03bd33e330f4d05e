// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace talve {

// How the window draws a FileTable cell: every text with one leading blank,
// in a colour on a background named by their roles (the window maps the
// roles to the system colours and the colours of the scheme).
enum class CellInk { maroon, blue, window_text };
enum class CellPaper {
  menu,            // the title row
  selected_dates,  // "date dep" and "date fin" of a selected row
  selected_other,  // the other cells of a selected row
  scheme_first,    // "fichier"
  scheme_second,   // " x", "date dep", "date fin"
  scheme_third,    // every other column
};

struct CellStyle {
  CellInk ink;
  CellPaper paper;
};

CellStyle cell_style(std::string_view column_title, int row, bool selected);

}  // namespace talve
