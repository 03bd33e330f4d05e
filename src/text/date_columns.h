// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace talve {

// The columns of a date-time written over several columns: the column
// numbers of `Edit_num_col_datetime` joined by "+" ("2+3+4" for a year, a
// day of the year and a time in columns 2, 3 and 4). Their fields, joined by
// one blank, are the value the one-column pattern reads ("2010 48 2200" for
// "aaaa_qqq_hhmn").

// Whether the text is a list of columns (it holds "+") rather than one
// column number.
bool is_column_list(std::string_view text);

// The columns of the text: one number as it always read (0 when it does not
// read, which gives no date), or every number of a list, each from 1 and
// none twice. A malformed list gives nothing.
std::optional<std::vector<int>> read_date_columns(std::string_view text);

// The columns of the text, {0} (no date) for a malformed list.
std::vector<int> date_columns_or_none(std::string_view text);

// What the date-time column field accepts, said to the user who typed
// something else.
std::string date_columns_rule_text(std::string_view typed);

}  // namespace talve
