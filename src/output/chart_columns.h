// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/column_map.h"

namespace talve {

// The chart window stacks five charts; each plots at most fifteen of the
// result's columns.
inline constexpr int kChartCount = 5;
inline constexpr int kMaxSeriesPerChart = 15;

// The checked items of the five column lists (or of the five derivative
// lists), one flag per item.
using ChartChecks = std::array<std::vector<bool>, kChartCount>;

// The items of a column list: the titles of the result's data columns 2..C-1
// in order, then "n OK" padded on the right with blanks to the length of the
// longest title, which stands for the line count (column C). Item j stands
// for column j + 2.
std::vector<std::string> chart_items(const ColumnMap& map);

// The lists as a check state text: for each list in order the indexes of its
// checked items, each followed by ",", and the list closed by ";"
// ("0,5,;1,;2,;3,;4,;").
std::string check_state_text(const ChartChecks& lists);

// The lists of `item_count` items each with the items the text checks: field
// k of the text (";"-separated) is read as ","-separated indexes; an index
// outside the list, or a field that is not a number, checks nothing.
ChartChecks checks_from_text(std::string_view text, int item_count);

// The columns dealt over the charts when no state was saved: item i (at
// most fifteen items, the last one "n OK" included) is checked in list
// i mod 5.
ChartChecks dealt_checks(int item_count);

}  // namespace talve
