// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/word_bytes.h"

namespace talve {

class DataDescription;

// The texts and bounds that make a field missing, fixed at the start of a
// run: up to seven equivalence texts (`Edit_equiv_na.text` cut at ";"),
// compared exactly with the field, and a lower and an upper bound
// (`Edit_min_na.text`, `Edit_max_na.text`) present only when their text is
// not empty.
struct NaRules {
  static constexpr int kMaxEquivalences = 7;

  std::vector<std::string> equivalences;
  // Bit k set when an equivalence text is k characters long (63: longer),
  // so that most fields are told apart by their length alone.
  std::uint64_t lengths = 0;
  // The texts of at most eight characters as words (first character in the
  // lowest byte, zeros above the text), for a comparison without a branch
  // per character; `all_short` when every text is one of them.
  std::uint64_t short_words[kMaxEquivalences] = {};
  std::uint8_t short_sizes[kMaxEquivalences] = {};
  int short_count = 0;
  bool all_short = true;
  // The same texts by length, when no two different ones share a length
  // (the usual "NA;-99999"): a field is then compared with one word only.
  std::uint64_t word_of_size[9] = {};
  std::uint16_t sizes_with_word = 0;  // bit n: a text of n characters
  bool one_word_per_size = true;
  std::optional<double> lower;
  std::optional<double> upper;

  static NaRules read(const DataDescription& description);
  static NaRules from_texts(std::string_view equivalences, std::string_view lower, std::string_view upper);

  bool has_bounds() const { return lower.has_value() || upper.has_value(); }
  // Strictly below the lower bound or strictly above the upper one.
  bool outside(double value) const { return (lower && value < *lower) || (upper && value > *upper); }
  bool equivalent(std::string_view field) const {
    if (((lengths >> length_bit(field.size())) & 1) == 0) return false;
    for (const std::string& text : equivalences)
      if (same_text(text, field)) return true;
    return false;
  }
  // The same answer as equivalent(field) for a field of 1 to 8 characters
  // whose bytes are the low `size` bytes of `word` (the bytes above are
  // ignored).
  bool equivalent_word(std::uint64_t word, std::size_t size, std::string_view field) const {
    if (!all_short) return equivalent(field);
    if (one_word_per_size) return words_by_size().equivalent(word, size);
    word &= word_bytes::kLow[size];
    bool same = false;
    for (int i = 0; i < short_count; ++i) same |= (short_sizes[i] == size) & (short_words[i] == word);
    return same;
  }
  // The comparison by length alone (one_word_per_size), as a value that a
  // loop over the fields keeps in its registers.
  struct WordsBySize {
    std::uint64_t sizes;         // bit n: a text of n characters
    const std::uint64_t* words;  // word_of_size
    // Without a branch: field lengths vary from line to line, and a branch
    // on whether a text has this length is mispredicted about as often.
    bool equivalent(std::uint64_t word, std::size_t size) const {
      word &= word_bytes::kLow[size];
      return (((sizes >> size) & 1) != 0) & (words[size] == word);
    }
  };
  WordsBySize words_by_size() const { return {sizes_with_word, word_of_size}; }
  // Equal texts, compared in place: the texts are a few characters long.
  static bool same_text(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
      if (a[i] != b[i]) return false;
    return true;
  }
  static unsigned length_bit(std::size_t size) { return size < 63 ? static_cast<unsigned>(size) : 63; }
  // The field once every "." and "," is the given decimal mark equals an
  // equivalence text.
  bool equivalent_with_mark(std::string_view field, char mark) const;
};

}  // namespace talve
