// SPDX-License-Identifier: GPL-3.0-or-later
// The fast splitter and champ_n must give the fields of the literal
// algorithm users rely on: runs of blanks reduced, a separator put in front
// and behind when missing, then the n-th separator found by overwriting the
// ones before it.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "text/field_cutting.h"
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

// Long lines where most bytes are separators (up to sixteen fields a block
// of sixteen bytes), then short ones on the same splitter: the room for the
// fields grows block by block, and a short line shows none of the fields of
// a longer one before it.
TEST(FieldSplitter, AgreesWithChampNOnLongLinesOfManyFields) {
  std::mt19937 random(20261209);
  for (char separator : {';', ' '}) {
    FieldSplitter splitter;
    for (int round = 0; round < 60; ++round) {
      const std::string alphabet = std::string(1 + random() % 6, separator) + "a1 ";
      std::string line;
      const int length = round % 2 == 0 ? static_cast<int>(random() % 3000) : static_cast<int>(random() % 20);
      for (int i = 0; i < length; ++i) line.push_back(alphabet[random() % alphabet.size()]);
      const std::size_t count = splitter.split(line, separator);
      for (int n = 0; n <= static_cast<int>(count) + 2; ++n) {
        ASSERT_EQ(std::string(splitter.field(static_cast<std::size_t>(n))),
                  literal_champ_n(line, n, separator))
            << "round " << round << " n=" << n;
      }
    }
  }
}

// The byte rules as the users' files meet them: 0x01 alone, or every byte
// below 0x20 but TAB, LF and CR.
bool literal_control(const std::string& line, ControlBytes control) {
  for (const char c : line) {
    const auto byte = static_cast<unsigned char>(c);
    if (control == ControlBytes::StartOfHeading && byte == 1) return true;
    if (control == ControlBytes::AllButTabAndLineEnds && byte < 32 && byte != 9 && byte != 10 && byte != 13)
      return true;
  }
  return false;
}

TEST(FieldSplitter, SplitUnlessControlRefusesExactlyTheLinesWithControlBytes) {
  std::mt19937 random(20240913);
  // Mostly field bytes, with control bytes, bytes above 0x7F and blanks.
  const std::string common = "12.-;;  ab\t";
  const std::string rare("\x01\x02\x1f\x20\x7f\x80\xff\r\n\x00", 10);
  for (const ControlBytes control :
       {ControlBytes::None, ControlBytes::StartOfHeading, ControlBytes::AllButTabAndLineEnds}) {
    for (char separator : {';', ' ', '\t'}) {
      FieldSplitter plain, checked;
      for (int round = 0; round < 6000; ++round) {
        std::string line;
        const int length = static_cast<int>(random() % 70);
        for (int i = 0; i < length; ++i)
          line.push_back(random() % 16 == 0 ? rare[random() % rare.size()]
                                            : common[random() % common.size()]);
        const bool refused = literal_control(line, control);
        ASSERT_EQ(holds_control_bytes(line, control), refused) << "[" << line << "]";
        ASSERT_EQ(checked.split_unless_control(line, separator, control), !refused) << "[" << line << "]";
        if (refused) continue;
        ASSERT_EQ(checked.size(), plain.split(line, separator)) << "[" << line << "]";
        for (std::size_t n = 1; n <= plain.size(); ++n) ASSERT_EQ(checked.field(n), plain.field(n));
      }
    }
  }
}

}  // namespace
}  // namespace talve

