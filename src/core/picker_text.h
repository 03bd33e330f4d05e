// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/tdatetime.h"

namespace talve {

// Reads the value of a time or date picker as a description file holds it:
// a time "h:n[:s]", a date "d/m/yyyy", or a date followed by a blank and a
// time (one or two digits per field, four for the year). Nothing when the
// text is none of these or not a calendar date.
std::optional<TDateTime> read_picker_text(std::string_view text);

// The proposals of the pattern lists beside the pattern fields, in order:
// `ListBox_date_heure`, `ListBox_date`, `ListBox_heure` and the file-name
// date examples `ListBox_date_fic`. Nothing for another name.
std::vector<std::string_view> pattern_list_entries(std::string_view list);
// What a double-click on an entry of such a list writes into its field: a
// file-name date example whole (its "," parts are the rule), any other entry
// up to its comment in "(", trimmed.
std::string pattern_list_choice(std::string_view list, std::string_view entry);

}  // namespace talve
