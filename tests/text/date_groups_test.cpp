// SPDX-License-Identifier: GPL-3.0-or-later
// The layouts loggers really write: day of the year, 12-hour clocks,
// two-digit years anywhere, hours alone, Unix times, digits written without
// their zeros, hour 24, dates alone. Each value is read by the text path and
// by the compiled reading of the run, which must agree to the bit.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "recording_sink.h"
#include "text/compiled_date_template.h"
#include "text/date_groups.h"
#include "text/date_pattern.h"
#include "text/date_pattern_fields.h"
#include "text/datetime_reader.h"

namespace talve {
namespace {

struct Reading {
  std::string text;  // normalise_date_heure
  DateReading compiled;
  std::vector<std::string> trace;
};

Reading read_both(const std::string& pattern, const std::string& value) {
  testing::RecordingSink text_sink, compiled_sink;
  DateTimeReader text_reader(&text_sink), compiled_reader(&compiled_sink);
  Reading out;
  out.text = text_reader.normalise_date_heure(value, pattern);
  // The text path ends as the run's did: a canonical text is converted.
  std::string normalised;
  if (out.text.size() == kCanonicalSize) text_reader.texte_vers_datetime(out.text, normalised);
  CompiledDateTemplate compiled(compiled_reader, pattern);
  out.compiled = compiled.read(value);
  out.trace = text_sink.lines;
  EXPECT_EQ(compiled_sink.lines, text_sink.lines) << pattern << " <" << value << ">";
  return out;
}

TDateTime at(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
  return *encode_date_time({{year, month, day}, {hour, minute, second, 0}});
}

struct Layout {
  const char* pattern;
  const char* value;
  TDateTime instant;
};

TEST(DateGroups, EachLayoutReadsItsInstant) {
  const Layout cases[] = {
      // Year, day of the year and HHMM in three columns (joined by blanks).
      {"aaaa_qqq_hhmn", "2010 48 2200", at(2010, 2, 17, 22, 0)},
      {"aaaa_qqq_hhmn", "2010 49 5", at(2010, 2, 18, 0, 5)},
      {"aaaa_qqq_hhmn", "2010 49 0", at(2010, 2, 18)},
      {"aaaa_qqq_hhmn", "2012 019 0100", at(2012, 1, 19, 1, 0)},
      {"aaaa_qqq_hhmn", "2012 366 1155", at(2012, 12, 31, 11, 55)},
      {"aaaa_qqq", "2023 1", at(2023, 1, 1)},
      // HHMM written 1 to 2400: 2400 is midnight ending the day.
      {"aaaa_qqq_hhmn", "2012 19 2400", at(2012, 1, 20)},
      {"aaaa_qqq_hhmn", "2012 366 2400", at(2013, 1, 1)},
      // A 12-hour clock with a two-digit year last.
      {"mm_jj_ee_hh_mn_ss_pp", "10/02/13 06:00:00 AM", at(2013, 10, 2, 6, 0)},
      {"mm_jj_ee_hh_mn_ss_pp", "10/10/19 12:00:00 AM", at(2019, 10, 10, 0, 0)},
      {"mm_jj_ee_hh_mn_ss_pp", "10/10/19 12:30:00 PM", at(2019, 10, 10, 12, 30)},
      {"mm_jj_ee_hh_mn_ss_pp", "12/03/13 04:36:22 PM", at(2013, 12, 3, 16, 36, 22)},
      {"mm_jj_ee_hh_mn_ss_pp", "1/5/22 1:15:00 pm", at(2022, 1, 5, 13, 15)},
      {"jj/mm/aaaa hh:mn pp", "05/01/2022 11:59 P", at(2022, 1, 5, 23, 59)},
      // Two-digit years: 69-99 in the 1900s, 00-68 in the 2000s.
      {"mmjjee", "100110", at(2010, 10, 1)},
      {"mmjjee", "093011", at(2011, 9, 30)},
      {"jj_mm_ee", "31/12/68", at(2068, 12, 31)},
      {"jj_mm_ee", "01/01/69", at(1969, 1, 1)},
      {"ee_mm_jj_hh_mn", "99-12-31 23:59", at(1999, 12, 31, 23, 59)},
      // Dates alone, compact or not.
      {"aaaammjj", "20240615", at(2024, 6, 15)},
      {"jjmmaaaa", "15062024", at(2024, 6, 15)},
      {"aaaa_mm_jj", "2024-6-5", at(2024, 6, 5)},
      // Hours without minutes: minutes 00.
      {"aaaammjj hh", "20000101 10", at(2000, 1, 1, 10, 0)},
      {"aaaammjjhh", "2024061512", at(2024, 6, 15, 12, 0)},
      // An hour of the day in its own column, 1 to 24.
      {"aaaa_mm_jj_hh", "2024-03-01 24", at(2024, 3, 2)},
      {"aaaa_mm_jj_hh", "2024-03-01 7", at(2024, 3, 1, 7)},
      // Digits written without their zeros, every group in order.
      {"jj_mm_aaaa_hh_mn_ss", "1/5/2022 1:15", at(2022, 5, 1, 1, 15)},
      {"mm_jj_aaaa_hh_mn", "1/5/2022 1:15", at(2022, 1, 5, 1, 15)},
      {"aaaa_mm_jj_hh_mn_ss", "2022-3-12 9:05:07", at(2022, 3, 12, 9, 5, 7)},
      {"jj_mm_aaaa_hh_mn", "5/3/2022 14:07", at(2022, 3, 5, 14, 7)},
      {"aaaa_mm_jj_hh_mn_ss", "2024-03-01 24:00:00", at(2024, 3, 2)},
      {"aaaa_mm_jj_hh_mn_ss", "2024-03-01 24:00", at(2024, 3, 2)},
      // A Unix time in seconds.
      {"uuuuuuuuuu", "1700000000", at(2023, 11, 14, 22, 13, 20)},
      {"uuuuuuuuuu", "0", at(1970, 1, 1)},
      {"uuuuuuuuuu", "951782400", at(2000, 2, 29)},
  };
  for (const Layout& c : cases) {
    SCOPED_TRACE(std::string(c.pattern) + " <" + c.value + ">");
    const Reading r = read_both(c.pattern, c.value);
    EXPECT_EQ(r.text, format_canonical(c.instant));
    EXPECT_EQ(r.compiled.outcome, DateOutcome::instant);
    EXPECT_EQ(r.compiled.instant, c.instant);
    EXPECT_TRUE(r.trace.empty()) << r.trace.front();
  }
}

struct Refused {
  const char* pattern;
  const char* value;
  const char* trace;  // "" when the line carries no date, silently
};

TEST(DateGroups, BadValuesAreTracedAndGiveNoInstant) {
  const Refused cases[] = {
      {"mm_jj_ee_hh_mn_ss_pp", "10/02/13 13:00:00 PM",
       " + erreur date : heure 13 PM  corriger <10/02/13 13:00:00 PM>"},
      {"mm_jj_ee_hh_mn_ss_pp", "10/02/13 00:10:00 AM",
       " + erreur date : heure 0 AM  corriger <10/02/13 00:10:00 AM>"},
      {"mm_jj_ee_hh_mn_ss_pp", "10/02/13 06:00:00",
       " + erreur date : AM/PM absent  corriger <10/02/13 06:00:00>"},
      {"mm_jj_ee_hh_mn_ss_pp", "10/02/13 06:00:00 XM",
       " + erreur date : AM/PM illisible XM  corriger <10/02/13 06:00:00 XM>"},
      {"aaaa_qqq_hhmn", "2012 367 5", " + erreur date : jour de l'année 367  corriger <2012 367 5>"},
      {"aaaa_qqq_hhmn", "2011 366 5", " + erreur date : jour de l'année 366  corriger <2011 366 5>"},
      {"aaaa_qqq_hhmn", "2011 0 5", " + erreur date : jour de l'année 0  corriger <2011 0 5>"},
      {"aaaa_qqq_hhmn", "2012 19 2500", " + erreur date : heure 25  corriger <2012 19 2500>"},
      {"aaaa_qqq_hhmn", "2012 19 2401", " + erreur date : heure 24 et 1 min 0 s  corriger <2012 19 2401>"},
      {"aaaa_qqq_hhmn", "2012 19 960", " + erreur date : minutes 60  corriger <2012 19 960>"},
      {"aaaa_qqq_hhmn", "2012 19 12345", " + erreur date : trop de chiffres 12345  corriger <2012 19 12345>"},
      {"aaaa_qqq_hhmn", "2012 19", " + erreur date : date incomplète  corriger <2012 19>"},
      {"aaaa_qqq_hhmn", "12 19 5", " + erreur date : année 12  corriger <12 19 5>"},
      {"mmjjee", "133110", " + erreur date : mois 13  corriger <133110>"},
      {"uuuuuuuuuu", "999999999999", " + erreur date : temps Unix 999999999999  corriger <999999999999>"},
      // No digit: a title or a comment line, no date without a word.
      {"aaaa_qqq_hhmn", "Year JulianDay HHMM", ""},
  };
  for (const Refused& c : cases) {
    SCOPED_TRACE(std::string(c.pattern) + " <" + c.value + ">");
    const Reading r = read_both(c.pattern, c.value);
    EXPECT_EQ(r.text, "");
    EXPECT_EQ(r.compiled.outcome, DateOutcome::no_date);
    EXPECT_EQ(r.compiled.instant, 0);
    if (*c.trace == '\0')
      EXPECT_TRUE(r.trace.empty());
    else
      EXPECT_EQ(r.trace, std::vector<std::string>{c.trace});
  }
}

// A day that is no calendar day, or a padded hour past 24, passes the checks
// of the fields and is refused by the conversion of the canonical text.
TEST(DateGroups, WhatNamesNoInstantIsTracedByTheConversion) {
  const Refused cases[] = {
      {"aaaa_mm_jj_hh_mn", "2022-2-31 1:00", " * erreur date : 31/02/2022 01:00:00   <31/02/2022 01:00:00>"},
      {"aaaa_mm_jj_hh", "2024-03-01 25", " * erreur date : 01/03/2024 25:00:00   <01/03/2024 25:00:00>"},
      {"aaaa_mm_jj_hh_mn_ss", "2024-03-01 24:01:00",
       " * erreur date : 01/03/2024 24:01:00   <01/03/2024 24:01:00>"},
  };
  for (const Refused& c : cases) {
    SCOPED_TRACE(std::string(c.pattern) + " <" + c.value + ">");
    const Reading r = read_both(c.pattern, c.value);
    EXPECT_EQ(r.compiled.outcome, DateOutcome::invalid);
    EXPECT_EQ(r.compiled.instant, 0);
    EXPECT_EQ(r.trace, std::vector<std::string>{c.trace});
  }
}

// Random instants written in every layout, padded or not, with every
// separator, on a 12-hour or a 24-hour clock, read back to themselves.
class Writer {
 public:
  explicit Writer(unsigned seed) : m_random(seed) {}
  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
  std::string number(int value, int width) {
    std::string digits = std::to_string(value);
    if (pick(2) == 0)
      while (static_cast<int>(digits.size()) < width) digits.insert(digits.begin(), '0');
    return digits;
  }
  std::string padded(int value, int width) {
    std::string digits = std::to_string(value);
    while (static_cast<int>(digits.size()) < width) digits.insert(digits.begin(), '0');
    return digits;
  }
  char separator() { return "/-. _:"[pick(6)]; }
  std::mt19937 m_random;
};

int day_of_year(const CivilDate& date) {
  return static_cast<int>(day_number(date) - day_number({date.year, 1, 1})) + 1;
}

TEST(DateGroups, RandomInstantsReadBackInEveryLayout) {
  Writer w(25);
  for (int i = 0; i < 20000; ++i) {
    // Two-digit years stay within 1969-2068; whole seconds.
    const int year = 1969 + w.pick(100);
    const CivilDate date = date_from_day_number(day_number({year, 1, 1}) + w.pick(365));
    const int hour = w.pick(24), minute = w.pick(60), second = w.pick(60);
    const TDateTime instant = at(date.year, date.month, date.day, hour, minute, second);
    const char s = w.separator(), t = w.pick(2) ? ' ' : 'T';
    std::string pattern, value;
    // Minutes and seconds written apart are whole: a short one looks cut
    // off.
    const std::string time = w.number(hour, 2) + ":" + w.padded(minute, 2) + ":" + w.padded(second, 2);
    const int twelve = hour % 12 == 0 ? 12 : hour % 12;
    const std::string clock12 = w.number(twelve, 2) + ":" + w.padded(minute, 2) + ":" + w.padded(second, 2) +
                                (hour < 12 ? " AM" : " PM");
    switch (w.pick(7)) {
      case 0:
        pattern = "aaaa_mm_jj_hh_mn_ss";
        value = std::to_string(year) + s + w.number(date.month, 2) + s + w.number(date.day, 2) + t + time;
        break;
      case 1:
        pattern = "jj_mm_aaaa_hh_mn_ss";
        value = w.number(date.day, 2) + s + w.number(date.month, 2) + s + std::to_string(year) + t + time;
        break;
      case 2:
        pattern = "mm_jj_ee_hh_mn_ss_pp";
        value =
            w.number(date.month, 2) + s + w.number(date.day, 2) + s + w.padded(year % 100, 2) + " " + clock12;
        break;
      case 3:
        pattern = "jj_mm_ee_hh_mn_ss";
        value = w.number(date.day, 2) + s + w.number(date.month, 2) + s + w.number(year % 100, 2) + t + time;
        break;
      case 4:
        pattern = "aaaa_qqq_hhmn_ss";
        value = std::to_string(year) + s + w.number(day_of_year(date), 3) + s +
                std::to_string(hour * 100 + minute) + s + w.number(second, 2);
        break;
      case 5:
        // A compact value is read by the positions of a compact pattern.
        pattern = t == 'T' ? "aaaammjjThhmnss" : "aaaammjj_hhmnss";
        value = std::to_string(year) + w.padded(date.month, 2) + w.padded(date.day, 2) + t +
                w.padded(hour, 2) + w.padded(minute, 2) + w.padded(second, 2);
        break;
      default: {
        if (year < 1970) continue;  // Unix times are written from 1970 on
        pattern = "uuuuuuuuuu";
        const std::int64_t seconds =
            (day_number(date) - day_number({1970, 1, 1})) * 86400 + hour * 3600 + minute * 60 + second;
        value = std::to_string(seconds);
        break;
      }
    }
    const Reading r = read_both(pattern, value);
    ASSERT_EQ(r.compiled.outcome, DateOutcome::instant) << pattern << " <" << value << ">";
    ASSERT_EQ(r.compiled.instant, instant) << pattern << " <" << value << ">";
    ASSERT_EQ(r.text, format_canonical(instant)) << pattern << " <" << value << ">";
  }
}

TEST(DateGroups, PatternsThatNameADate) {
  for (const char* pattern :
       {"aaaa_mm_jj_hh_mn_ss", "20aa_mm_jj", "aaaa_qqq_hhmn", "mm_jj_ee_hh_mn_ss_pp", "uuuuuuuuuu", "mmjjee"})
    EXPECT_TRUE(pattern_names_a_date(normalise_pattern(pattern))) << pattern;
  for (const char* pattern : {"hh_mn_ss", "jj_mm_hh_mn", "aaaa_hh", "qqq_hh_mn", "ee_mm"})
    EXPECT_FALSE(pattern_names_a_date(normalise_pattern(pattern))) << pattern;
}

// Patterns written before these groups existed keep their meaning: letters
// other than the groups are separators, as they always were.
TEST(DateGroups, StrayLettersOfTheNewGroupsStaySeparators) {
  EXPECT_EQ(normalise_pattern("aaaa-mm-jjEhh:mn:ss"), "aaaa_mm_jj_hh_mn_ss");
  EXPECT_EQ(normalise_pattern("aaaa_mm_jj_hh_mn_ss.e"), "aaaa_mm_jj_hh_mn_ss__");
  EXPECT_EQ(normalise_pattern("jj/mm/aaaa p u q"), "jj_mm_aaaa______");
  EXPECT_EQ(normalise_pattern("mm/jj/ee hh:mn:ss pp"), "mm_jj_ee_hh_mn_ss_pp");
}

}  // namespace
}  // namespace talve

