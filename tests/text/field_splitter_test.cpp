// SPDX-License-Identifier: GPL-3.0-or-later
// The fast splitter and champ_n must give the fields of the literal
// algorithm users rely on: runs of blanks reduced, a separator put in front
// and behind when missing, then the n-th separator found by overwriting the
// ones before it.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "text/text_utils.h"

namespace talve {
namespace {

std::string literal_champ_n(std::string line, int n, char separator) {
  if (separator == ' ') {
    std::string reduced;
    for (char c : line)
      if (!(c == ' ' && !reduced.empty() && reduced.back() == ' ')) reduced.push_back(c);
    line = reduced;
  }
  if (line.empty() || n < 1) return {};
  if (line.front() != separator) line.insert(line.begin(), separator);
  if (line.back() != separator) line.push_back(separator);
  std::size_t start = std::string::npos;
  for (int i = 0; i < n; ++i) {
    const auto at = line.find(separator);
    if (at == std::string::npos) return {};
    line[at] = '"';
    start = at;
  }
  const auto end = line.find(separator);
  if (end == std::string::npos) return {};
  std::string field = line.substr(start + 1, end - start - 1);
  const auto first = field.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return field.substr(first, field.find_last_not_of(' ') - first + 1);
}

struct Case {
  const char* line;
  char separator;
  int n;
  const char* field;
};

TEST(ChampN, DocumentedCases) {
  const Case cases[] = {
      {"12;3.5;;7", ';', 3, ""},
      {"12;3.5;;7", ';', 4, "7"},
      {"12;3.5;;7", ';', 5, ""},
      {";a;b", ';', 1, "a"},
      {"  10.5    20.1 ", ' ', 2, "20.1"},
      {" a b", ' ', 1, "a"},
      {"a b", ' ', 1, "a"},
      {"a;b", ';', 0, ""},
      {"", ';', 1, ""},
      {";", ';', 1, ""},
      {";;", ';', 1, ""},
      {"a;b;", ';', 3, ""},
      {" x ; y ", ';', 2, "y"},
      {"a\tb", '\t', 2, "b"},
      {"a \"q\";b", ';', 1, "a \"q\""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(champ_n(c.line, c.n, c.separator), c.field) << c.line << " n=" << c.n;
    EXPECT_EQ(literal_champ_n(c.line, c.n, c.separator), c.field) << c.line << " n=" << c.n;
  }
}

TEST(FieldSplitter, AgreesWithChampNOnGeneratedLines) {
  std::mt19937 random(20211107);
  const std::string alphabet = "ab1.- ;,\t";
  for (char separator : {';', ' ', ',', '\t'}) {
    FieldSplitter splitter;
    for (int round = 0; round < 4000; ++round) {
      std::string line;
      // Up to three blocks of sixteen bytes, so that lines end anywhere in
      // the last block the splitter searches.
      const int length = static_cast<int>(random() % 56);
      for (int i = 0; i < length; ++i) line.push_back(alphabet[random() % alphabet.size()]);
      const std::size_t count = splitter.split(line, separator);
      for (int n = 0; n <= static_cast<int>(count) + 2; ++n) {
        const std::string expected = literal_champ_n(line, n, separator);
        ASSERT_EQ(champ_n(line, n, separator), expected) << "[" << line << "] n=" << n;
        ASSERT_EQ(std::string(splitter.field(static_cast<std::size_t>(n))), expected)
            << "[" << line << "] n=" << n << " sep=" << int(separator);
      }
    }
  }
}

}  // namespace
}  // namespace talve
