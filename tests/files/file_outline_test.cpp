// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/file_outline.h"

#include <gtest/gtest.h>

#include <random>

#include "core/workspace.h"
#include "files/data_block.h"
#include "files/loader.h"
#include "support/scripted_interface.h"
#include "support/temp_dir.h"
#include "support/text_lines.h"
#include "text/text_utils.h"

namespace talve {
namespace {

std::string random_text(std::mt19937& random, std::size_t size, int blank_end_lines) {
  const char* ends[] = {"\r\n", "\n", "\r", "\r\r\n", "\n\n"};
  std::string text;
  while (text.size() < size) {
    const int length = static_cast<int>(random() % 70);
    for (int i = 0; i < length; ++i) {
      const unsigned pick = random() % 40;
      text.push_back(pick == 0   ? '\0'
                     : pick == 1 ? '\t'
                     : pick == 2 ? ' '
                                 : static_cast<char>('a' + pick % 26));
    }
    text += ends[random() % 5];
  }
  for (int i = 0; i < blank_end_lines; ++i) text += "   \r\n";
  if (random() % 2) text += "last";
  return text;
}

TEST(LineEndCounter, CountsTheLinesSplitLinesGivesInAnyChunking) {
  std::mt19937 random(11);
  for (int round = 0; round < 20000; ++round) {
    const std::string text = testing::random_line_ends(random, 60);
    LineEndCounter counter;
    for (std::size_t at = 0; at < text.size();) {
      const std::size_t piece = 1 + random() % 20;
      counter.add(std::string_view(text).substr(at, piece));
      at += piece;
    }
    ASSERT_EQ(counter.lines(), split_lines(text).size()) << ::testing::PrintToString(text);
  }
}

// Chunks of thousands of bytes: line ends counted sixteen bytes at a time
// over many rounds, CRs and LFs dense or sparse, a CR at any place of a
// block and of a chunk.
TEST(LineEndCounter, CountsLongChunksAsSplitLinesCutsThem) {
  std::mt19937 random(13);
  for (int round = 0; round < 300; ++round) {
    const unsigned spread = 1 + random() % 120;  // one byte in `spread` is a CR or an LF
    std::string text;
    const std::size_t size = random() % 20000;
    for (std::size_t i = 0; i < size; ++i) {
      const unsigned pick = random() % (2 * spread);
      text.push_back(pick == 0 ? '\r' : pick == 1 ? '\n' : 'a');
    }
    LineEndCounter counter;
    for (std::size_t at = 0; at < text.size();) {
      const std::size_t piece = 1 + random() % 6000;
      counter.add(std::string_view(text).substr(at, piece));
      at += piece;
    }
    ASSERT_EQ(counter.lines(), split_lines(text).size()) << "round " << round;
  }
}

// Two parts counted apart, then put together, count as the whole: a part
// ending on CR before one starting with LF makes one line end, not two.
TEST(LineEndCounter, PartsCountedApartAddUpToTheWhole) {
  std::mt19937 random(12);
  const char alphabet[] = {'a', '\r', '\n', ';'};
  for (int round = 0; round < 3000; ++round) {
    std::string text;
    const int length = 1 + static_cast<int>(random() % 40);
    for (int i = 0; i < length; ++i) text.push_back(alphabet[random() % 4]);
    for (std::size_t cut = 0; cut < text.size(); ++cut) {
      LineEndCounter first, second;
      first.add(std::string_view(text).substr(0, cut));
      second.add(std::string_view(text).substr(cut));
      first.append(second, text[cut]);
      ASSERT_EQ(first.lines(), split_lines(text).size()) << ::testing::PrintToString(text) << " cut " << cut;
    }
  }
}

// A file large enough to be counted by two threads, whose middle falls
// between the CR and the LF of a line end.
TEST(FileOutline, ALargeFileCountedInTwoHalvesKeepsItsCount) {
  testing::TempDir dir;
  testing::ProgramHome home;
  testing::ScriptedInterface ui;
  Workspace ws(ui);
  std::string text;
  const std::string line = "2021-11-07 00:00:48;30.227;-38.208\r\n";
  while (text.size() < 9'000'000) text += line;
  const std::size_t middle = text.size() / 2;
  text[middle - 1] = '\r';
  text[middle] = '\n';
  for (const std::string& end : {std::string(), std::string("tail without end"), std::string("\r")}) {
    const std::string path = dir.write("large.csv", text + end);
    LoadedFile whole, outline;
    ASSERT_TRUE(load_data_file(ws, path, whole));
    ASSERT_TRUE(load_for_pre_reading(ws, path, outline, 30));
    EXPECT_TRUE(outline.is_outline());
    EXPECT_EQ(outline.size(), whole.size());
    EXPECT_EQ(outline.line_or_empty(static_cast<long long>(whole.size()) - 1), whole[whole.size() - 1]);
  }
}

// The outline a pre-reading gets must show the lines a whole load shows,
// wherever it shows them, with the same count and data block.
TEST(FileOutline, ShowsTheLinesOfAWholeLoad) {
  testing::TempDir dir;
  testing::ProgramHome home;
  testing::ScriptedInterface ui;
  Workspace ws(ui);
  std::mt19937 random(5);
  // The last one is read in two halves.
  const std::size_t sizes[] = {10, 5000, 70000, 1200000, 3000000, 4500000};
  for (std::size_t size : sizes) {
    for (int separator : {0, 2}) {
      for (const char* car_null : {"false", "true"}) {
        ws.description.assign("RadioGroup_separateur_colonne_ItemIndex", std::to_string(separator));
        ws.description.assign("CheckBox_car_null.Checked", car_null);
        ws.description.assign("Edit_num_ligne_donnee.text", size < 100 ? "9" : "2");
        const std::string path =
            dir.write("f.csv", random_text(random, size, static_cast<int>(random() % 3)));
        LoadedFile whole, outline;
        ASSERT_TRUE(load_data_file(ws, path, whole));
        ASSERT_TRUE(load_for_pre_reading(ws, path, outline, 30));
        ASSERT_EQ(outline.size(), whole.size()) << size;
        const DataBlock a = locate_data_block(whole, ws.description);
        const DataBlock b = locate_data_block(outline, ws.description);
        EXPECT_EQ(a.first, b.first);
        EXPECT_EQ(a.last, b.last) << size;
        for (std::size_t i = 0; i < whole.size(); ++i) {
          const bool shown = i < outline.first_lines().size() || i >= outline.tail_start();
          if (shown) {
            ASSERT_EQ(outline.line_or_empty(static_cast<long long>(i)), whole[i]) << size << " line " << i;
          }
        }
        EXPECT_GE(outline.first_lines().size(), std::min<std::size_t>(30, whole.size()));
      }
    }
  }
}

TEST(FileOutline, MarkersAndMissingFilesTakeTheWholeLoad) {
  testing::TempDir dir;
  testing::ProgramHome home;
  testing::ScriptedInterface ui;
  Workspace ws(ui);
  ws.description.assign("RadioGroup_numlig_balise_ItemIndex", "1");
  LoadedFile file;
  EXPECT_TRUE(load_for_pre_reading(ws, dir.write("m.csv", "DATA\r\n1\r\n2\r\nEND\r\n"), file, 30));
  EXPECT_FALSE(file.is_outline());
  EXPECT_EQ(file.size(), 4u);
  ws.description.assign("RadioGroup_numlig_balise_ItemIndex", "0");
  EXPECT_TRUE(load_for_pre_reading(ws, dir.file("absent.csv"), file, 30));
  EXPECT_TRUE(file.empty());
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].text, "fichier inexistant\n" + dir.file("absent.csv"));
}

}  // namespace
}  // namespace talve
