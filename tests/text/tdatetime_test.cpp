// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/tdatetime.h"

#include <gtest/gtest.h>

namespace talve {
namespace {

TEST(TDateTime, OriginAndKnownDays) {
  EXPECT_EQ(encode_date(1899, 12, 30).value(), 0.0);
  EXPECT_EQ(encode_date(1900, 1, 2).value(), 3.0);
  EXPECT_EQ(encode_date(2021, 11, 7).value(), 44507.0);
  EXPECT_EQ(encode_date(1899, 12, 29).value(), -1.0);
}

TEST(TDateTime, RejectsNonCalendarDates) {
  EXPECT_FALSE(encode_date(2022, 2, 29));
  EXPECT_FALSE(encode_date(2022, 2, 31));
  EXPECT_FALSE(encode_date(2021, 13, 1));
  EXPECT_FALSE(encode_date(0, 1, 1));
  EXPECT_FALSE(encode_date(10000, 1, 1));
  EXPECT_TRUE(encode_date(2024, 2, 29));
  EXPECT_FALSE(encode_date(1900, 2, 29));
  EXPECT_TRUE(encode_date(2000, 2, 29));
}

TEST(TDateTime, DayNumbersRoundTripOverTheWholeRange) {
  for (std::int64_t day = day_number({1, 1, 1}); day <= day_number({9999, 12, 31}); day += 97) {
    const CivilDate date = date_from_day_number(day);
    ASSERT_TRUE(is_valid_date(date.year, date.month, date.day));
    ASSERT_EQ(day_number(date), day);
  }
}

TEST(TDateTime, CanonicalTextAndParsing) {
  const TDateTime t = *encode_date_time({{2021, 11, 7}, {10, 15, 30, 0}});
  EXPECT_EQ(format_canonical(t), "07/11/2021 10:15:30");
  EXPECT_EQ(format_date(t), "07/11/2021");
  EXPECT_EQ(format_time(t), "10:15:30");
  EXPECT_EQ(parse_canonical("07/11/2021 10:15:30").value(), t);
  EXPECT_FALSE(parse_canonical("31/02/2022 10:00:00"));
  EXPECT_FALSE(parse_canonical("07/11/2021 24:00:00"));
  EXPECT_FALSE(parse_canonical("07/11/2021 10:15"));
  EXPECT_EQ(format_canonical(0.0), "30/12/1899 00:00:00");
}

TEST(TDateTime, SystemTextLeavesOutMidnight) {
  EXPECT_EQ(format_system_datetime(*encode_date(2021, 11, 7)), "07/11/2021");
  EXPECT_EQ(format_system_datetime(*encode_date(2021, 11, 7) + encode_time(0, 0, 1)), "07/11/2021 00:00:01");
}

TEST(TDateTime, RoundsToTheMillisecondBeforeWriting) {
  // 10:00:00 computed with a rounding error just below the second.
  const TDateTime t = *encode_date(2021, 11, 7) + 10.0 / 24.0 - 1e-11;
  EXPECT_EQ(format_canonical(t), "07/11/2021 10:00:00");
  EXPECT_EQ(whole_seconds(from_whole_seconds(123456789)), 123456789);
}

TEST(TDateTime, NegativeValuesCountTheTimeFromTheirOwnMidnight) {
  // -1.25 is 29/12/1899 06:00:00 (the fraction is a time of day).
  EXPECT_EQ(format_canonical(-1.25), "29/12/1899 06:00:00");
  EXPECT_EQ(encode_date_time({{1899, 12, 29}, {6, 0, 0, 0}}).value(), -1.25);
}

TEST(TDateTime, WeekdayNames) {
  EXPECT_EQ(weekday_name(*encode_date(2021, 11, 7)), "dimanche");
  EXPECT_EQ(weekday_name(*encode_date(2021, 11, 8)), "lundi");
  EXPECT_EQ(weekday_name(0.0), "samedi");
}

}  // namespace
}  // namespace talve
