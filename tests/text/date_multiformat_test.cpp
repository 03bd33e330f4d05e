// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/datetime_reader.h"

namespace talve {
namespace {

const char* const kDayFirst = "jj/mm/aaaa OU aaaa/mm/jj";
const char* const kMonthFirst = "mm/dd/yyyy OU yyyy/dd/mm";
const char* const kCompareUE = "multiformat_dt_mini_1èreUE";
const char* const kCompareUS = "multiformat_dt_mini_1èreUS";

struct Case {
  const char* pattern;
  const char* value;
  const char* expected;
};

class DateMultiformat : public ::testing::TestWithParam<Case> {};

TEST_P(DateMultiformat, ReadsEachValueOnItsOwn) {
  const Case& c = GetParam();
  DateTimeReader reader;
  EXPECT_EQ(reader.date_multiformat(c.value, c.pattern), c.expected)
      << "pattern <" << c.pattern << "> value <" << c.value << ">";
}

INSTANTIATE_TEST_SUITE_P(Values, DateMultiformat,
                         ::testing::Values(
                             // Month first when the first field can be a month.
                             Case{kMonthFirst, "03/12/2022", "12/03/2022 00:00:00"},
                             Case{kMonthFirst, "25/12/2022", "25/12/2022 00:00:00"},
                             Case{kMonthFirst, "12/12/2022 10:15:30", "12/12/2022 10:15:30"},
                             // Year-first dates are year, month, day in every mode.
                             Case{kMonthFirst, "2022/03/12 10:15", "12/03/2022 10:15:00"},
                             Case{kDayFirst, "2022-03-12T10:15:30", "12/03/2022 10:15:30"},
                             Case{kCompareUE, "2022-03-12 10:15:30", "12/03/2022 10:15:30"},
                             Case{kDayFirst, "03/12/2022 10:15:30", "03/12/2022 10:15:30"},
                             Case{kDayFirst, "03-12-2022T10:15:30", "03/12/2022 10:15:30"},
                             // Blanks around the value, tenths after the time.
                             Case{kDayFirst, "  03/12/2022 10:15:30.25 ", "03/12/2022 10:15:30"},
                             // Unpadded dates and dates without a four-digit year give 02/01/1900.
                             Case{kDayFirst, "1/5/2022 10:00", "02/01/1900 10:00:00"},
                             Case{kMonthFirst, "1/5/2022 10:00", "02/01/1900 10:00:00"},
                             Case{kDayFirst, "03/12/22 10:00", "02/01/1900 10:00:00"},
                             // A time at the very start is not taken.
                             Case{kDayFirst, "10:15 03/12/2022", "02/01/1900 00:00:00"},
                             Case{kDayFirst, "", "02/01/1900 00:00:00"},
                             // "OU" without a known reading leaves dates day-first.
                             Case{"aaaa OU jj", "03/12/2022 10:15", "03/12/2022 10:15:00"},
                             // The first field that is no number never leads to an exchange.
                             Case{kMonthFirst, "a3/12/2022", "a3/12/2022 00:00:00"}));

// Comparison modes: of the two readings of a year-last date, the earlier
// one is kept; a reading that is no calendar date is left out.
struct Sequence {
  const char* pattern;
  bool listing;  // the sequence starts a listing (first-date flag set)
  std::vector<std::string> values;
  std::vector<std::string> expected;
};

class DateMultiformatComparison : public ::testing::TestWithParam<Sequence> {};

TEST_P(DateMultiformatComparison, ChoosesTheOrderLineByLine) {
  const Sequence& s = GetParam();
  DateTimeReader reader;
  if (s.listing) reader.listing_started();
  std::vector<std::string> got;
  for (const std::string& value : s.values) got.push_back(reader.date_multiformat(value, s.pattern));
  EXPECT_EQ(got, s.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, DateMultiformatComparison,
    ::testing::Values(
        // Listing, day-first start: the first date is taken as written.
        Sequence{kCompareUE,
                 true,
                 {"04/05/2022", "04/05/2022", "05/04/2022", "13/04/2022 08:00", "04/13/2022", "13/13/2022",
                  "2022/05/04"},
                 {"04/05/2022 00:00:00", "05/04/2022 00:00:00", "05/04/2022 00:00:00", "13/04/2022 08:00:00",
                  "13/04/2022 00:00:00", "13/13/2022 00:00:00", "04/05/2022 00:00:00"}},
        // Listing, month-first start: the first date is read month-first.
        Sequence{
            kCompareUS, true, {"04/05/2022", "06/04/2022"}, {"05/04/2022 00:00:00", "06/04/2022 00:00:00"}},
        // ... unless it cannot be.
        Sequence{kCompareUS, true, {"25/05/2022"}, {"25/05/2022 00:00:00"}},
        Sequence{kCompareUE, true, {"05/25/2022"}, {"25/05/2022 00:00:00"}},
        // Neither reading is a calendar date: the value is left as written.
        Sequence{
            kCompareUE, false, {"02/30/2022", "30/02/2022"}, {"02/30/2022 00:00:00", "30/02/2022 00:00:00"}},
        Sequence{
            kCompareUS, true, {"30/02/2022", "04/05/2022"}, {"30/02/2022 00:00:00", "05/04/2022 00:00:00"}},
        // Outside a listing the first date is compared too.
        Sequence{kCompareUE, false, {"04/05/2022"}, {"05/04/2022 00:00:00"}}));

TEST(DateMultiformatFirstDate, ARunComparesItsFirstDateAndAListingDoesNot) {
  DateTimeReader reader;
  reader.listing_started();
  EXPECT_EQ(reader.date_multiformat("04/05/2022", kCompareUE), "04/05/2022 00:00:00");
  reader.listing_started();
  reader.run_started();
  EXPECT_EQ(reader.date_multiformat("04/05/2022", kCompareUE), "05/04/2022 00:00:00");
  // Year-first dates leave the flag for the next year-last date.
  reader.listing_started();
  EXPECT_EQ(reader.date_multiformat("2022/05/04", kCompareUE), "04/05/2022 00:00:00");
  EXPECT_EQ(reader.date_multiformat("04/05/2022", kCompareUE), "04/05/2022 00:00:00");
}

}  // namespace
}  // namespace talve
