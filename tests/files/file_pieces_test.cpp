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
  // The lines of each piece were still the same after the next two pieces
  // were read (a run parses one piece while it reads the next).
  bool pieces_kept = true;
  std::size_t pieces = 0;
};

Read read_in_pieces(const std::string& path, std::size_t piece_bytes,
                    Substitution substitution = Substitution::None, std::size_t longest_line = kPieceBytes) {
  Read read;
  PieceReader reader(PieceSource{path, substitution, piece_bytes, longest_line});
  // The views of the last two pieces, with copies of their lines.
  std::vector<std::pair<const std::vector<std::string_view>*, std::vector<std::string>>> held;
  auto still_held = [&] {
    for (const auto& [views, copies] : held)
      read.pieces_kept =
          read.pieces_kept && std::equal(views->begin(), views->end(), copies.begin(), copies.end());
  };
  while (reader.next()) {
    still_held();
    read.indexes_follow = read.indexes_follow && reader.first_index() == read.lines.size();
    EXPECT_FALSE(reader.lines().empty());
    for (std::string_view line : reader.lines()) read.lines.emplace_back(line);
    ++read.pieces;
    held.emplace_back(&reader.lines(),
                      std::vector<std::string>(reader.lines().begin(), reader.lines().end()));
    if (held.size() > 2) held.erase(held.begin());
  }
  still_held();
  read.indexes_follow = read.indexes_follow && reader.first_index() == read.lines.size();
  return read;
}

// The lines split_lines cuts from the whole text, each held to the longest
// line kept.
std::vector<std::string> expected_lines(const std::string& text, std::size_t longest_line) {
  std::vector<std::string> lines;
  for (std::string_view line : split_lines(text)) lines.emplace_back(line.substr(0, longest_line));
  return lines;
}

// Pieces of any size, wherever they cut the text (inside a line, between
// the CR and the LF of a line end, right after a lone CR, inside a line
// longer than a piece), NUL bytes, no final line end, an empty file: the
// lines are those of the whole text; a line longer than the longest kept is
// cut at that length.
TEST(PieceReader, GivesTheLinesOfTheWholeTextWhateverThePieceSize) {
  testing::TempDir dir;
  std::mt19937 random(21);
  int cut = 0;
  for (int round = 0; round < 4000; ++round) {
    std::string text = testing::random_line_ends(random, 80);
    // Some long lines too, beside the short ones, and NUL bytes.
    if (round % 3 == 0) text.insert(random() % (text.size() + 1), std::string(random() % 40, 'x'));
    if (round % 5 == 0) text.insert(random() % (text.size() + 1), std::string(1 + random() % 3, '\0'));
    const std::string path = dir.write("f.txt", text);
    const std::size_t piece = 1 + random() % 24;
    const std::size_t longest = round % 2 ? kPieceBytes : 1 + random() % 30;
    const Read read = read_in_pieces(path, piece, Substitution::None, longest);
    ASSERT_EQ(read.lines, expected_lines(text, longest))
        << ::testing::PrintToString(text) << " piece " << piece << " longest " << longest;
    ASSERT_TRUE(read.indexes_follow);
    ASSERT_TRUE(read.pieces_kept) << ::testing::PrintToString(text) << " piece " << piece;
    cut += read.lines != expected_lines(text, kPieceBytes);
  }
  EXPECT_GT(cut, 100);  // long lines were cut
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
  EXPECT_EQ(read.lines, expected_lines(text, kPieceBytes));
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
      EXPECT_EQ(read_in_pieces(path, piece, c.substitution).lines, c.lines) << piece;
      std::vector<std::string> held = c.lines;
      for (std::string& line : held) line.resize(std::min(line.size(), piece));
      EXPECT_EQ(read_in_pieces(path, piece, c.substitution, piece).lines, held) << piece;
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
