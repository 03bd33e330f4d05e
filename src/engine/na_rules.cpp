// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/na_rules.h"

#include "core/data_description.h"
#include "text/text_utils.h"

namespace talve {

NaRules NaRules::read(const DataDescription& description) {
  return from_texts(description.text("Edit_equiv_na.text"), description.text("Edit_min_na.text"),
                    description.text("Edit_max_na.text"));
}

NaRules NaRules::from_texts(std::string_view equivalences, std::string_view lower, std::string_view upper) {
  NaRules rules;
  const int items = compter_car(';', equivalences) + 1;
  for (int i = 1; i <= items && i <= kMaxEquivalences; ++i) {
    rules.equivalences.push_back(champ_n(equivalences, i, ';'));
    const std::string& text = rules.equivalences.back();
    rules.lengths |= std::uint64_t{1} << length_bit(text.size());
    if (text.empty() || text.size() > 8) {
      // An empty text never equals a field read here (empty fields are
      // missing before any comparison); a long one needs the plain loop.
      rules.all_short = rules.all_short && text.empty();
      continue;
    }
    std::uint64_t word = 0;
    for (std::size_t k = 0; k < text.size(); ++k)
      word |= std::uint64_t{static_cast<unsigned char>(text[k])} << (8 * k);
    rules.short_words[rules.short_count] = word;
    rules.short_sizes[rules.short_count] = static_cast<std::uint8_t>(text.size());
    ++rules.short_count;
    const auto size_bit = static_cast<std::uint16_t>(1u << text.size());
    if ((rules.sizes_with_word & size_bit) != 0 && rules.word_of_size[text.size()] != word)
      rules.one_word_per_size = false;
    rules.sizes_with_word |= size_bit;
    rules.word_of_size[text.size()] = word;
  }
  if (!lower.empty()) rules.lower = lire_reel(lower);
  if (!upper.empty()) rules.upper = lire_reel(upper);
  return rules;
}

bool NaRules::equivalent_with_mark(std::string_view field, char mark) const {
  for (const std::string& text : equivalences) {
    if (text.size() != field.size()) continue;
    bool same = true;
    for (std::size_t i = 0; i < field.size() && same; ++i) {
      const char c = field[i] == '.' || field[i] == ',' ? mark : field[i];
      same = c == text[i];
    }
    if (same) return true;
  }
  return false;
}

}  // namespace talve
