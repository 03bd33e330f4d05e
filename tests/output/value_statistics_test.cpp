// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/value_statistics.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace talve {
namespace {

// A table of n grid rows and the given data columns, every row holding one
// line and every cell a value.
ResultTable full_table(int n, const std::vector<std::string>& titles) {
  ResultTable table;
  table.grid_count = n;
  table.rows = n + 3;
  table.map.count = static_cast<int>(titles.size()) + 2;
  table.columns = table.map.count + 3;
  table.cells.reset(static_cast<std::size_t>(table.rows), static_cast<std::size_t>(table.columns));
  table.map.titles.assign(static_cast<std::size_t>(table.map.count) + 1, "");
  for (std::size_t j = 0; j < titles.size(); ++j) table.map.titles[j + 2] = titles[j];
  for (int r = 1; r <= n; ++r) table.set_nb(r, 1);
  return table;
}

const std::string kSeparator = "    " + std::string(140, '-');

TEST(ValueStatistics, FullColumnHasNoEmptyCell) {
  const ResultTable table = full_table(98, {"T"});
  StatisticsInput input{&table, 97, 250, "", ""};
  const std::vector<std::string> expected = {
      "",
      " ========== nombre de résultats - nombre de VIDES(= na)",
      "97 - 0 = 97  <- T",
      kSeparator,
      "      NOMBRE de VALEURS utilisables = 97   issues de 250 lignes de données",
      "      aucune valeur NA ou vides détectée dans l\"ensemble du tableau",
      kSeparator,
  };
  EXPECT_EQ(statistics_lines(input), expected);
}

// An empty row (no line) and a missing value in a row that received lines
// are both written as the missing text: each is one empty cell, so results
// minus empty cells is the number of values in the file.
TEST(ValueStatistics, EveryCellWrittenAsMissingCountsOnce) {
  ResultTable table = full_table(6, {"T", "H"});
  table.set_nb(3, 0);          // row 3: no line at all
  table.at(4, 3).missing = 1;  // row 4: H missing
  table.at(1, 2).missing = 1;  // row 1 is never written
  const StatisticsInput input{&table, 5, 9, "", ""};
  const auto lines = statistics_lines(input);
  EXPECT_EQ(lines[2], "5 - 1 = 4  <- T");
  EXPECT_EQ(lines[3], "5 - 2 = 3  <- H");
  EXPECT_EQ(lines[5], "      NOMBRE de VALEURS utilisables = 7   issues de 9 lignes de données");
  EXPECT_EQ(lines[6], "      nombre de NA ou vides dans l\"ensemble du tableau = 3");
}

// A stopped run wrote fewer rows: only those are counted.
TEST(ValueStatistics, OnlyTheRowsWrittenAreCounted) {
  ResultTable table = full_table(6, {"T"});
  table.set_nb(5, 0);
  EXPECT_EQ(empty_cells(table, 5)[2], 1);
  EXPECT_EQ(empty_cells(table, 2)[2], 0);
  EXPECT_EQ(empty_cells(table, 0)[2], 0);
  EXPECT_EQ(statistics_lines({&table, 0, 0, "", ""})[2], "0 - 0 = 0  <- T");
}

TEST(ValueStatistics, BoundsAndGroupedThousands) {
  ResultTable table = full_table(12346, {"T"});
  for (int r = 2; r <= 12000; r += 2) table.set_nb(r, 0);
  struct Case {
    const char* min;
    const char* max;
    const char* bounds;
  };
  const Case cases[] = {
      {"-50", "50", "  (NA si sup ou = à Min=-50)    (NA si inf ou = à Max=50)  "},
      {"-50", "", "  (NA si sup ou = à Min=-50)  "},
      {"", "50", "  (NA si inf ou = à Max=50)  "},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    const auto lines = statistics_lines({&table, 12345, 1234567, c.min, c.max});
    EXPECT_EQ(lines[4], std::string("      NOMBRE de VALEURS utilisables = 6 345") + c.bounds +
                            "   issues de 1234567 lignes de données");
    EXPECT_EQ(lines[5], "      nombre de NA ou vides dans l\"ensemble du tableau = 6 000");
  }
}

}  // namespace
}  // namespace talve
