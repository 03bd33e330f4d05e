// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/parameter_colours.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "core/program_folder.h"
#include "support/temp_dir.h"

namespace talve {
namespace {

using testing::ProgramHome;

void write_parameters(const std::string& bytes) {
  std::ofstream(parameter_file_path(), std::ios::binary | std::ios::trunc) << bytes;
}

TEST(ParameterColours, MissingFileGivesTheDefaultColours) {
  ProgramHome home;
  EXPECT_EQ(read_parameter_colours(), SchemeColours{});
  EXPECT_EQ(read_parameter_colours().background, (Rgb{255, 245, 221}));
  EXPECT_EQ(read_parameter_scheme(), 0);
}

TEST(ParameterColours, EachColourLineIsReadOnItsOwn) {
  ProgramHome home;
  struct Case {
    std::string line2;
    Rgb expected;
  };
  const std::vector<Case> cases = {
      {"1,2,3", {1, 2, 3}},
      {" 10 , 20 , 30 ", {10, 20, 30}},
      {"10,20", {255, 245, 221}},        // one comma
      {"10,20,30,40", {255, 245, 221}},  // three commas
      {"a,b,c", {255, 245, 221}},
      {"", {255, 245, 221}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line2);
    write_parameters("/d/x.dsc\r\n" + c.line2 + "\r\n4,5,6\r\n\r\n7,8,9\r\n");
    const SchemeColours colours = read_parameter_colours();
    EXPECT_EQ(colours.background, c.expected);
    EXPECT_EQ(colours.panel, (Rgb{4, 5, 6}));
    EXPECT_EQ(colours.field, (Rgb{208, 240, 218}));
    EXPECT_EQ(colours.number, (Rgb{7, 8, 9}));
  }
}

TEST(ParameterColours, SchemeLineChoosesGreyLevelsUnlessEmptyOrZero) {
  ProgramHome home;
  const std::vector<std::pair<std::string, int>> cases = {{"", 0}, {"0", 0}, {"1", 1}, {"2", 1}, {" ", 1}};
  for (const auto& [line, scheme] : cases) {
    SCOPED_TRACE(line);
    write_parameters("\r\n\r\n\r\n\r\n\r\n" + line + "\r\n");
    EXPECT_EQ(read_parameter_scheme(), scheme);
  }
}

TEST(ParameterColours, GreyLevelsReplaceTheSchemeColoursOnlyInTheirScheme) {
  const SchemeColours own{{1, 1, 1}, {2, 2, 2}, {3, 3, 3}, {4, 4, 4}};
  EXPECT_EQ(colours_in_use(0, own), own);
  const SchemeColours grey = colours_in_use(1, own);
  EXPECT_EQ(grey.background, (Rgb{240, 240, 240}));
  EXPECT_EQ(grey.panel, (Rgb{215, 215, 215}));
  EXPECT_EQ(grey.field, (Rgb{230, 230, 230}));
  EXPECT_EQ(grey.number, (Rgb{220, 220, 220}));
}

}  // namespace
}  // namespace talve
