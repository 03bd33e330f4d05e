// SPDX-License-Identifier: GPL-3.0-or-later
// The proposed pattern, checked against the instants the sample was written
// from: every layout a logger writes, one table row each.
#include "inputs/date_pattern_proposal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "text/compiled_date_template.h"
#include "text/date_columns.h"
#include "text/field_cutting.h"
#include "text/tdatetime.h"
#include "text/text_utils.h"

namespace talve {
namespace {

struct Clock {
  int year, month, day, hour, minute, second, day_of_year;
};

// The instant `index` steps of `step_seconds` after 2023-01-10 22:00:00 (a
// day whose number is below 13 and a month change within the sample).
Clock clock_at(int index, long step_seconds) {
  const TDateTime start = *encode_date(2023, 1, 10) + 22.0 / 24.0;
  const TDateTime t = start + static_cast<double>(index * step_seconds) / kSecondsPerDay;
  const long long seconds = std::llround(t * kSecondsPerDay);
  const long long days = seconds / 86400;
  const long long in_day = seconds % 86400;
  const CivilDate date = date_from_day_number(days);
  const int y = date.year, m = date.month, d = date.day;
  const int doy = static_cast<int>(days - day_number(CivilDate{y, 1, 1})) + 1;
  return {y,
          m,
          d,
          static_cast<int>(in_day / 3600),
          static_cast<int>(in_day / 60 % 60),
          static_cast<int>(in_day % 60),
          doy};
}

// The test's own table of formats, all literals.
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
std::string printed(const char* format, auto... values) {
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, format, values...);
  return buffer;
}

struct Layout {
  const char* name;
  long step_seconds;
  std::function<std::string(const Clock&)> date_fields;  // the line's fields before its values
  char split = ';';
};

std::string twelve_hour(const Clock& c) {
  const int h = c.hour % 12 == 0 ? 12 : c.hour % 12;
  return printed("%02d:%02d:%02d %s", h, c.minute, c.second, c.hour < 12 ? "AM" : "PM");
}

const std::vector<Layout>& layouts() {
  static const std::vector<Layout> table = {
      {"ISO", 3600,
       [](const Clock& c) {
         return printed("%04d-%02d-%02d %02d:%02d:%02d", c.year, c.month, c.day, c.hour, c.minute, c.second);
       }},
      {"ISO T offset", 3600,
       [](const Clock& c) {
         return printed("%04d-%02d-%02dT%02d:%02d:%02d+01:00", c.year, c.month, c.day, c.hour, c.minute,
                        c.second);
       }},
      {"day first", 1800,
       [](const Clock& c) {
         return printed("%02d/%02d/%04d %02d:%02d:%02d", c.day, c.month, c.year, c.hour, c.minute, c.second);
       }},
      {"month first", 1800,
       [](const Clock& c) {
         return printed("%02d/%02d/%04d %02d:%02d", c.month, c.day, c.year, c.hour, c.minute);
       }},
      {"day first, date and time columns", 600,
       [](const Clock& c) {
         return printed("%02d.%02d.%04d;%02d:%02d", c.day, c.month, c.year, c.hour, c.minute);
       }},
      {"station then date", 3600,
       [](const Clock& c) {
         return printed("ST12;%04d/%02d/%02d %02d:%02d", c.year, c.month, c.day, c.hour, c.minute);
       }},
      {"two-digit year, 12-hour clock", 1800,
       [](const Clock& c) {
         return printed("%02d/%02d/%02d ", c.month, c.day, c.year % 100) + twelve_hour(c);
       }},
      {"year, day of year, HHMM unpadded", 300,
       [](const Clock& c) {
         return printed("108;%d;%d;%d", c.year, c.day_of_year, c.hour * 100 + c.minute);
       }},
      {"compact to the minute", 600,
       [](const Clock& c) {
         return printed("%04d%02d%02d%02d%02d", c.year, c.month, c.day, c.hour, c.minute);
       }},
      {"compact date alone", 86400,
       [](const Clock& c) { return printed("%04d%02d%02d", c.year, c.month, c.day); }},
      {"MMDDYY", 86400, [](const Clock& c) { return printed("%02d%02d%02d", c.month, c.day, c.year % 100); }},
      {"unpadded day-first date", 86400 * 3,
       [](const Clock& c) { return printed("%d/%d/%04d", c.day, c.month, c.year); }},
      {"quoted ISO, comma-separated", 60,
       [](const Clock& c) {
         return printed("\"%04d-%02d-%02d %02d:%02d:%02d\",%d", c.year, c.month, c.day, c.hour, c.minute,
                        c.second, c.minute);
       },
       ','},
      {"tab-turned date and time", 3600,
       [](const Clock& c) {
         return printed("%04d-%02d-%02d;%02d:%02d;MST", c.year, c.month, c.day, c.hour, c.minute);
       }},
  };
  return table;
}

std::string joined(std::string_view line, const std::string& columns, const FieldCutting& cutting) {
  std::string value;
  const std::vector<int> list = read_date_columns(columns).value_or(std::vector<int>{});
  for (const int column : list) {
    if (!value.empty()) value.push_back(' ');
    value += trim(cut_field(line, column, cutting));
  }
  return value;
}

TEST(DatePatternProposal, ReadsEverySampledLineOfEachLayout) {
  for (const Layout& layout : layouts()) {
    SCOPED_TRACE(layout.name);
    std::vector<std::string> text;
    std::vector<TDateTime> expected;
    for (int i = 0; i < 60; ++i) {
      const Clock c = clock_at(i, layout.step_seconds);
      text.push_back(layout.date_fields(c) + std::string(1, layout.split) + "12.5" + layout.split + "3");
      const bool date_alone = layout.step_seconds % 86400 == 0;
      expected.push_back(*encode_date(c.year, c.month, c.day) +
                         (date_alone ? 0 : c.hour * 3600 + c.minute * 60 + c.second) / kSecondsPerDay);
    }
    const std::vector<std::string_view> lines(text.begin(), text.end());
    const FieldCutting cutting{layout.split, layout.split == ',', false};
    const auto proposal = propose_date_pattern(lines, cutting);
    ASSERT_TRUE(proposal.has_value());
    SCOPED_TRACE(proposal->pattern + " in " + proposal->columns);
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const auto t = instant_read(proposal->pattern, joined(lines[i], proposal->columns, cutting));
      ASSERT_TRUE(t.has_value()) << lines[i];
      const double offset = layout.name == std::string("ISO T offset") ? 1.0 / 24 : 0.0;
      EXPECT_NEAR(*t, expected[i] - offset, 0.5 / kSecondsPerDay) << lines[i];
    }
  }
}