namespace talve {
namespace {

// Every pattern the pickers propose reads a value written in its layout
// (the one-column patterns alone, the date patterns followed by a time
// pattern): the list a user picks from holds no pattern that reads nothing.
TEST(DateGroups, EveryPickerPatternReadsItsLayout) {
  struct Example {
    const char* pattern;  // as the picker writes it into the field
    const char* value;
    TDateTime instant;
  };
  const TDateTime evening = *encode_date_time({{2013, 10, 2}, {18, 7, 9, 0}});
  const TDateTime day = *encode_date(2013, 10, 2);
  const Example examples[] = {
      {"aaaa_mm_jj_hh_mn_ss", "2013-10-02 18:07:09", evening},
      {"jj_mm_aaaa_hh_mn_ss", "02/10/2013 18:07:09", evening},
      {"jj_mm_20aa_hh_mn_ss", "02/10/13 18:07:09", evening},
      {"mm_jj_aaaa_hh_mn_ss", "10/02/2013 18:07:09", evening},
      {"19aa_mm_jj_hh_mn_ss", "13/10/02 18:07:09", *encode_date_time({{1913, 10, 2}, {18, 7, 9, 0}})},
      {"20aa_mm_jj_hh_mn_ss", "13/10/02 18:07:09", evening},
      {"jj_mm_aaaa", "02/10/2013", day},
      {"jj/mm/aaaa OU aaaa/mm/jj", "02/10/2013 18:07:09", evening},
      {"mm/dd/yyyy OU yyyy/dd/mm", "2013/10/02 18:07:09", evening},
      {"multiformat_dt_mini_1èreUE", "02/10/2013 18:07:09", evening},
      {"multiformat_dt_mini_1èreUS", "10/02/2013 18:07:09", evening},
      {"aaaa_mm_jjThh_mn_sszzzzzz", "2013-10-02T20:07:09+02:00", evening},
      {"mm_jj_ee_hh_mn_ss_pp", "10/02/13 6:07:09 PM", evening},
      {"jj_mm_ee_hh_mn_ss", "02/10/13 18:07:09", evening},
      {"aaaa_qqq_hhmn", "2013 275 1807", evening - 9 * kOneSecond},
      {"aaaammjjhhmn", "201310021807", evening - 9 * kOneSecond},
      {"aaaammjj", "20131002", day},
      {"mmjjee", "100213", day},
      {"uuuuuuuuuu", "1380737229", evening},
  };
  const std::vector<std::string>& entries = date_time_picker().entries;
  ASSERT_EQ(entries.size(), std::size(examples));
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const Example& e = examples[i];
    ASSERT_EQ(picked_text(entries[i]), e.pattern);
    const std::optional<TDateTime> read = instant_read(e.pattern, e.value);
    ASSERT_TRUE(read.has_value()) << e.pattern << " <" << e.value << ">";
    EXPECT_EQ(whole_seconds(*read), whole_seconds(e.instant)) << e.pattern << " <" << e.value << ">";
  }
  struct Part {
    const char* pattern;
    const char* value;
  };
  const Part dates[] = {{"aaaa_mm_jj", "2013-10-02"}, {"jj_mm_aaaa", "02/10/2013"},
                        {"mm_jj_aaaa", "10/02/2013"}, {"20aa_mm_jj", "13/10/02"},
                        {"aaaammjj", "20131002"},     {"jjmmaaaa", "02102013"},
                        {"aaaa_qqq", "2013 275"},     {"mm_jj_ee", "10/02/13"}};
  const Part times[] = {{"hh_mn_ss", "18:07:09"}, {"hh_mn", "18:07"}, {"hh_mn_ss.s", "18:07:09.5"},
                        {"hhmn", "1807"},         {"hh", "18"},       {"hh_mn_ss_pp", "06:07:09 PM"}};
  ASSERT_EQ(date_picker().entries.size(), std::size(dates));
  ASSERT_EQ(time_picker().entries.size(), std::size(times));
  for (std::size_t d = 0; d < std::size(dates); ++d) {
    ASSERT_EQ(picked_text(date_picker().entries[d]), dates[d].pattern);
    for (std::size_t t = 0; t < std::size(times); ++t) {
      ASSERT_EQ(picked_text(time_picker().entries[t]), times[t].pattern);
      const std::string pattern = std::string(dates[d].pattern) + " " + times[t].pattern;
      const std::string value = std::string(dates[d].value) + " " + times[t].value;
      const std::optional<TDateTime> read = instant_read(pattern, value);
      ASSERT_TRUE(read.has_value()) << pattern << " <" << value << ">";
      const std::string text = format_canonical(*read);
      EXPECT_EQ(text.substr(0, 13), "02/10/2013 18") << pattern << " <" << value << ">";
    }
  }
}

}  // namespace
}  // namespace talve
