// SPDX-License-Identifier: GPL-3.0-or-later
// The eight-at-a-time reading of plain numbers must agree with the
// character-by-character one. The first byte gives the field's length; the
// bytes after the field are the rest of its line.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/plain_number.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const char* line = reinterpret_cast<const char*>(data + 1);
  const std::size_t line_size = size - 1;
  const std::size_t field_size = data[0] % 32 < line_size ? data[0] % 32 : line_size;
  const std::string_view field(line, field_size);

  talve::PlainNumber slow, fast;
  const bool slow_plain = talve::read_plain_number(field, slow);
  const bool fast_plain = talve::read_plain_number(field, line + line_size, fast);
  if (slow_plain != fast_plain) talve::fuzz::disagree();
  if (slow_plain &&
      (slow.mantissa != fast.mantissa || slow.scale != fast.scale || slow.negative != fast.negative))
    talve::fuzz::disagree();
  return 0;
}