namespace talve {
namespace {

struct QuotedCase {
  const char* line;
  char separator;
  std::vector<std::string> fields;
  bool sound;
};

TEST(FieldSplitter, CutsQuotedFields) {
  const QuotedCase cases[] = {
      {R"("a","b, c","49")", ',', {"a", "b, c", "49"}, true},
      {R"("H ""rel""",x)", ',', {"H \"rel\"", "x"}, true},
      {R"( "a" ; "b";"")", ';', {"a", "b", ""}, true},
      {R"(1,"2",3,)", ',', {"1", "2", "3"}, true},
      {R"("a" "b c"  d)", ' ', {"a", "b c", "d"}, true},
      {R"(,"a",b)", ',', {"a", "b"}, true},  // the leading separator skipped
      // Quotes out of place: the fields are cut all the same.
      {R"("a,b)", ',', {"\"a,b"}, false},
      {R"(1,2"3,4)", ',', {"1", "2\"3", "4"}, false},
      {R"("a"b,c)", ',', {"a", "c"}, false},
  };
  for (const QuotedCase& c : cases) {
    FieldSplitter splitter;
    const CutOutcome outcome =
        splitter.cut(c.line, FieldCutting{c.separator, true, false}, ControlBytes::None);
    EXPECT_EQ(outcome == CutOutcome::fields, c.sound) << c.line;
    std::vector<std::string> got;
    for (std::size_t i = 1; i <= splitter.size(); ++i) got.emplace_back(splitter.field(i));
    EXPECT_EQ(got, c.fields) << c.line;
  }
}

TEST(FieldSplitter, AnEmptyFirstFieldCountsWhenAsked) {
  FieldSplitter splitter;
  ASSERT_EQ(splitter.cut(";a;b", FieldCutting{';', false, true}, ControlBytes::None), CutOutcome::fields);
  EXPECT_EQ(splitter.size(), 3u);
  EXPECT_EQ(splitter.field(1), "");
  EXPECT_EQ(splitter.field(2), "a");
  ASSERT_EQ(splitter.cut(";\"a;x\";b", FieldCutting{';', true, true}, ControlBytes::None),
            CutOutcome::fields);
  EXPECT_EQ(splitter.field(2), "a;x");
  EXPECT_EQ(cut_field(";a;b", 1, FieldCutting{';', false, true}), "");
  EXPECT_EQ(cut_field(";a;b", 1, FieldCutting{';', false, false}), "a");
  // Runs of blanks count as one: a blank-separated line has no empty field.
  ASSERT_EQ(splitter.cut(" a b", FieldCutting{' ', false, true}, ControlBytes::None), CutOutcome::fields);
  EXPECT_EQ(splitter.field(1), "a");
  // Titles decide: an empty first field counts when they do not begin with
  // the separator.
  EXPECT_TRUE(empty_first_field_counts("Station;Date;T", ';'));
  EXPECT_FALSE(empty_first_field_counts(";Date;T", ';'));
  EXPECT_FALSE(empty_first_field_counts("", ';'));
  EXPECT_FALSE(empty_first_field_counts("Date T", ' '));
}

// Fields written by a naive writer (each quoted or not, quoted ones with
// their quotes doubled) are cut back into the same fields.
TEST(FieldSplitter, QuotedFieldsWrittenAnyWayReadBack) {
  std::mt19937 random(7);
  const char alphabet[] = {'a', '1', ',', ';', '"', ' ', '.', 'x'};
  for (int round = 0; round < 5000; ++round) {
    const char separator = ",; "[random() % 3];
    std::vector<std::string> fields;
    std::string line;
    const unsigned count = 1 + random() % 8;
    for (unsigned k = 0; k < count; ++k) {
      std::string field;
      for (unsigned i = random() % 7; i > 0; --i) field.push_back(alphabet[random() % sizeof alphabet]);
      // An unquoted field holds neither quote nor separator, and no blank
      // at its ends (fields are trimmed); a blank-separated one no blank.
      const bool quoted = random() % 2 == 0 || field.empty() ||
                          field.find_first_of(std::string("\" ") + separator) != std::string::npos;
      if (k > 0) line.push_back(separator);
      if (quoted) {
        line.push_back('"');
        for (char c : field) {
          line.push_back(c);
          if (c == '"') line.push_back('"');
        }
        line.push_back('"');
      } else {
        line += field;
      }
      fields.push_back(field);
    }
    FieldSplitter splitter;
    ASSERT_EQ(splitter.cut(line, FieldCutting{separator, true, true}, ControlBytes::None), CutOutcome::fields)
        << line;
    std::vector<std::string> got;
    for (std::size_t i = 1; i <= splitter.size(); ++i) got.emplace_back(splitter.field(i));
    ASSERT_EQ(got, fields) << line;
  }
}

}  // namespace
}  // namespace talve