TEST(DatePatternProposal, DayOrMonthFirstByRegularityAndNeverAMisreading) {
  // Days 1 to 12 only: both orders read every line; the daily series is
  // regular day first, jumps by months month first.
  std::vector<std::string> text;
  for (int d = 1; d <= 12; ++d) text.push_back(printed("%02d/03/2024;1", d));
  std::vector<std::string_view> lines(text.begin(), text.end());
  auto proposal = propose_date_pattern(lines, FieldCutting{});
  ASSERT_TRUE(proposal.has_value());
  EXPECT_TRUE(proposal->order_chosen);
  EXPECT_TRUE(proposal->day_first) << proposal->pattern;

  // The same days written month first.
  text.clear();
  for (int d = 1; d <= 12; ++d) text.push_back(printed("03/%02d/2024;1", d));
  lines.assign(text.begin(), text.end());
  proposal = propose_date_pattern(lines, FieldCutting{});
  ASSERT_TRUE(proposal.has_value());
  EXPECT_TRUE(proposal->order_chosen);
  EXPECT_FALSE(proposal->day_first) << proposal->pattern;

  // A day above 12 on the last line only: the day-first reading is the only
  // one left, although the first lines read both ways.
  text.clear();
  for (int d = 1; d <= 13; ++d) text.push_back(printed("%02d/03/2024 10:00;1", d));
  lines.assign(text.begin(), text.end());
  proposal = propose_date_pattern(lines, FieldCutting{});
  ASSERT_TRUE(proposal.has_value());
  EXPECT_FALSE(proposal->order_chosen);
  EXPECT_EQ(instant_read(proposal->pattern, "13/03/2024 10:00"), *encode_date(2024, 3, 13) + 10.0 / 24)
      << proposal->pattern;
  EXPECT_EQ(instant_read(proposal->pattern, "02/03/2024 10:00"), *encode_date(2024, 3, 2) + 10.0 / 24)
      << proposal->pattern;

  // Nothing reads a line of words.
  text = {"abc;def", "ghi;jkl"};
  lines.assign(text.begin(), text.end());
  EXPECT_FALSE(propose_date_pattern(lines, FieldCutting{}).has_value());
}

}  // namespace
}  // namespace talve
