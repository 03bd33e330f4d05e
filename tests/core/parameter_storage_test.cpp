// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/parameter_storage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/parameter_file.h"
#include "core/program_folder.h"
#include "support/scripted_interface.h"
#include "support/temp_dir.h"
#include "text/text_utils.h"

namespace talve {
namespace {

using testing::ProgramHome;
using testing::read_bytes;
using testing::ScriptedInterface;
using testing::TempDir;

std::vector<std::string> lines_of(const std::string& path) {
  const std::string bytes = read_bytes(path);
  std::vector<std::string> lines;
  for (auto line : split_lines(bytes)) lines.emplace_back(line);
  return lines;
}

TEST(ParameterStorage, ReadsLinesByNumber) {
  TempDir dir;
  const std::string path = dir.write("p.prm", "un\r\ndeux\ntrois\r\n");
  EXPECT_EQ(lire_ligne_fichier(path, 1), "un");
  EXPECT_EQ(lire_ligne_fichier(path, 2), "deux");
  EXPECT_EQ(lire_ligne_fichier(path, 3), "trois");
  EXPECT_EQ(lire_ligne_fichier(path, 4), "");
  EXPECT_EQ(lire_ligne_fichier(path, 0), "");
  EXPECT_EQ(lire_ligne_fichier(dir.file("absent.prm"), 1), "");
}

TEST(ParameterStorage, WritingALinePadsTheFileToSixtyLines) {
  TempDir dir;
  ScriptedInterface ui;
  const std::string path = dir.file("p.prm");
  ASSERT_TRUE(ecrire_fichier_une_ligne("/desc/a.dsc", path));
  EXPECT_EQ(read_bytes(path), "/desc/a.dsc\r\n");

  ASSERT_TRUE(ecrire_parametre("1", path, 6, ui));
  const auto lines = lines_of(path);
  ASSERT_EQ(lines.size(), 60u);
  EXPECT_EQ(lines[0], "/desc/a.dsc");
  EXPECT_EQ(lines[5], "1");
  EXPECT_EQ(lines[59], "");
  EXPECT_TRUE(read_bytes(path).ends_with("\r\n\r\n"));
  EXPECT_TRUE(ui.boxes.empty());
}

TEST(ParameterStorage, LineBeyondSixtyIsRefusedButTheFileIsStillRewritten) {
  TempDir dir;
  ScriptedInterface ui;
  const std::string path = dir.write("p.prm", "garde\r\n");
  ASSERT_TRUE(ecrire_parametre("perdu", path, 61, ui));
  EXPECT_EQ(ui.texts(),
            std::vector<std::string>{" max_parametre = 60\n augmenter ce nombre dans le source..."});
  const auto lines = lines_of(path);
  ASSERT_EQ(lines.size(), 60u);
  EXPECT_EQ(lines[0], "garde");
  for (const auto& line : lines) EXPECT_NE(line, "perdu");
}

TEST(ParameterStorage, ListsRoundTrip) {
  TempDir dir;
  const std::string path = dir.file("liste.txt");
  ASSERT_TRUE(liste_vers_fichier({"/a/", "/b c/", "/d\xE9/"}, path));
  EXPECT_EQ(read_bytes(path), "/a/\r\n/b c/\r\n/d\xE9/\r\n");
  std::vector<std::string> items{"ancien"};
  fichier_vers_liste(items, path);
  EXPECT_EQ(items, (std::vector<std::string>{"/a/", "/b c/", "/d\xE9/"}));
  fichier_vers_liste(items, dir.file("absent.txt"));
  EXPECT_TRUE(items.empty());
}

TEST(ParameterFile, SavedDescriptionWritesPathColoursAndScheme) {
  ProgramHome home;
  ScriptedInterface ui;
  SchemeColours colours;
  colours.field = Rgb{1, 2, 3};
  EXPECT_TRUE(record_saved_description("/desc/a.dsc", 0, colours, ui));
  auto lines = lines_of(parameter_file_path());
  ASSERT_EQ(lines.size(), 60u);
  EXPECT_EQ(lines[0], "/desc/a.dsc");
  EXPECT_EQ(lines[1], "255,245,221");
  EXPECT_EQ(lines[2], "245,216,175");
  EXPECT_EQ(lines[3], "1,2,3");
  EXPECT_EQ(lines[4], "183,251,249");
  EXPECT_EQ(lines[5], "0");

  // Grey levels leave the colour lines alone.
  EXPECT_TRUE(record_saved_description("/desc/b.dsc", 1, SchemeColours{}, ui));
  lines = lines_of(parameter_file_path());
  EXPECT_EQ(lines[0], "/desc/b.dsc");
  EXPECT_EQ(lines[3], "1,2,3");
  EXPECT_EQ(lines[5], "1");
}

TEST(ParameterFile, ChosenDescriptionReplacesTheFile) {
  ProgramHome home;
  ScriptedInterface ui;
  EXPECT_TRUE(record_saved_description("/desc/a.dsc", 0, SchemeColours{}, ui));
  EXPECT_TRUE(record_chosen_description("/autre/b.dsc", ui));
  const auto lines = lines_of(parameter_file_path());
  ASSERT_EQ(lines.size(), 60u);
  EXPECT_EQ(lines[0], "/autre/b.dsc");
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[5], "0");
  EXPECT_TRUE(record_renamed_description("/autre/c.dsc"));
  EXPECT_EQ(read_bytes(parameter_file_path()), "/autre/c.dsc\r\n");
}

TEST(SchemeColours, ColourLinesNeedExactlyTwoCommas) {
  EXPECT_EQ(parse_rgb("255,245,221"), (Rgb{255, 245, 221}));
  EXPECT_EQ(parse_rgb(" 1 , 2 ,3"), (Rgb{1, 2, 3}));
  EXPECT_FALSE(parse_rgb("1,2"));
  EXPECT_FALSE(parse_rgb("1,2,3,4"));
  EXPECT_FALSE(parse_rgb("a,2,3"));
  EXPECT_FALSE(parse_rgb(""));
  EXPECT_EQ(format_rgb(Rgb{208, 240, 218}), "208,240,218");
}

}  // namespace
}  // namespace talve
