// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace talve {

class DataDescription;
class Workspace;

// `Label_col_alternatives`: the titles of the columns to extract, as the
// result will name them. "---" when extraction is off; otherwise "=> " and
// the titles of the listed columns joined by " | ", taken from the
// alternative titles when they are used, else from the original titles line
// (re-split on blanks when the input separator is "Espace", cut as the
// files are when their fields may be quoted). Title lists are split on
// tabs, "," and ";"; a column number without a title shows "?".
// Nothing (no refresh) while the column list is empty or ends with ",", as
// it does while being typed.
std::optional<std::string> column_title_preview(const DataDescription& description,
                                                std::string_view original_titles);

// Recomputes the preview from the description and the original titles
// caption (`Edit_intitule_origine`) and shows it.
void refresh_column_preview(Workspace& workspace);

}  // namespace talve
