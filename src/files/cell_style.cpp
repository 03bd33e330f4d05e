// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/cell_style.h"

#include "text/text_utils.h"

namespace talve {

CellStyle cell_style(std::string_view column_title, int row, bool selected) {
  if (row == 0) return {CellInk::maroon, CellPaper::menu};
  const std::string_view title = trim_view(column_title);
  const bool dates = title == "date dep" || title == "date fin";
  if (selected) return {CellInk::maroon, dates ? CellPaper::selected_dates : CellPaper::selected_other};
  if (title == "fichier") return {CellInk::maroon, CellPaper::scheme_first};
  if (title == "x") return {CellInk::maroon, CellPaper::scheme_second};
  if (dates) return {CellInk::blue, CellPaper::scheme_second};
  return {CellInk::window_text, CellPaper::scheme_third};
}

}  // namespace talve
