// SPDX-License-Identifier: GPL-3.0-or-later
// The eight-at-a-time reading of plain numbers must give the outcome of the
// character-by-character one on every text, whatever bytes follow the field
// in its line.
#include "engine/plain_number.h"

#include <gtest/gtest.h>

#include "engine/na_rules.h"

#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace talve {
namespace {

struct Outcome {
  bool plain;
  PlainNumber number;
};

Outcome one_at_a_time(std::string_view text) {
  Outcome out{};
  out.plain = read_plain_number(text, out.number);
  return out;
}

// The text inside a line, between `before` and `after`: the fast reading
// may look at the line's bytes around the text, never past them.
Outcome eight_at_a_time(std::string_view text, std::string_view after, std::string_view before = {}) {
  const std::string line = std::string(before) + std::string(text) + std::string(after);
  Outcome out{};
  out.plain = read_plain_number(std::string_view(line.data() + before.size(), text.size()), line.data(),
                                line.data() + line.size(), out.number);
  return out;
}

// The reading of a field already loaded as a word, when it can be loaded:
// every plain number but those behind a "<", which are left to the text
// reading.
Outcome from_word(std::string_view text, std::string_view after, std::string_view before, bool& loaded) {
  const std::string line = std::string(before) + std::string(text) + std::string(after);
  const std::string_view field(line.data() + before.size(), text.size());
  Outcome out{};
  std::uint64_t word = 0;
  loaded = load_text_word(field, line.data(), line.data() + line.size(), word);
  out.plain = loaded && read_plain_word(word, static_cast<unsigned>(text.size()), out.number);
  return out;
}

void expect_same_number(const Outcome& got, const Outcome& want, std::string_view text) {
  ASSERT_EQ(got.number.mantissa, want.number.mantissa) << "<" << text << ">";
  ASSERT_EQ(got.number.scale, want.number.scale) << "<" << text << ">";
  ASSERT_EQ(got.number.negative, want.number.negative) << "<" << text << ">";
}

void expect_same(std::string_view text, std::string_view after, std::string_view before = {}) {
  const Outcome want = one_at_a_time(text);
  const Outcome got = eight_at_a_time(text, after, before);
  ASSERT_EQ(got.plain, want.plain) << "<" << before << "|" << text << "|" << after << ">";
  if (want.plain) expect_same_number(got, want, text);
  bool loaded = false;
  const Outcome word = from_word(text, after, before, loaded);
  if (!loaded) return;
  ASSERT_EQ(word.plain, want.plain && text.front() != '<')
      << "<" << before << "|" << text << "|" << after << ">";
  if (word.plain) expect_same_number(word, want, text);
}

TEST(PlainNumber, ReadsThePlainForms) {
  struct Case {
    const char* text;
    bool plain;
    std::uint64_t mantissa;
    int scale;
    bool negative;
  };
  const Case cases[] = {
      {"-38.208", true, 38208, 3, true},
      {"30.227", true, 30227, 3, false},
      {"<0,5", true, 5, 1, false},
      {"+7", true, 7, 0, false},
      {"5.", true, 5, 0, false},
      {".5", true, 5, 1, false},
      {"-.25", true, 25, 2, true},
      {"12345678", true, 12345678, 0, false},
      {"1234567.8", true, 12345678, 1, false},
      {"123456789012345", true, 123456789012345ULL, 0, false},
      {"1234567890123456", false, 0, 0, false},  // 16 digits
      {"", false, 0, 0, false},
      {"-", false, 0, 0, false},
      {".", false, 0, 0, false},
      {"1.2.3", false, 0, 0, false},
      {"1e5", false, 0, 0, false},
      {" 1", false, 0, 0, false},
      {"1 ", false, 0, 0, false},
      {"NA", false, 0, 0, false},
      {"--1", false, 0, 0, false},
      {"<<1", false, 0, 0, false},
      {"1/2", false, 0, 0, false},
      {"\xB9", false, 0, 0, false},
  };
  for (const Case& c : cases) {
    for (const char* after : {"", ";12.5;-3", "\r\n"}) {
      const Outcome got = eight_at_a_time(c.text, after, after[0] == '\r' ? "07/11/2021 00:00:48;" : "");
      EXPECT_EQ(got.plain, c.plain) << c.text;
      if (!c.plain || !got.plain) continue;
      EXPECT_EQ(got.number.mantissa, c.mantissa) << c.text;
      EXPECT_EQ(got.number.scale, c.scale) << c.text;
      EXPECT_EQ(got.number.negative, c.negative) << c.text;
    }
  }
}

// Every text of up to five characters over the characters that matter.
TEST(PlainNumber, EveryShortTextAgrees) {
  const std::string alphabet = "019.,-+<a/:\xB0";
  std::string text;
  auto visit = [&](auto&& self, std::size_t length) -> void {
    expect_same(text, "");                          // alone in its line: one at a time
    expect_same(text, ";-12.5;7.25;NA");            // eight bytes readable after it
    expect_same(text, "", "2021-11-07 00:00:48;");  // the last field of a line
    expect_same(text, "\r", "\xFF\x01;-3.5;");
    expect_same(text, ".5\t\xFF\x01\x02\x03\x04\x05");
    if (length == 5 || testing::Test::HasFatalFailure()) return;
    for (char c : alphabet) {
      text.push_back(c);
      self(self, length + 1);
      text.pop_back();
    }
  };
  visit(visit, 0);
}

TEST(PlainNumber, LongerRandomTextsAgree) {
  std::mt19937 random(7);
  const std::string alphabet = "0123456789012345678901234567890123456789.,-+<e ";
  for (int i = 0; i < 300000 && !testing::Test::HasFatalFailure(); ++i) {
    std::string text, after;
    const std::size_t length = random() % 18;
    for (std::size_t k = 0; k < length; ++k) text.push_back(alphabet[random() % alphabet.size()]);
    std::string before;
    const std::size_t extra = random() % 10, ahead = random() % 10;
    for (std::size_t k = 0; k < extra; ++k) after.push_back(static_cast<char>(random() % 256));
    for (std::size_t k = 0; k < ahead; ++k) before.push_back(static_cast<char>(random() % 256));
    expect_same(text, after, before);
  }
}

// The equivalence texts compared as words give the answer of the comparison
// character by character, for fields anywhere in their line.
TEST(PlainNumber, EquivalenceWordsAgreeWithTheTexts) {
  const char* rule_sets[] = {
      "NA;-99999",          "NA;-99999;;NAN;-9999.000", "NA;une valeur longue;-1", "\xFF\x01;;0;00000000",
      "12345678;1234567;x", "NA;ND;-99999;-88888;NA"};
  std::mt19937 random(11);
  const std::string alphabet = "0129-NA.x\xFF\x01";
  for (const char* texts : rule_sets) {
    const NaRules rules = NaRules::from_texts(texts, "", "");
    std::vector<std::string> fields(rules.equivalences.begin(), rules.equivalences.end());
    for (int i = 0; i < 20000; ++i) {
      std::string field;
      const std::size_t length = 1 + random() % 9;
      for (std::size_t k = 0; k < length; ++k) field.push_back(alphabet[random() % alphabet.size()]);
      fields.push_back(field);
    }
    for (const std::string& field : fields) {
      if (field.empty()) continue;
      for (const char* around : {"", ";", ";-12.5;7.25;NA", "2021-11-07 00:00:48;"}) {
        const std::string line = std::string(around) + field + around;
        const std::string_view in_line(line.data() + std::strlen(around), field.size());
        std::uint64_t word = 0;
        const bool want = rules.equivalent(field);
        if (load_text_word(in_line, line.data(), line.data() + line.size(), word)) {
          ASSERT_EQ(rules.equivalent_word(word, field.size(), in_line), want)
              << texts << " <" << field << ">";
        }
      }
    }
  }
}

}  // namespace
}  // namespace talve
