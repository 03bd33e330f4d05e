// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/date_columns.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace talve {
namespace {

// One number reads as it always did (0, no date, when it does not read);
// a list reads when every item is a column from 1, none twice.
TEST(DateColumns, ListsOfColumnsJoinedByPlus) {
  const struct {
    const char* text;
    std::optional<std::vector<int>> columns;
  } cases[] = {
      {"2", std::vector<int>{2}},
      {" 2 ", std::vector<int>{2}},
      {"abc", std::vector<int>{0}},
      {"", std::vector<int>{0}},
      {"2+3+4", std::vector<int>{2, 3, 4}},
      {" 4 + 2 ", std::vector<int>{4, 2}},
      {"2++3", std::nullopt},
      {"+2", std::nullopt},
      {"2+", std::nullopt},
      {"2+2", std::nullopt},
      {"0+1", std::nullopt},
      {"2+x", std::nullopt},
      {"2+-3", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(read_date_columns(c.text), c.columns) << c.text;
    EXPECT_EQ(date_columns_or_none(c.text), c.columns.value_or(std::vector<int>{0})) << c.text;
  }
}

}  // namespace
}  // namespace talve
