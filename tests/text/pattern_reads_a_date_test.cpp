// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "text/date_pattern.h"
#include "text/date_pattern_fields.h"
#include "text/datetime_reader.h"

namespace talve {
namespace {

// Every pattern the pickers offer reads a date, alone or, for the date and
// time columns, joined as a run joins them.
TEST(PatternReadsADate, EveryPickerEntryDoes) {
  for (const std::string& entry : date_time_picker().entries)
    EXPECT_TRUE(pattern_reads_a_date(picked_text(entry))) << entry;
  for (const std::string& date : date_picker().entries)
    for (const std::string& time : time_picker().entries)
      EXPECT_TRUE(pattern_reads_a_date(picked_text(date) + " " + picked_text(time))) << date << " " << time;
}

TEST(PatternReadsADate, PatternsWithoutYearMonthOrDayDoNot) {
  struct Case {
    std::string pattern;
    bool reads;
  };
  const Case cases[] = {
      {"zz", false},
      {std::string(1 << 20, 'x'), false},
      {"", false},
      {"mm_jj_hh_mn_ss", false},       // no year: every line on 01/01/1900
      {"yyyy-mm-dd hh:mn:ss", false},  // "y" and "d" are separators
      {"aaaa_mm_hh_mn_ss", false},     // the day would come from the year
      {"hh_mn", false},
      {"hh:mn:ss", true},  // the time alone, dated the day it is read
      {"2023/05/12 hh:mn:ss", true},
      {"jj/mm/aaaa OU aaaa/mm/jj", true},
      {"20aa_mm_jj_hh_mn_ss", true},
      {"aaaa-mm-jjThh:mn:sszzzzzz", true},
  };
  for (const Case& c : cases) EXPECT_EQ(pattern_reads_a_date(c.pattern), c.reads) << c.pattern.substr(0, 30);
  EXPECT_EQ(pattern_without_date_text(std::string(1 << 20, 'x')).size(),
            pattern_without_date_text(std::string(60, 'x')).size() + 4);
}

// Random layouts of groups and separators against the reading itself: a
// pattern reads a date exactly when two values written with it, on two
// different days, read back as those two days.
TEST(PatternReadsADate, AgreesWithTheReadingOfValues) {
  struct Day {
    const char* year;
    const char* month;
    const char* day;
    const char* canonical;
  };
  const Day days[] = {{"2021", "03", "12", "12/03/2021"}, {"2023", "07", "25", "25/07/2023"}};
  const std::string separators = "_/-: T.";
  std::mt19937 random(24);
  for (int trial = 0; trial < 2000; ++trial) {
    std::vector<std::string> groups = {"hh", "mn"};
    for (const char* optional : {"aaaa", "mm", "jj", "ss"})
      if (random() % 4 != 0) groups.push_back(optional);
    std::shuffle(groups.begin(), groups.end(), random);
    std::string pattern;
    for (const std::string& group : groups) {
      if (!pattern.empty()) pattern += separators[random() % separators.size()];
      pattern += group;
    }
    bool both_read = true;
    for (const Day& d : days) {
      std::string value = pattern;
      const auto put = [&value](const std::string& group, const char* digits) {
        const std::size_t at = value.find(group);
        if (at != std::string::npos) value.replace(at, group.size(), digits);
      };
      put("aaaa", d.year);
      put("mm", d.month);
      put("jj", d.day);
      put("hh", "10");
      put("mn", "20");
      put("ss", "30");
      DateTimeReader reader;
      both_read = both_read && reader.normalise_date_heure(value, pattern).starts_with(d.canonical);
    }
    // The time alone is dated the day it is read, whatever the value.
    const bool time_alone = normalise_pattern(pattern) == kPatternTimeAlone;
    EXPECT_EQ(pattern_reads_a_date(pattern), both_read || time_alone) << pattern;
  }
}

}  // namespace
}  // namespace talve
