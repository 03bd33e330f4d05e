// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "engine/word_bytes.h"

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
[[nodiscard]] bool read_plain_number(std::string_view text, PlainNumber& number);

namespace plain_number_detail {

constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;

// The low `count` bytes of a word (count from 0 to 8).
inline std::uint64_t low_bytes(unsigned count) { return word_bytes::kLow[count]; }

// The high bit of every byte of `word` that is zero, and of no other.
inline std::uint64_t zero_bytes(std::uint64_t word) {
  const std::uint64_t low7 = ~kHighBits;
  return ~(((word & low7) + low7) | word | low7);
}

// The high bit of every byte that is not a digit; the lowest such byte is
// always marked, bytes above it may be marked by the borrow it causes.
inline std::uint64_t non_digit_bytes(std::uint64_t word) {
  const std::uint64_t shifted = word - 0x30 * kOnes;
  return (shifted | (shifted + 0x76 * kOnes)) & kHighBits;
}

// The value of eight digits, the first one in the lowest byte, each already
// less 0x30.
inline std::uint64_t eight_digits(std::uint64_t digits) {
  digits = digits * 10 + (digits >> 8);
  digits = (((digits & 0x000000FF000000FFULL) * (100 + (1000000ULL << 32))) +
            (((digits >> 16) & 0x000000FF000000FFULL) * (1 + (10000ULL << 32)))) >>
           32;
  return static_cast<std::uint32_t>(digits);
}

// The body after the sign: at most eight characters, digits with at most
// one decimal mark, read as one word whose low `size` bytes are the body.
[[nodiscard]] inline bool read_body_word(std::uint64_t word, unsigned size, PlainNumber& number) {
  const std::uint64_t in_body = low_bytes(size) & kHighBits;
  // "." and "," are 0x2E and 0x2C: with bit 1 set, both read 0x2E.
  const std::uint64_t marks = zero_bytes((word | 0x02 * kOnes) ^ (0x2E * kOnes)) & in_body;
  unsigned digits = size;
  unsigned fraction = 0;
  if (marks != 0) {
    if ((marks & (marks - 1)) != 0) return false;  // two marks
    const unsigned at = static_cast<unsigned>(std::countr_zero(marks)) / 8;
    const std::uint64_t before = low_bytes(at);
    word = (word & before) | ((word >> 8) & ~before);
    digits = size - 1;
    fraction = digits - at;
  }
  if (digits == 0) return false;
  std::uint64_t values = word - 0x30 * kOnes;
  if (non_digit_bytes(word) & low_bytes(digits) & kHighBits) return false;
  values <<= 8 * (8 - digits);  // leading zeros in the bytes freed
  number.mantissa = eight_digits(values);
  number.scale = static_cast<int>(fraction);
  return true;
}

}  // namespace plain_number_detail

// The bytes of a text of 1 to 8 characters as one word, its first character
// in the lowest byte; the bytes above the text are unspecified. The eight
// bytes are read within [readable_begin, readable_end): from the text's
// start, or those that end with it. False when neither fits.
[[nodiscard]] inline bool load_text_word(std::string_view text, const char* readable_begin,
                                         const char* readable_end, std::uint64_t& word) {
  const char* const p = text.data();
  const std::size_t size = text.size();
  if (size == 0 || size > 8) return false;
  if (readable_end - p >= 8) {
    std::memcpy(&word, p, sizeof word);
    return true;
  }
  if (p + size - readable_begin >= 8) {
    std::memcpy(&word, p + size - 8, sizeof word);
    word >>= 8 * (8 - size);
    return true;
  }
  return false;
}

// The reading of a text of 1 to 8 characters already loaded as a word (its
// bytes the low `size` ones, those above unspecified), when it starts with a
// sign or a digit: a field loaded once for the equivalence texts is read
// from the same word. False for any other text, and for those that are not
// plain numbers: read_plain_number gives their outcome.
[[nodiscard]] inline bool read_plain_word(std::uint64_t word, unsigned size, PlainNumber& number) {
  const auto first = static_cast<unsigned char>(word);
  const bool negative = first == '-';
  const unsigned sign = (negative || first == '+') ? 1 : 0;
  if (!plain_number_detail::read_body_word(word >> (8 * sign), size - sign, number)) return false;
  number.negative = negative;
  return true;
}

// The same reading, with the same outcome on every text, that takes the
// characters eight at a time when eight bytes around the digits can be read,
// that is lie within [readable_begin, readable_end) (the line the text
// belongs to): the eight from the first digit, or, for the last field of a
// line, the eight that end with its last one. The digits of a field are then
// checked and converted without a branch per character.
[[nodiscard]] inline bool read_plain_number(std::string_view text, const char* readable_begin,
                                            const char* readable_end, PlainNumber& number) {
  const char* p = text.data();
  const char* const end = p + text.size();
  if (p < end && *p == '<') ++p;
  const bool negative = p < end && *p == '-';
  p += p < end && (*p == '+' || *p == '-');
  const std::size_t size = static_cast<std::size_t>(end - p);
  std::uint64_t word;
  if (!load_text_word(std::string_view(p, size), readable_begin, readable_end, word))
    return read_plain_number(text, number);
  if (!plain_number_detail::read_body_word(word, static_cast<unsigned>(size), number)) return false;
  number.negative = negative;
  return true;
}

}  // namespace talve
