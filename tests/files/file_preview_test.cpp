// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/file_preview.h"

#include <gtest/gtest.h>

namespace talve {
namespace {

using Lines = std::vector<std::string>;

const Lines kClosing = {
    "=================================================", "cet affichage n'est qu'une partie du fichier...",
    "    double click pour affichage complet"};

TEST(FilePreview, ShortFileShowsAllItsLinesThenTheClosingLines) {
  const std::vector<std::string_view> lines = {"a", "b", "c", "d", "e"};
  Lines expected = {"a", "b", "c", "d", "e"};
  expected.insert(expected.end(), kClosing.begin(), kClosing.end());
  EXPECT_EQ(preview_lines(lines), expected);
}

TEST(FilePreview, StopsAfterTwentyOneLines) {
  std::vector<std::string> texts;
  for (int i = 0; i < 30; ++i) texts.push_back(std::to_string(i));
  const std::vector<std::string_view> lines(texts.begin(), texts.end());
  const Lines preview = preview_lines(lines);
  ASSERT_EQ(preview.size(), 24u);
  EXPECT_EQ(preview[20], "20");
  EXPECT_EQ(preview[21], kClosing[0]);
}

TEST(FilePreview, SemicolonsAndNulShowAsTabsAndAccentsAreRepaired) {
  const std::string line("temp\xC3\xA9rature;a\0b", 16);
  const Lines preview = preview_lines({line});
  EXPECT_EQ(preview[0], "température\ta\tb");
}

TEST(FilePreview, EmptyFileShowsOnlyTheClosingLines) { EXPECT_EQ(preview_lines({}), kClosing); }

}  // namespace
}  // namespace talve
