// SPDX-License-Identifier: GPL-3.0-or-later
// The eight-at-a-time reading of plain numbers must agree with the
// character-by-character one, and so must the reading of a field loaded as
// one word and the comparison of a field with the equivalence texts as words. The first byte gives the
// field's length, the second where it starts in the line made of the other bytes; the bytes before the field
// are the ";"-separated equivalence texts.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/na_rules.h"
#include "engine/plain_number.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const char* line = reinterpret_cast<const char*>(data + 2);
  const std::size_t line_size = size - 2;
  const std::size_t offset = data[1] % 32 < line_size ? data[1] % 32 : line_size;
  const std::size_t field_size = std::min<std::size_t>(data[0] % 32, line_size - offset);
  const std::string_view field(line + offset, field_size);

  talve::PlainNumber slow, fast;
  const bool slow_plain = talve::read_plain_number(field, slow);
  const bool fast_plain = talve::read_plain_number(field, line, line + line_size, fast);
  if (slow_plain != fast_plain) talve::fuzz::disagree();
  if (slow_plain &&
      (slow.mantissa != fast.mantissa || slow.scale != fast.scale || slow.negative != fast.negative))
    talve::fuzz::disagree();

  std::uint64_t loaded = 0;
  if (talve::load_text_word(field, line, line + line_size, loaded)) {
    talve::PlainNumber from_word;
    const bool word_plain = talve::read_plain_word(loaded, static_cast<unsigned>(field.size()), from_word);
    if (word_plain != (slow_plain && field.front() != '<')) talve::fuzz::disagree();
    if (word_plain && (from_word.mantissa != slow.mantissa || from_word.scale != slow.scale ||
                       from_word.negative != slow.negative))
      talve::fuzz::disagree();
  }

  const talve::NaRules rules = talve::NaRules::from_texts(std::string_view(line, offset), "", "");
  std::uint64_t word = 0;
  if (talve::load_text_word(field, line, line + line_size, word) &&
      rules.equivalent_word(word, field.size(), field) != rules.equivalent(field))
    talve::fuzz::disagree();
  return 0;
}
