// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/result_name.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace talve {
namespace {

NameValues values(int seconds, int grid_count = 138) {
  NameValues v;
  v.total_duration = seconds / kSecondsPerDay;
  v.start_caption = "07/11/2021 00:00:00";
  v.end_caption = "08/11/2021 10:00:00";
  v.grid_count = grid_count;
  return v;
}

struct NameCase {
  const char* pattern;
  int seconds;
  const char* file_name;
  const char* report_pattern;
};

TEST(ResultName, PatternsGiveTheirFileNames) {
  const NameCase cases[] = {
      {"A#", 83, "A_00;01;23.txt", "A"},
      {"A#", 5, "A_00;00;05.txt", "A"},
      {"   ", 5, "A_00;00;05.txt", "A"},
      {"", 5, "A_00;00;05.txt", "A"},
      {"res.csv", 5, "res.csv", ""},
      {"R§", 5, "R du 07-11-2021 au 08-11-2021 (137).txt", "R"},
      // The duration comes before the period, whatever their order.
      {"R§#", 7, "R_00;00;07 du 07-11-2021 au 08-11-2021 (137).txt", "R"},
      {"R#§", 7, "R_00;00;07 du 07-11-2021 au 08-11-2021 (137).txt", "R"},
      // Only the first of each mark stands for something.
      {"a#b#", 5, "ab#_00;00;05.txt", "ab#"},
      {"mesures", 5, "mesures.txt", ""},
      // The stem ends at the first ".", the extension starts at the last.
      {"a.b.dat", 5, "a.dat", ""},
      // A name never leads into another folder.
      {"../../etc/x", 5, ".-etc-x", ""},
      {"sous/res", 5, "sous-res.txt", ""},
  };
  for (const NameCase& c : cases) {
    const ResultName name = result_name(c.pattern, values(c.seconds));
    EXPECT_EQ(name.file_name(), c.file_name) << c.pattern;
    EXPECT_EQ(name.report_pattern, c.report_pattern) << c.pattern;
  }
}

TEST(ResultName, IncrementTakesTheFirstFreeName) {
  testing::TempDir dir;
  const ResultName name = result_name("A#", values(5));
  EXPECT_EQ(first_free_path(dir.path(), name), dir.path() + "A_00;00;05.txt");
  dir.write("A_00;00;05.txt", "1");
  EXPECT_EQ(first_free_path(dir.path(), name), dir.path() + "A_00;00;05(1).txt");
  dir.write("A_00;00;05(1).txt", "2");
  EXPECT_EQ(first_free_path(dir.path(), name), dir.path() + "A_00;00;05(2).txt");
}

TEST(ResultName, OverwriteQuestion) {
  EXPECT_EQ(overwrite_question("/data/out/res.txt"),
            "/data/out\n\n Le fichier  res.txt\n\n   existe déjà\n\n => écraser ?");
}

}  // namespace
}  // namespace talve
