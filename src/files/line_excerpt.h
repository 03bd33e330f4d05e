// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace talve {

// A line of a data file as a message or a tracking line quotes it: whole up
// to kExcerptLength characters, else its beginning followed by " ...". A
// file without line ends is one line of many megabytes, which a message box
// could not show and the report would repeat whole.
inline constexpr std::size_t kExcerptLength = 2000;
std::string line_excerpt(std::string_view line);

}  // namespace talve
