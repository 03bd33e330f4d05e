// SPDX-License-Identifier: GPL-3.0-or-later
// The compiled reading of a pattern must agree with the text path
// (normalise_date_heure, then texte_vers_datetime on a 19-character result)
// on every value: outcome, instant to the bit, tracking lines and
// inverted-date counts.
#include "text/compiled_date_template.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "recording_sink.h"
#include "text/clock.h"
#include "text/date_pattern_fields.h"

namespace talve {
namespace {

DateReading read_through_text(DateTimeReader& reader, const std::string& value, const std::string& pattern) {
  const std::string text = reader.normalise_date_heure(value, pattern);
  if (text == "??") return {DateOutcome::no_value, 0};
  if (text.empty()) return {DateOutcome::no_date, 0};
  if (text.size() != 19) return {DateOutcome::not_canonical, 0};
  std::string normalised;
  const TDateTime instant = reader.texte_vers_datetime(text, normalised);
  return {normalised.empty() ? DateOutcome::invalid : DateOutcome::instant, instant};
}

// Values in every layout the patterns meet, then damaged in every way a
// data file can damage them.
class ValueMaker {
 public:
  explicit ValueMaker(unsigned seed) : m_random(seed) {}

  std::string next() {
    std::string value = layout();
    switch (pick(12)) {
      case 0:
        value.resize(pick(value.size() + 1));
        break;  // cut short
      case 1:
        value += junk();
        break;  // longer
      case 2:
        value = "\"" + value + "\"";
        break;
      case 3:
        value = "\"" + value;
        break;
      case 4:
        value = "\"" + value + "\"" + junk();
        break;
      case 5:
        // Among them the bytes either side of the digits ("/" and ":"), and
        // bytes whose low half alone is a digit's ("?" below, 0xB9 above).
        if (!value.empty()) value[pick(value.size())] = "a -+.,/:T\"0?\xB9"[pick(13)];
        break;
      case 6:
        value = " " + value;
        break;
      case 7:
        value.clear();
        break;
      default:
        break;
    }
    return value;
  }

 private:
  std::size_t pick(std::size_t n) {
    return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(m_random);
  }

  static std::string two(int value) {
    return std::string(1, static_cast<char>('0' + value / 10 % 10)) + static_cast<char>('0' + value % 10);
  }

  // Mostly sound fields, sometimes out of range.
  std::string day() {
    return pick(8) ? two(1 + static_cast<int>(pick(31))) : two(static_cast<int>(pick(40)));
  }
  std::string month() {
    return pick(8) ? two(1 + static_cast<int>(pick(12))) : two(static_cast<int>(pick(20)));
  }
  std::string hour() { return pick(8) ? two(static_cast<int>(pick(24))) : two(static_cast<int>(pick(40))); }
  std::string minute() { return pick(8) ? two(static_cast<int>(pick(60))) : two(static_cast<int>(pick(99))); }
  std::string year() {
    static const char* const kOdd[] = {"0000", "9999", "1899", "1900", "2000", "2100", "0001"};
    if (pick(10) == 0) return kOdd[pick(7)];
    return std::to_string(1950 + pick(100));
  }
  std::string sep() { return std::string(1, "/-. _"[pick(5)]); }
  std::string time_sep() { return std::string(1, ":h.:"[pick(4)]); }
  std::string junk() {
    static const char* const kJunk[] = {".5", " UTC", "+01:00", ":00", "Z", " 12", "\"", ";3.5"};
    return kJunk[pick(8)];
  }
  std::string time() {
    std::string t = hour() + time_sep() + minute();
    if (pick(4)) t += time_sep() + minute();
    return t;
  }

  std::string layout() {
    const std::string s = sep(), t = pick(5) ? " " : "T";
    switch (pick(9)) {
      case 0:
        return year() + s + month() + s + day() + t + time();
      case 1:
        return day() + s + month() + s + year() + t + time();
      case 2:
        return month() + s + day() + s + year() + t + time();
      case 3:
        return two(static_cast<int>(pick(100))) + s + month() + s + day() + t + time();
      case 4:
        return day() + s + month() + s + two(static_cast<int>(pick(100))) + t + time();
      case 5:
        return year() + s + month() + s + day();
      case 6:
        return day() + s + month() + s + year();
      case 7:
        return time();
      default:
        return std::to_string(1 + pick(12)) + "/" + std::to_string(1 + pick(28)) + "/" + year() + " " +
               time();
    }
  }

