// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

#include "text/tdatetime.h"

namespace talve {

// Reads the value of a time or date picker as a description file holds it:
// a time "h:n[:s]", a date "d/m/yyyy", or a date followed by a blank and a
// time (one or two digits per field, four for the year). Nothing when the
// text is none of these or not a calendar date.
std::optional<TDateTime> read_picker_text(std::string_view text);

}  // namespace talve
