// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/text_file_output.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace talve {
namespace {

TEST(TextFileOutput, FolderThatCannotHoldTheFileIsToldInFrench) {
  testing::TempDir dir;
  const std::string file = dir.write("fichier", "x");
  struct Case {
    std::string path;
    std::string reason;
  };
  const Case cases[] = {
      {dir.path() + "absent/r.txt", "le répertoire n'existe pas"},
      {file + "/r.txt", "ce chemin désigne un fichier, pas un répertoire"},
  };
  for (const Case& c : cases) {
    std::string reason;
    EXPECT_FALSE(write_text_lines(c.path, {"a"}, reason)) << c.path;
    EXPECT_EQ(reason, c.reason);
  }
  EXPECT_EQ(testing::read_bytes(file), "x");
}

}  // namespace
}  // namespace talve
