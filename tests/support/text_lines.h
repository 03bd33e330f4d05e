// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <random>
#include <string>
#include <vector>

namespace talve::testing {

// The lines, each ended by CR LF, as the program's files hold them.
inline std::string crlf(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// The lines of a result file below its title row.
inline std::vector<std::string> rows_of(const std::string& text) {
  std::vector<std::string> rows;
  std::size_t start = text.find("\r\n");
  while (start != std::string::npos && start + 2 < text.size()) {
    const std::size_t end = text.find("\r\n", start + 2);
    rows.push_back(text.substr(start + 2, end - start - 2));
    start = end;
  }
  return rows;
}

// A random text of fewer than `max_length` bytes made of letters, CR, LF and
// ";": every way of ending lines, mixed.
inline std::string random_line_ends(std::mt19937& random, unsigned max_length) {
  static constexpr char kAlphabet[] = {'a', '\r', '\n', ';'};
  std::string text;
  const unsigned length = random() % max_length;
  for (unsigned i = 0; i < length; ++i) text.push_back(kAlphabet[random() % 4]);
  return text;
}

}  // namespace talve::testing
