// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace talve {

// Helpers shared by the station and date rules of file names.

inline bool is_ascii_digit(char c) { return c >= '0' && c <= '9'; }

// A syllable number written in a rule: digits only once trimmed. Numbers
// too large for an int saturate, so they simply name no syllable.
std::optional<int> numero_syllabe(std::string_view text);

// Syllable k (from 1) of the name cut at the separator, trimmed; "" when k
// is below 1 or the name has fewer syllables.
std::string syllabe(std::string_view name, int k, char separator = '_');

// The characters of the syllable at the positions where the mask holds
// "x"; "" when the syllable is shorter than the mask.
std::string appliquer_masque(std::string_view syllable, std::string_view mask);

// At most `length` characters of the text from `position`; "" when the
// position is npos or past the end.
std::string_view morceau(std::string_view text, std::size_t position, std::size_t length);

}  // namespace talve
