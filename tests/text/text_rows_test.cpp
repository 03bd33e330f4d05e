// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/text_rows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/text_utils.h"

namespace talve {
namespace {

TEST(TextRows, HoldsTheRowsAsTheirFileWithCrLfAfterEach) {
  TextRows rows{"titres", "", "a;b"};
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0], "titres");
  EXPECT_EQ(rows[1], "");
  EXPECT_EQ(rows[2], "a;b");
  EXPECT_EQ(rows.text(), "titres\r\n\r\na;b\r\n");
  EXPECT_EQ(rows.text(), join_lines_crlf(rows.lines()));
}

TEST(TextRows, ClearedRowsStartAgainAndCopiesStandAlone) {
  TextRows rows{"ancien"};
  TextRows copy = rows;
  rows.clear();
  EXPECT_TRUE(rows.empty());
  EXPECT_EQ(rows.text(), "");
  rows.push_back("nouveau");
  EXPECT_EQ(rows.lines(), std::vector<std::string>{"nouveau"});
  EXPECT_EQ(copy.lines(), std::vector<std::string>{"ancien"});
  copy = rows;
  EXPECT_EQ(copy.text(), "nouveau\r\n");
}

TEST(TextRows, AMovedFromListIsEmptyAndTakesRowsAgain) {
  TextRows rows{"a", "b"};
  TextRows taken = std::move(rows);
  EXPECT_EQ(taken.lines(), (std::vector<std::string>{"a", "b"}));
  EXPECT_TRUE(rows.empty());  // NOLINT(bugprone-use-after-move): the state after a move is the point
  EXPECT_EQ(rows.text(), "");
  rows.push_back("c");
  EXPECT_EQ(rows.text(), "c\r\n");
  taken = std::move(rows);
  EXPECT_EQ(taken.text(), "c\r\n");
}

// Equal lists hold the same rows, not only the same text: a row may hold a
// CR LF of its own, and the same text can then be cut in other places.
TEST(TextRows, EqualListsHoldTheSameRows) {
  EXPECT_EQ(TextRows({"a", "b"}), TextRows({"a", "b"}));
  EXPECT_NE(TextRows({"a", "b"}), TextRows({"a", "c"}));
  EXPECT_NE(TextRows({"a"}), TextRows({"a", ""}));
  EXPECT_NE(TextRows({"a\r\n", "b"}), TextRows({"a", "\r\nb"}));
  EXPECT_EQ(TextRows(), TextRows({}));
}

// Rows past every reserved size and every doubling keep their texts: the
// block moves as it grows, the rows are found by their offsets.
TEST(TextRows, GrowingKeepsEveryRow) {
  TextRows rows;
  rows.reserve(4, 16);
  std::vector<std::string> expected;
  for (int i = 0; i < 5000; ++i) {
    expected.push_back(std::string(static_cast<std::size_t>(i % 97), 'x') + std::to_string(i));
    rows.push_back(expected.back());
  }
  EXPECT_EQ(rows.lines(), expected);
  EXPECT_EQ(rows.text(), join_lines_crlf(expected));
}

}  // namespace
}  // namespace talve