  std::mt19937 m_random;
};

std::vector<std::string> patterns_to_check() {
  std::vector<std::string> out = date_time_picker().entries;
  for (const std::string& date : date_picker().entries) {
    out.push_back(date);
    for (const std::string& time : time_picker().entries) out.push_back(date + " " + time);
  }
  for (const std::string& time : time_picker().entries) out.push_back(time);
  for (const char* more :
       {"2023/05/12 hh:mn:ss", "12/05/2023 hh:mn:ss", "aaaa_mm_jj_hh_mm_ss", "aaaa-mm-jjThh:mn:ss",
        "jj_mm_19aa", "jj_mm_20aa hh_mn", "jj_mm_hh_mn", "aa_mm_jj_hh_mn_ss", "mm_jj_20aa_hh_mn"})
    out.push_back(more);
  return out;
}

TEST(CompiledDateTemplate, AgreesWithTheTextPathOnEveryPickerPattern) {
  set_fixed_now(*encode_date_time({{2024, 5, 6}, {23, 59, 59, 999}}));
  unsigned seed = 1;
  for (const std::string& pattern : patterns_to_check()) {
    testing::RecordingSink text_sink, compiled_sink;
    DateTimeReader text_reader(&text_sink), compiled_reader(&compiled_sink);
    text_reader.listing_started();
    compiled_reader.listing_started();
    CompiledDateTemplate compiled(compiled_reader, pattern);
    ValueMaker values(seed++);
    for (int i = 0; i < 4000; ++i) {
      const std::string value = values.next();
      const DateReading expected = read_through_text(text_reader, value, pattern);
      const DateReading got = compiled.read(value);
      ASSERT_EQ(static_cast<int>(got.outcome), static_cast<int>(expected.outcome))
          << "pattern <" << pattern << "> value <" << value << ">";
      ASSERT_EQ(got.instant, expected.instant) << "pattern <" << pattern << "> value <" << value << ">";
      ASSERT_EQ(compiled_sink.lines, text_sink.lines)
          << "pattern <" << pattern << "> value <" << value << ">";
      ASSERT_EQ(compiled_reader.inverted_total(), text_reader.inverted_total())
          << "pattern <" << pattern << ">";
    }
  }
  set_fixed_now(std::nullopt);
}

// A pattern lacking a group reads that group from position 0, over the
// year: its fields then hold fewer digits than the reading asks for, and
// the compiled reading must refuse what the text path refuses.
TEST(CompiledDateTemplate, PatternsWithMissingGroupsAgreeWithTheTextPath) {
  struct Case {
    const char* pattern;
    const char* value;
  };
  const Case cases[] = {
      {"aaaa\xC5"
       "3",
       "0221`:T1105:a0"},  // found by the date fuzz target
      {"aaaa_3", "0221`:T1105:a0"},
      {"aaaa", "0221 1105 0"},
      {"aaaa_mm", "0201 0000 00"},
      {"aaaa_mm_jj", "2022/03/12"},
      {"aaaa_mm_jj_hh", "2022/03/12 01 x0"},
  };
  for (const Case& c : cases) {
    DateTimeReader text_reader, compiled_reader;
    text_reader.run_started();
    compiled_reader.run_started();
    const DateReading expected = read_through_text(text_reader, c.value, c.pattern);
    CompiledDateTemplate compiled(compiled_reader, c.pattern);
    const DateReading got = compiled.read(c.value);
    EXPECT_EQ(static_cast<int>(got.outcome), static_cast<int>(expected.outcome))
        << c.pattern << " " << c.value;
    EXPECT_EQ(got.instant, expected.instant) << c.pattern << " " << c.value;
  }
}

// The values of a logger file one after the other: the date of the line
// before is kept, so each value below changes one thing from the one above
// it (the time only, the day, the month or the year alone, a date that does
// not exist, a time out of range on a known date) and must still read as
// the text path reads it.
TEST(CompiledDateTemplate, ValuesInSequenceAgreeWithTheTextPath) {
  const char* const values[] = {
      "2021-11-07 00:00:48", "2021-11-07 00:02:05", "2021-11-07 23:59:59", "2021-11-08 00:00:01",
      "2021-12-08 00:00:01", "2022-12-08 00:00:01", "2022-12-08 24:00:01", "2022-12-08 23:60:01",
      "2022-12-08 23:59:60", "2022-12-08 2x:00:00", "2022-12-08 12:00:00", "2022-02-31 12:00:00",
      "2022-02-28 12:00:00", "2022-02-31 12:00:00", "2022-02-29 12:00:00", "2024-02-29 12:00:00",
      "2024-02-29 12:00:00", "0000-01-01 00:00:00", "9999-12-31 23:59:59", "2024-0a-29 12:00:00",
      "2024-02-29 12:00:00", "2024-02-2  12:00:00", "2024-02-29 12:00:0",  "2024-02-29 12:00:00",
  };
  DateTimeReader text_reader, compiled_reader;
  text_reader.run_started();
  compiled_reader.run_started();
  CompiledDateTemplate compiled(compiled_reader, "aaaa_mm_jj_hh_mn_ss");
  for (const char* value : values) {
    const DateReading expected = read_through_text(text_reader, value, "aaaa_mm_jj_hh_mn_ss");
    const DateReading got = compiled.read(value);
    EXPECT_EQ(static_cast<int>(got.outcome), static_cast<int>(expected.outcome)) << value;
    EXPECT_EQ(got.instant, expected.instant) << value;
  }
}

// The first value read by a template, with zero bytes where the year, the
// month and the day are: no date was read before it, whatever its bytes
// (found by the date fuzz target).
TEST(CompiledDateTemplate, AFirstValueOfZeroBytesIsNotTakenForAKnownDate) {
  const std::string values[] = {std::string("\0\0\0\0-\0\0-\0\0 12:00:00", 19), std::string(19, '\0')};
  for (const std::string& value : values) {
    DateTimeReader text_reader, compiled_reader;
    text_reader.run_started();
    compiled_reader.run_started();
    CompiledDateTemplate compiled(compiled_reader, "aaaa_mm_jj_hh_mn_ss");
    const DateReading expected = read_through_text(text_reader, value, "aaaa_mm_jj_hh_mn_ss");
    const DateReading got = compiled.read(value);
    EXPECT_EQ(static_cast<int>(got.outcome), static_cast<int>(expected.outcome));
    EXPECT_EQ(got.instant, expected.instant);
  }
}

TEST(CompiledDateTemplate, ReadsTheInstantOfCommonLayouts) {
  struct Case {
    const char* pattern;
    const char* value;
    DateOutcome outcome;
    TDateTime instant;
  };
  const TDateTime instant = *encode_date_time({{2022, 3, 12}, {1, 15, 30, 0}});
  const Case cases[] = {
      {"aaaa_mm_jj_hh_mn_ss", "2022-03-12T01:15:30", DateOutcome::instant, instant},
      {"jj_mm_aaaa_hh_mn_ss", "12/03/2022 01:15:30", DateOutcome::instant, instant},
      {"20aa_mm_jj hh_mn_ss", "22/03/12 01:15:30", DateOutcome::instant, instant},
      {"aaaa_mm_jj_hh_mn_ss", "", DateOutcome::no_value, 0},
      {"aaaa_mm_jj_hh_mn_ss", "2022-03-12T0", DateOutcome::no_date, 0},
      {"aaaa_mm_jj_hh_mn_ss", "2022-02-30T01:15:30", DateOutcome::invalid, 0},
      {"aaaa_mm_jj_hh_mn_ss", "2022-02-28T01:15:3", DateOutcome::not_canonical, 0},
      {"jj/mm/aaaa OU aaaa/mm/jj", "12/03/2022 01:15:30", DateOutcome::instant, instant},
  };
  for (const Case& c : cases) {
    DateTimeReader reader;
    CompiledDateTemplate compiled(reader, c.pattern);
    const DateReading got = compiled.read(c.value);
    EXPECT_EQ(static_cast<int>(got.outcome), static_cast<int>(c.outcome)) << c.pattern << " " << c.value;
    EXPECT_EQ(got.instant, c.instant) << c.pattern << " " << c.value;
  }
}

}  // namespace
}  // namespace talve
