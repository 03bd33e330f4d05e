// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/plain_number.h"

namespace talve {

bool read_plain_number(std::string_view text, PlainNumber& number) {
  const char* p = text.data();
  const char* const end = p + text.size();
  if (p < end && *p == '<') ++p;
  const bool negative = p < end && *p == '-';
  if (p < end && (*p == '+' || *p == '-')) ++p;
  std::uint64_t m = 0;
  int digits = 0;
  while (p < end && static_cast<unsigned>(*p - '0') < 10) {
    m = m * 10 + static_cast<unsigned>(*p++ - '0');
    ++digits;
  }
  int fraction = 0;
  if (p < end && (*p == '.' || *p == ',')) {
    ++p;
    while (p < end && static_cast<unsigned>(*p - '0') < 10) {
      m = m * 10 + static_cast<unsigned>(*p++ - '0');
      ++fraction;
    }
  }
  digits += fraction;
  if (p != end || digits == 0 || digits > 15) return false;
  number = {m, fraction, negative};
  return true;
}

}  // namespace talve
