// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/parallel_read.h"

#include <gtest/gtest.h>

#include <random>

#include "support/temp_dir.h"
#include "text/text_utils.h"

namespace talve {
namespace {

// Large files are read and cut on two threads: the lines must be those of
// the plain reading, whatever falls where the halves meet.
TEST(ParallelRead, GivesThePlainReadingsLines) {
  testing::TempDir dir;
  std::mt19937 random(3);
  const char* ends[] = {"\r\n", "\n", "\r", "\r\r\n", "\n\n"};
  for (int round = 0; round < 6; ++round) {
    std::string bytes;
    while (bytes.size() < (5u << 20) + static_cast<unsigned>(round)) {
      bytes.append(static_cast<std::size_t>(random() % 90), 'x');
      bytes += ends[random() % 5];
    }
    // Put each kind of line end across the middle of the file.
    const std::size_t middle = bytes.size() / 2;
    const std::string end = ends[round % 5];
    bytes.replace(middle - 1, end.size(), end);
    const std::string path = dir.write("f" + std::to_string(round) + ".csv", bytes);

    std::vector<std::string_view> lines;
    const WholeFile whole = read_and_split(path, lines);
    ASSERT_EQ(whole.state, WholeFileState::Read);
    ASSERT_EQ(whole.bytes->view(), bytes);
    const std::vector<std::string_view> expected = split_lines(bytes);
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i) ASSERT_EQ(lines[i], expected[i]) << "line " << i;
  }
}

// The NUL substitutions are skipped only when no half of the file holds a
// NUL byte.
TEST(ParallelRead, TellsWhetherTheFileMayHoldNulBytes) {
  testing::TempDir dir;
  std::string bytes;
  while (bytes.size() < (5u << 20)) bytes += "2021-11-07 00:00:48;30.227;-38.208\r\n";
  for (const std::size_t at : {std::string::npos, std::size_t{10}, bytes.size() - 10, std::size_t{40}}) {
    std::string file = bytes;
    if (at != std::string::npos) file[at] = '\0';
    for (const std::string& text : {file, file.substr(0, 1000)}) {  // large and small files
      std::vector<std::string_view> lines;
      const WholeFile whole = read_and_split(dir.write("nul.csv", text), lines);
      EXPECT_EQ(whole.may_hold_nul, text.find('\0') != std::string::npos) << at << " " << text.size();
    }
  }
}

TEST(ParallelRead, SmallMissingAndEmptyFiles) {
  testing::TempDir dir;
  std::vector<std::string_view> lines;
  EXPECT_EQ(read_and_split(dir.file("absent.csv"), lines).state, WholeFileState::Missing);
  EXPECT_TRUE(lines.empty());
  EXPECT_EQ(read_and_split(dir.write("empty.csv", ""), lines).state, WholeFileState::Empty);
  const WholeFile small = read_and_split(dir.write("small.csv", "a\r\nb"), lines);
  EXPECT_EQ(lines, (std::vector<std::string_view>{"a", "b"}));
}

}  // namespace
}  // namespace talve
