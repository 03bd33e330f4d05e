// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/data_block.h"

#include <gtest/gtest.h>

#include "core/data_description.h"

namespace talve {
namespace {

using Views = std::vector<std::string_view>;

struct BlockCase {
  const char* name;
  int by_markers;
  const char* first_data_line;
  Views lines;
  long long marker, first, last;
};

TEST(DataBlock, LocatesByLineNumberOrByMarkers) {
  const std::vector<BlockCase> cases = {
      {"line number, blank tail skipped", 0, "3", {"t", "u", "1", "2", "  ", ""}, 0, 2, 3},
      {"line number, a tab is not blank", 0, "2", {"t", "1", "\t"}, 0, 1, 2},
      {"line number, nothing after the first line", 0, "2", {"t", " ", " "}, 0, 1, 0},
      {"line number, empty file", 0, "2", {}, 0, 1, 0},
      {"line number, unreadable number", 0, "deux", {"a", "b"}, 0, -1, 1},
      {"markers found", 1, "2", {"x", "DATA go", "1", "2", "END", "z"}, 1, 2, 3},
      {"markers: last end marker wins", 1, "3", {"DATA", "t", "1", "END", "2", "END"}, 0, 2, 4},
      {"markers: begin marker missing", 1, "2", {"x", "1", "END"}, 3, 4, 1},
      {"markers: end marker missing reads to the end", 1, "2", {"DATA", "1", "2"}, 0, 1, -1},
      {"markers: end marker on the first line only is not seen", 1, "2", {"END DATA", "1"}, 0, 1, -1},
      {"markers are case-sensitive", 1, "2", {"data", "1", "end"}, 3, 4, -1},
  };
  for (const BlockCase& c : cases) {
    DataDescription description;
    description.assign("RadioGroup_numlig_balise_ItemIndex", std::to_string(c.by_markers));
    description.assign("Edit_num_ligne_donnee.text", c.first_data_line);
    description.assign("Edit_balise_deb.text", "DATA");
    description.assign("Edit_balise_fin.text", "END");
    const DataBlock block = locate_data_block(c.lines, description);
    EXPECT_EQ(block.marker, c.marker) << c.name;
    EXPECT_EQ(block.first, c.first) << c.name;
    EXPECT_EQ(block.last, c.last) << c.name;
  }
}

TEST(DataBlock, TitleLineIndex) {
  struct Case {
    const char* with_titles;
    const char* title_line;
    long long expected;
  };
  for (const Case& c : {Case{"0", "3", 2}, Case{"0", " 1 ", 0}, Case{"1", "3", -1}}) {
    DataDescription description;
    description.assign("RadioGroup_avec_sans_intitule_ItemIndex", c.with_titles);
    description.assign("Edit_num_ligne_intitule_col.text", c.title_line);
    EXPECT_EQ(locate_data_block({"a"}, description).title, c.expected) << c.with_titles << c.title_line;
  }
}

}  // namespace
}  // namespace talve
