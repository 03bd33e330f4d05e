// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace talve {

// The preview of a loaded file (`Memo6`): its first 21 lines with ";" and
// NUL shown as tabs and accents repaired, then three closing lines telling
// that this is only part of the file.
std::vector<std::string> preview_lines(const std::vector<std::string_view>& lines);
// The same lines as the memo's text, each followed by "\n".
std::string preview_text(const std::vector<std::string_view>& lines);

}  // namespace talve
