// SPDX-License-Identifier: GPL-3.0-or-later
// The SYNOP example that compiles a station's rain and temperature in one
// run: each day's rain summed, its temperature averaged and its strongest
// gust, a day with fewer than three quarters of its eight measurements left
// out; compared with a plain reading of the source file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/program_run.h"
#include "support/temp_dir.h"
#include "support/text_lines.h"

namespace talve {
namespace {

const std::string kSource = TALVE_SOURCE_DIR;

// Days since 1970-01-01 of a civil date.
long long days_from_civil(long long y, long long m, long long d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yoe = y - era * 400;
  const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

// The civil date of a day count, "dd/mm/yyyy 00:00:00".
std::string date_of_day(long long day) {
  day += 719468;
  const long long era = (day >= 0 ? day : day - 146096) / 146097;
  const long long doe = day - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  const long long d = doy - (153 * mp + 2) / 5 + 1;
  const long long m = mp < 10 ? mp + 3 : mp - 9;
  const long long y = yoe + era * 400 + (m <= 2);
  char text[96];
  std::snprintf(text, sizeof text, "%02lld/%02lld/%04lld 00:00:00", d, m, y);
  return text;
}

std::vector<std::string> fields_of(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = line.find(';', start);
    fields.push_back(line.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) return fields;
    start = end + 1;
  }
}

struct Day {
  long long lines = 0;
  std::vector<double> temperature, rain, gust;
};

std::string one_decimal(std::optional<double> value) {
  if (!value) return "NA";
  char text[64];
  std::snprintf(text, sizeof text, "%5.1f", *value);
  std::string out = text;
  std::replace(out.begin(), out.end(), '.', ',');
  return out;
}

TEST(SynopDay, RainSummedTemperatureAveragedGustMaximumPerDayAsAPlainReadingGivesThem) {
  // The source: date-times with their offset, read as UTC days.
  std::ifstream in(kSource + "/tests/data/real/meteofrance-synop-ods/donnees-synop-essentielles-omm.csv",
                   std::ios::binary);
  std::map<long long, Day> days;
  std::string line;
  std::getline(in, line);  // the titles
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::vector<std::string> f = fields_of(line);
    ASSERT_GE(f.size(), 40u);
    const std::string& t = f[1];  // 2024-11-04T10:00:00+01:00
    const long long seconds =
        days_from_civil(std::stoll(t.substr(0, 4)), std::stoll(t.substr(5, 2)), std::stoll(t.substr(8, 2))) *
            86400 +
        std::stoll(t.substr(11, 2)) * 3600 + std::stoll(t.substr(14, 2)) * 60 + std::stoll(t.substr(17, 2)) -
        (t[19] == '-' ? -1 : 1) * (std::stoll(t.substr(20, 2)) * 3600 + std::stoll(t.substr(23, 2)) * 60);
    Day& day = days[seconds / 86400];
    ++day.lines;
    // Empty fields and the "trace" code -0.1 are missing values.
    auto add = [](const std::string& text, std::vector<double>& to) {
      if (!text.empty() && text != "-0.1") to.push_back(std::stod(text));
    };
    add(f[7], day.temperature);
    add(f[39], day.rain);
    add(f[31], day.gust);
  }
  ASSERT_GT(days.size(), 700u);

  testing::TempDir dir;
  const std::string output = dir.mkdir("sorties");
  const testing::ProgramOutcome o = testing::run_program(
      testing::ProgramRun{{"--batch", "examples/meteofrance-synop/synop-jour.dsc", "--step", "1 jour",
                           "--date-test", "lt", "--period", "dsc", "--output-dir", output},
                          kSource,
                          dir.mkdir("maison"),
                          120,
                          -1});
  ASSERT_EQ(o.status, 0) << o.summary();
  const std::vector<std::string> rows = testing::rows_of(testing::read_bytes(output + "synop-jour.txt"));

  // One row a day from 01/07/2023 to 20/08/2025, the last instant of the
  // period, which with "(inf strict)" gathers nothing.
  const long long first = days_from_civil(2023, 7, 1);
  const long long last = days_from_civil(2025, 8, 20);
  ASSERT_EQ(rows.size(), static_cast<std::size_t>(last - first + 1));
  int thin_days = 0;
  for (long long d = first; d <= last; ++d) {
    const Day& day = days[d];
    std::string expected = date_of_day(d);
    // Eight measurements a day at the three-hour step: six are needed.
    if (day.lines * 100 * 3 < 75 * 24) {
      expected += ";NA;NA;NA";
      if (day.lines > 0) ++thin_days;
    } else {
      std::optional<double> mean, sum, max;
      if (!day.temperature.empty()) {
        mean = 0;
        for (double v : day.temperature) *mean += v;
        *mean /= static_cast<double>(day.temperature.size());
      }
      for (double v : day.rain) sum = sum.value_or(0) + v;
      for (double v : day.gust) max = std::max(max.value_or(v), v);
      expected += ";" + one_decimal(mean) + ";" + one_decimal(sum) + ";" + one_decimal(max);
    }
    expected += ";" + std::to_string(day.lines);
    ASSERT_EQ(rows[static_cast<std::size_t>(d - first)], expected);
  }
  EXPECT_GT(thin_days, 0);
  const std::string report = testing::read_bytes(output + "synop-jour.txt.TXT");
  EXPECT_NE(report.find("  " + std::to_string(3 * thin_days) +
                        " valeurs écartées faute de mesures suffisantes\r\n"),
            std::string::npos);
}

}  // namespace
}  // namespace talve
