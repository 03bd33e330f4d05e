// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace talve {

// Texts inside the program are Windows-1252 bytes, exactly as the data files
// and description files hold them. These two functions are the only place
// where they meet UTF-8: at the window's edge and on the terminal.

// Every byte becomes its Unicode character in UTF-8. The five bytes that
// Windows-1252 leaves undefined (81, 8D, 8F, 90, 9D) map to the C1 controls of
// the same value so that the conversion never loses a byte.
std::string cp1252_to_utf8(std::string_view text);

// Characters without a Windows-1252 byte become "?". Invalid UTF-8 bytes are
// taken as Windows-1252 bytes as they stand, so a text that was never UTF-8
// comes through unchanged.
std::string utf8_to_cp1252(std::string_view text);

// Whether a text is better read as UTF-8 than as Windows-1252: it is valid
// UTF-8, holds at least one character written on several bytes, and every
// such character is one Windows-1252 holds. Read as Windows-1252, such a
// text would show the pairs of an accented capital and a symbol ("Ã©",
// "Â§") that no French text holds.
bool reads_as_utf8(std::string_view text);

// Paths are texts of the program like any other, and the file system names
// files in UTF-8: a path held as a text is converted as it goes to the
// file system, and a name the file system gave becomes a text to be shown.
// A listed data file keeps the path the file system gave it, so that a
// name no text can hold still reads.
inline std::string file_system_path(std::string_view text) { return cp1252_to_utf8(text); }
inline std::string name_as_text(std::string_view name) { return utf8_to_cp1252(name); }

}  // namespace talve
