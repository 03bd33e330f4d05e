// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>

namespace talve {

// A number in its plain form, before its one division: the value is
// mantissa / 10^scale, negated when negative.
struct PlainNumber {
  std::uint64_t mantissa = 0;
  int scale = 0;
  bool negative = false;
};

// The plain form of a number: one optional "<", a sign, digits, a decimal
// mark ("." or ",") and digits, at most 15 digits in all. False for any
// other text, which the field decoder then reads in full. Reads the text
// one character at a time.
bool read_plain_number(std::string_view text, PlainNumber& number);

// The same reading, with the same outcome on every text, that takes the
// characters eight at a time when the eight bytes from the first digit can
// be read, that is lie before `readable_end` (the end of the line the text
// belongs to): the digits of a field are then checked and converted without
// a branch per character.
bool read_plain_number(std::string_view text, const char* readable_end, PlainNumber& number);

}  // namespace talve
