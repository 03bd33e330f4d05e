// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/file_pieces.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "support/temp_dir.h"
#include "support/text_lines.h"
#include "text/text_utils.h"

namespace talve {
namespace {

struct Read {
  std::vector<std::string> lines;
  bool indexes_follow = true;  // each piece starts where the one before ended
  std::size_t pieces = 0;
};

Read read_in_pieces(const std::string& path, std::size_t piece_bytes,
                    Substitution substitution = Substitution::None) {
  Read read;
  PieceReader reader(PieceSource{path, substitution, piece_bytes});
  while (reader.next()) {
    read.indexes_follow = read.indexes_follow && reader.first_index() == read.lines.size();
    EXPECT_FALSE(reader.lines().empty());
    for (std::string_view line : reader.lines()) read.lines.emplace_back(line);
    ++read.pieces;
  }
  read.indexes_follow = read.indexes_follow && reader.first_index() == read.lines.size();
  return read;
}

// The lines split_lines cuts from the whole text, each held to the length
// of a piece.
std::vector<std::string> expected_lines(const std::string& text, std::size_t piece_bytes) {
  std::vector<std::string> lines;
  for (std::string_view line : split_lines(text)) lines.emplace_back(line.substr(0, piece_bytes));
  return lines;
}

// Pieces of any size, wherever they cut the text (inside a line, between
// the CR and the LF of a line end, right after a lone CR): the lines are
// those of the whole text, a line longer than a piece cut at its length.
TEST(PieceReader, GivesTheLinesOfTheWholeTextWhateverThePieceSize) {
  testing::TempDir dir;
  std::mt19937 random(21);
  for (int round = 0; round < 3000; ++round) {
    std::string text = testing::random_line_ends(random, 80);
    // Some long lines too, beside the short ones.
    if (round % 3 == 0) text.insert(random() % (text.size() + 1), std::string(random() % 40, 'x'));
    const std::string path = dir.write("f.txt", text);
    const std::size_t piece = 1 + random() % 24;
    const Read read = read_in_pieces(path, piece);
    ASSERT_EQ(read.lines, expected_lines(text, piece))
        << ::testing::PrintToString(text) << " piece " << piece;
    ASSERT_TRUE(read.indexes_follow);
  }
}

// Files of many pieces, large enough for each piece to be read in two
// halves and cut on two threads.
TEST(PieceReader, LargePiecesReadAndCutOnTwoThreads) {
  testing::TempDir dir;
  std::mt19937 random(22);
  const char* ends[] = {"\r\n", "\n", "\r"};
  std::string text;
  while (text.size() < (13u << 20)) {
    text.append(random() % 120, 'a' + static_cast<char>(random() % 26));
    text += ends[random() % 3];
  }
  const std::string path = dir.write("large.txt", text);
  const std::size_t piece = (5u << 20) + 17;
  const Read read = read_in_pieces(path, piece);
  EXPECT_EQ(read.pieces, 3u);
  EXPECT_EQ(read.lines, expected_lines(text, piece));
  EXPECT_TRUE(read.indexes_follow);
}

// Each piece is rewritten as the whole file would be, the carried bytes
// once only; the file itself is left as it is.
TEST(PieceReader, RewritesTheBytesOfEachPiece) {
  testing::TempDir dir;
  const std::string text("a\0b\tc\r\nd\te\0\r\n\0\t", 15);
  const std::string path = dir.write("nul.txt", text);
  struct Case {
    Substitution substitution;
    std::vector<std::string> lines;
  };
  const std::vector<Case> cases = {
      {Substitution::None, {std::string("a\0b\tc", 5), std::string("d\te\0", 4), std::string("\0\t", 2)}},
      {Substitution::NulToStandIn,
       {"a\x01"
        "b\tc",
        "d\te\x01", "\x01\t"}},
      {Substitution::NulToUnderscore, {"a_b\tc", "d\te_", "_\t"}},
      {Substitution::Tabulation,
       {"a\x01"
        "b;c",
        "d;e\x01", "\x01;"}},
  };
  for (const Case& c : cases) {
    for (std::size_t piece : {1u, 4u, 7u, 100u}) {
      std::vector<std::string> held = c.lines;
      for (std::string& line : held) line.resize(std::min(line.size(), piece));
      EXPECT_EQ(read_in_pieces(path, piece, c.substitution).lines, held) << piece;
    }
  }
  EXPECT_EQ(testing::read_bytes(path), text);
}

TEST(PieceReader, MissingEmptyAndFolder) {
  testing::TempDir dir;
  const std::vector<std::pair<std::string, WholeFileState>> cases = {
      {dir.file("absent.csv"), WholeFileState::Missing},
      {dir.mkdir("folder.csv"), WholeFileState::Missing},
      {dir.write("empty.csv", ""), WholeFileState::Empty},
      {dir.write("one.csv", "x"), WholeFileState::Read},
  };
  for (const auto& [path, state] : cases) {
    PieceReader reader(PieceSource{path, Substitution::None, 16});
    EXPECT_EQ(reader.state(), state) << path;
    EXPECT_EQ(reader.next(), state == WholeFileState::Read) << path;
    EXPECT_FALSE(reader.next());
  }
}

}  // namespace
}  // namespace talve
