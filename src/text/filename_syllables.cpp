// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/filename_syllables.h"

#include <climits>

#include "text/text_utils.h"

namespace talve {

std::optional<int> numero_syllabe(std::string_view text) {
  const std::string_view digits = trim_view(text);
  if (digits.empty()) return std::nullopt;
  long long value = 0;
  for (char c : digits) {
    if (!is_ascii_digit(c)) return std::nullopt;
    if (value < INT_MAX) value = value * 10 + (c - '0');
  }
  return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

std::string syllabe(std::string_view name, int k, char separator) {
  // A name of s separators has at most s + 1 syllables: larger numbers are
  // answered without scanning the name.
  if (k < 1 || k > compter_car(separator, name) + 1) return {};
  return champ_n(name, k, separator);
}

std::string appliquer_masque(std::string_view syllable, std::string_view mask) {
  if (syllable.size() < mask.size()) return {};
  std::string kept;
  for (std::size_t i = 0; i < mask.size(); ++i)
    if (mask[i] == 'x') kept.push_back(syllable[i]);
  return kept;
}

std::string_view morceau(std::string_view text, std::size_t position, std::size_t length) {
  if (position == std::string_view::npos || position >= text.size()) return {};
  return text.substr(position, length);
}

}  // namespace talve
