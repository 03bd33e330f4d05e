// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "recording_sink.h"
#include "text/clock.h"
#include "text/datetime_reader.h"

namespace talve {
namespace {

using Lines = std::vector<std::string>;

struct Case {
  const char* pattern;
  const char* value;
  const char* expected;
  Lines trace;
};

class NormaliseDateHeure : public ::testing::TestWithParam<Case> {};

TEST_P(NormaliseDateHeure, GivesTheCanonicalTextAndItsTrace) {
  const Case& c = GetParam();
  set_fixed_now(*encode_date_time({{2024, 5, 6}, {14, 30, 0, 0}}));
  testing::RecordingSink sink;
  DateTimeReader reader(&sink);
  EXPECT_EQ(reader.normalise_date_heure(c.value, c.pattern), c.expected)
      << "pattern <" << c.pattern << "> value <" << c.value << ">";
  EXPECT_EQ(sink.lines, c.trace);
  set_fixed_now(std::nullopt);
}

const char* const kFull = "aaaa_mm_jj_hh_mn_ss";

INSTANTIATE_TEST_SUITE_P(
    Layouts, NormaliseDateHeure,
    ::testing::Values(
        // Positions decide, whatever the separators.
        Case{kFull, "2022/03/12 01:15:30", "12/03/2022 01:15:30", {}},
        Case{kFull, "2022-03-12T01:15:30", "12/03/2022 01:15:30", {}},
        Case{kFull, "2022.03.12 01h15m30", "12/03/2022 01:15:30", {}},
        Case{"aaaa/mm/jj hh:mn:ss", "2022/03/12 01:15:30", "12/03/2022 01:15:30", {}},
        Case{"jj_mm_aaaa_hh_mn_ss", "12/03/2022 01:15:30", "12/03/2022 01:15:30", {}},
        Case{"mm_jj_aaaa_hh_mn_ss", "03/25/2022 10:00:00", "25/03/2022 10:00:00", {}},
        // Fields written without their zero are read one run of digits
        // after the other.
        Case{kFull, "2022/3/12 1:15:30", "12/03/2022 01:15:30", {}},
        // Seconds past the end of the value read "00".
        Case{kFull, "2022-03-12T01:15", "12/03/2022 01:15:00", {}},
        // One second character left is kept as it is: a value cut off.
        Case{kFull, "2022-03-12T01:15:3", "12/03/2022 01:15:3", {}},
        // Tenths of seconds are ignored characters.
        Case{"aaaa_mm_jj hh_mn_ss.s", "2022/03/12 01:15:30.5", "12/03/2022 01:15:30", {}},
        // A date alone.
        Case{"aaaa_mm_jj", "2022/03/12", "12/03/2022 00:00:00", {}},
        Case{"jj_mm_aaaa", "12.03.2022", "12/03/2022 00:00:00", {}},
        // Two-digit years take the century written in the pattern.
        Case{"20aa_mm_jj hh_mn", "12/03/22 01:15", "22/03/2012 01:15:00", {}},
        Case{"19aa_mm_jj_hh_mn_ss", "95/03/12 01:15:30", "12/03/1995 01:15:30", {}},
        Case{"20aa_mm_jj", "22/03/12", "12/03/2022 00:00:00", {}},
        // Day-first values with a two-digit year are read day-first.
        Case{"jj_mm_20aa_hh_mn_ss", "25/12/21 10:00:00", "25/12/2021 10:00:00", {}},
        Case{"jj_mm_20aa hh_mn", "25/12/21 10:00", "25/12/2021 10:00:00", {}},
        Case{"mm_jj_19aa", "12/25/98", "25/12/1998 00:00:00", {}},
        // Too few numeric characters: no date, no trace.
        Case{kFull, "2022/03/12 0:", "", {}},
        // Nine digits and a point make ten numeric characters: read, then refused.
        Case{kFull, "2022/03/12 0.", "", {" + erreur date : 12/03/2022 0.::  corriger <2022/03/12 0.>"}},
        Case{kFull, "abcdefghijklmnopqrs", "", {}},
        // The checks: minutes only through their first digit, seconds not at all.
        Case{kFull, "2022/03/12 01:59:00", "12/03/2022 01:59:00", {}},
        Case{kFull,
             "2022/03/12 01:60:00",
             "",
             {" + erreur date : 12/03/2022 01:60:  corriger <2022/03/12 01:60:00>"}},
        Case{kFull, "2022/03/12 29:15:00", "12/03/2022 29:15:00", {}},
        Case{kFull,
             "2022/03/12 30:15:00",
             "",
             {" + erreur date : 12/03/2022 30:15:  corriger <2022/03/12 30:15:00>"}},
        Case{kFull, "2022/03/12 01:15:99", "12/03/2022 01:15:99", {}},
        Case{kFull,
             "2022/03/32 01:15:00",
             "",
             {" + erreur date : 32/03/2022 01:15:  corriger <2022/03/32 01:15:00>"}},
        Case{kFull,
             "2022/03/00 01:15:00",
             "",
             {" + erreur date : 00/03/2022 01:15:  corriger <2022/03/00 01:15:00>"}},
        Case{kFull,
             "2022/13/12 01:15:00",
             "",
             {" + erreur date : 12/13/2022 01:15:  corriger <2022/13/12 01:15:00>"}},
        Case{kFull, "2022/02/31 01:15:00", "31/02/2022 01:15:00", {}},
        // An empty value, a pattern without a year.
        Case{kFull, "", "??", {}}, Case{"jj_mm_hh_mn", "12/03 10:15:30 1234", "01/01/1900 00:00:00", {}},
        Case{"AAAA_MM_JJ_HH_MN_SS", "2022/03/12 01:15:30", "01/01/1900 00:00:00", {}},
        Case{"jj_mm_hh_mn", "12/03 10:15", "", {}},
        // Double quotes around the value.
        Case{kFull, "\"2022/03/12 01:15:30\"", "12/03/2022 01:15:30", {}},
        Case{kFull, "\"2022/03/12 01:15:30", "12/03/2022 01:15:30", {}},
        Case{kFull, "\"2022/03/12 01:15:30\"x", "12/03/2022 01:15:30", {}},
        Case{"jj_mm_aaaa_hh_mn_ss_s", "\"12/03/2022 01:15:30\"", "12/03/2022 01:15:30", {}},
        // A time alone is dated today.
        Case{"hh_mn_ss", "10:15:30", "06/05/2024 10:15:30", {}}, Case{"hh_mn_ss", "10:15", "", {}},
        // A pattern that begins with a written date dates the times alone.
        Case{"2023/05/12 hh:mn:ss", "10:15:30", "12/05/2023 10:15:30", {}},
        Case{"12/05/2023 hh:mn:ss", "10:15:30", "12/05/2023 10:15:30", {}},
        Case{"2023/05/12 hh:mn:ss", "2022/03/12 01:15:30", "12/03/2022 01:15:30", {}},
        // Four "m": the second "mm", after the hours, holds the minutes.
        Case{"aaaa_mm_jj_hh_mm_ss", "2022/03/12 01:15:30", "12/03/2022 01:15:30", {}},
        // Year field not a number: the date part is read the other way round.
        Case{kFull,
             "12/03/2022 01:15:30",
             "12/03/2022 01:15:30",
             {"12/03/2022 01:15:30 date inversée mais corrigée"}},
        Case{"jj_mm_aaaa_hh_mn_ss",
             "2022/03/12 01:15:30",
             "12/03/2022 01:15:30",
             {"2022/03/12 01:15:30 date inversée mais corrigée"}},
        Case{"aaaa_mm_jj",
             "12/03/2022",
             "12/03/2022 00:00:00",
             {"12/03/2022 00:00:00 date inversée mais corrigée"}}));

TEST(NormaliseDateHeureState, InvertedDatesAreCountedAndTracedOncePerRun) {
  testing::RecordingSink sink;
  DateTimeReader reader(&sink);
  const Lines values = {"12/03/2022 01:15:30", "12/03/2022 01:16:30", "2022/03/12 01:17:30",
                        "12/03/2022 01:18:30"};
  for (const std::string& value : values) reader.normalise_date_heure(value, kFull);
  EXPECT_EQ(reader.inverted_total(), 3);
  EXPECT_EQ(sink.lines, (Lines{"12/03/2022 01:15:30 date inversée mais corrigée",
                               "12/03/2022 01:18:30 date inversée mais corrigée"}));

  // A listing keeps the counts; a run starts them again.
  reader.listing_started();
  EXPECT_EQ(reader.inverted_total(), 3);
  reader.normalise_date_heure("12/03/2022 01:19:30", kFull);
  EXPECT_EQ(sink.lines.size(), 2u);
  reader.run_started();
  EXPECT_EQ(reader.inverted_total(), 0);
  reader.normalise_date_heure("12/03/2022 01:20:30", kFull);
  EXPECT_EQ(reader.inverted_total(), 1);
  EXPECT_EQ(sink.lines.size(), 3u);
}

TEST(NormaliseDateHeureState, AChangedPatternIsFollowedWithoutAListing) {
  // The pattern is prepared once and kept, but a call with another pattern
  // must not read its values with the old one.
  testing::RecordingSink sink;
  DateTimeReader reader(&sink);
  EXPECT_EQ(reader.normalise_date_heure("2022/03/12 01:15:30", kFull), "12/03/2022 01:15:30");
  EXPECT_EQ(reader.normalise_date_heure("25/12/2021 10:00:00", "jj_mm_aaaa_hh_mn_ss"), "25/12/2021 10:00:00");
  EXPECT_EQ(reader.inverted_total(), 0);
  EXPECT_TRUE(sink.lines.empty());
}

TEST(NormaliseDateHeureState, TheWrittenDateFollowsThePattern) {
  DateTimeReader reader;
  EXPECT_EQ(reader.normalise_date_heure("10:15:30", "2023/05/12 hh:mn:ss"), "12/05/2023 10:15:30");
  // The next pattern has no written date: a time alone is no date any more.
  EXPECT_EQ(reader.normalise_date_heure("10:15:30", kFull), "");
  EXPECT_EQ(reader.normalise_date_heure("10:15:30", "12/05/2023 hh:mn:ss"), "12/05/2023 10:15:30");
}

TEST(NormaliseDateHeureState, MultiformatPatternsGoToTheMultiformatReading) {
  DateTimeReader reader;
  EXPECT_EQ(reader.normalise_date_heure("03/12/2022 10:15", "mm/dd/yyyy OU yyyy/dd/mm"),
            "12/03/2022 10:15:00");
  EXPECT_EQ(reader.normalise_date_heure("", "jj/mm/aaaa OU aaaa/mm/jj"), "??");
  // The multiformat reading leaves the prepared pattern alone.
  EXPECT_EQ(reader.normalise_date_heure("10:15:30", "2023/05/12 hh:mn:ss"), "12/05/2023 10:15:30");
  reader.normalise_date_heure("2022/03/12 10:00", "jj/mm/aaaa OU aaaa/mm/jj");
  EXPECT_EQ(reader.normalise_date_heure("10:15:31", "2023/05/12 hh:mn:ss"), "12/05/2023 10:15:31");
}

}  // namespace
}  // namespace talve
