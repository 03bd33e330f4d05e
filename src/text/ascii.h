// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace talve {

// Letter-case helpers on bytes: only A-Z and a-z change, so accented
// Windows-1252 letters stay as they are.

inline char to_upper_ascii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }
inline char to_lower_ascii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

inline std::string upper_ascii(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = to_upper_ascii(c);
  return out;
}

inline std::string lower_ascii(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = to_lower_ascii(c);
  return out;
}

inline bool equals_nocase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (to_upper_ascii(a[i]) != to_upper_ascii(b[i])) return false;
  return true;
}

inline bool contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

}  // namespace talve
