// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/field_decoder.h"

#include <gtest/gtest.h>

#include <random>

#include "text/system_locale.h"
#include "text/text_utils.h"

namespace talve {
namespace {

const NaRules kInitialRules = NaRules::from_texts("NA;-1;-99999;-99999.000;-99990.0", "", "");

// The decoding of a field step by step on copies of its text, as the
// program's reading of a data field is described: bounds, equivalences,
// number test, system decimal mark, number test again, bounds again, then
// the missing test and the reading.
struct Literal {
  bool missing = true;
  bool conversion_problem = false;
  double value = 0;
};

Literal literal_decode(const NaRules& rules, std::string field) {
  Literal out;
  auto outside = [&](const std::string& text) {
    if (!rules.has_bounds() || text.empty()) return false;
    const double v = lire_reel(text);
    return (rules.lower && v < *rules.lower) || (rules.upper && v > *rules.upper);
  };
  auto listed = [&](const std::string& text) {
    for (const std::string& e : rules.equivalences)
      if (e == text) return true;
    return false;
  };
  if (outside(field)) field.clear();
  if (listed(field)) field.clear();
  if (!est_nombre(field)) {
    field.clear();
  } else {
    sep_decimal_systeme(field);
    if (!est_nombre(field)) {
      field.clear();
      out.conversion_problem = true;
    }
  }
  if (outside(field)) field.clear();
  if (field.empty() || listed(field) || compter_numeriques(field) == 0) return out;
  remplacer_car('<', ' ', field);
  std::string number = trim(field);
  const char mark = system_decimal_separator();
  for (char& c : number)
    if (c == mark) c = '.';
  out.missing = !read_real(number, out.value);
  return out;
}

void expect_same(const FieldDecoder& decoder, const NaRules& rules, const std::string& field) {
  const Literal want = literal_decode(rules, field);
  double value = 0;
  std::string rewritten;
  const FieldState got = decoder.decode(field, value, rewritten);
  EXPECT_EQ(got == FieldState::conversion_problem, want.conversion_problem) << "<" << field << ">";
  EXPECT_EQ(got == FieldState::value, !want.missing && !want.conversion_problem) << "<" << field << ">";
  if (got == FieldState::value && !want.missing) {
    EXPECT_EQ(value, want.value) << "<" << field << ">";
  }
}

TEST(FieldDecoder, SpecificFields) {
  set_system_decimal_separator(',');
  const FieldDecoder decoder(kInitialRules, ',');
  struct Case {
    const char* field;
    bool missing;
    double value;
  };
  const Case cases[] = {
      {"<0.5", false, 0.5},
      {"<0,5", false, 0.5},
      {"NA", true, 0},
      {"-99999", true, 0},
      {"-99999.00", false, -99999},
      {"-99999.000", true, 0},
      {"-1", true, 0},
      {"-1.0", false, -1},
      {"1.234,5", true, 0},
      {"12:30", true, 0},
      {"abc", true, 0},
      {"", true, 0},
      {"1e3", false, 1000},
      {"1E3", false, 1000},
      {"+2", false, 2},
      {"5.", false, 5},
      {".5", false, 0.5},
      {"< 5", true, 0},
      {"<<5", true, 0},
      {"0x10", true, 0},
      {"inf", true, 0},
      {"nan", true, 0},
      {"1 000", true, 0},
      {"-0", false, 0},
  };
  for (const Case& c : cases) {
    double value = -7;
    std::string rewritten;
    const FieldState state = decoder.decode(c.field, value, rewritten);
    EXPECT_EQ(state == FieldState::missing, c.missing) << c.field;
    if (!c.missing) {
      EXPECT_EQ(value, c.value) << c.field;
    }
  }
}

TEST(FieldDecoder, Bounds) {
  set_system_decimal_separator(',');
  const NaRules rules = NaRules::from_texts("NA", "-50", "50,5");
  const FieldDecoder decoder(rules, ',');
  double value = 0;
  std::string rewritten;
  EXPECT_EQ(decoder.decode("-50", value, rewritten), FieldState::value);
  EXPECT_EQ(decoder.decode("-51", value, rewritten), FieldState::missing);
  EXPECT_EQ(decoder.decode("50.5", value, rewritten), FieldState::value);
  EXPECT_EQ(decoder.decode("50.6", value, rewritten), FieldState::missing);
  // The bounds read the text leniently: "<60" reads as 0 there, inside.
  EXPECT_EQ(decoder.decode("<60", value, rewritten), FieldState::value);
  EXPECT_EQ(value, 60);
  ASSERT_TRUE(rules.lower && rules.upper);
  EXPECT_EQ(*rules.upper, 50.5);
  EXPECT_FALSE(NaRules::from_texts("NA", "", "").has_bounds());
  // A bound text that does not read is a bound at 0.
  EXPECT_EQ(NaRules::from_texts("NA", "bas", "").lower, 0.0);
}

TEST(FieldDecoder, Equivalences) {
  const NaRules rules = NaRules::from_texts("a;b;c;d;e;f;g;h", "", "");
  EXPECT_EQ(rules.equivalences.size(), 7u);
  EXPECT_TRUE(rules.equivalent("g"));
  EXPECT_FALSE(rules.equivalent("h"));
  EXPECT_FALSE(rules.equivalent("A"));
  // With "," as the system mark, "-9.5" rewritten is "-9,5".
  const NaRules comma = NaRules::from_texts("-9,5", "", "");
  const FieldDecoder decoder(comma, ',');
  double value = 0;
  std::string rewritten;
  EXPECT_EQ(decoder.decode("-9.5", value, rewritten), FieldState::missing);
  EXPECT_EQ(decoder.decode("-9,5", value, rewritten), FieldState::missing);
  EXPECT_EQ(decoder.decode("-9.50", value, rewritten), FieldState::value);
  const FieldDecoder point(comma, '.');
  EXPECT_EQ(point.decode("-9.5", value, rewritten), FieldState::value);
}

TEST(FieldDecoder, InPlaceDecodingAgreesWithTheLiteralSteps) {
  // Random fields built from the characters that matter, against the
  // step-by-step reading on copies, for both usual system marks and with
  // and without bounds.
  std::mt19937 random(20240611);
  const std::string alphabet = "0123456789.,<+-eE NAx";
  const NaRules with_bounds = NaRules::from_texts("NA;-1;9,5;1.5;<2", "-3", "7,25");
  const NaRules without = NaRules::from_texts("NA;-1;9,5;1.5;<2", "", "");
  for (char mark : {',', '.'}) {
    set_system_decimal_separator(mark);
    for (const NaRules* rules : {&with_bounds, &without}) {
      const FieldDecoder decoder(*rules, mark);
      for (int i = 0; i < 40000; ++i) {
        const std::size_t length = 1 + random() % 6;
        std::string field;
        for (std::size_t k = 0; k < length; ++k) field.push_back(alphabet[random() % alphabet.size()]);
        field = trim(field);
        expect_same(decoder, *rules, field);
      }
    }
  }
  set_system_decimal_separator(',');
}

TEST(FieldDecoder, OtherSystemMarkGivesConversionProblems) {
  // A decimal mark that is neither "," nor "." no longer reads once written
  // with it: counted as a conversion problem, the rewritten text traced.
  set_system_decimal_separator('/');
  const FieldDecoder decoder(kInitialRules, '/');
  double value = 0;
  std::string rewritten;
  EXPECT_EQ(decoder.decode("1.5", value, rewritten), FieldState::conversion_problem);
  EXPECT_EQ(rewritten, "1/5");
  EXPECT_EQ(decoder.decode("15", value, rewritten), FieldState::value);
  EXPECT_EQ(value, 15);
  EXPECT_EQ(decoder.decode("<4", value, rewritten), FieldState::value);
  EXPECT_EQ(value, 4);
  for (const char* field : {"1.5", "15", "<4", "NA", "-1", "x", "2e2", "2,"})
    expect_same(decoder, kInitialRules, field);
  set_system_decimal_separator(',');
}

TEST(FieldDecoder, LongFieldsReadThroughACopy) {
  const std::string digits(150, '1');
  double value = 0;
  EXPECT_TRUE(read_number_form(digits + ",5", value));
  EXPECT_DOUBLE_EQ(value, 1.1111111111111111e149);
  EXPECT_DOUBLE_EQ(lenient_real(digits), 1.1111111111111111e149);
  EXPECT_EQ(lenient_real("x"), 0);
}

}  // namespace
}  // namespace talve
