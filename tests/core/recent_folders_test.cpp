// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/recent_folders.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace talve {
namespace {

using testing::ProgramHome;
using testing::read_bytes;

TEST(RecentFolders, KeepsEntriesUniqueWithoutRegardToCaseInTheirOrder) {
  RecentFolders list;
  EXPECT_TRUE(list.add("1- /data/Site/"));
  EXPECT_TRUE(list.add("3- /out/"));
  EXPECT_FALSE(list.add("1- /DATA/site/"));
  EXPECT_TRUE(list.add("2- /data/Site/"));  // another kind is another entry
  EXPECT_EQ(list.entries(), (std::vector<std::string>{"1- /data/Site/", "3- /out/", "2- /data/Site/"}));
}

TEST(RecentFolders, NeverAddsThePlaceholders) {
  RecentFolders list;
  for (const char* entry : {"1- répertoire données", "2- répertoire description", "3- répertoire de sortie"})
    EXPECT_FALSE(list.add(entry)) << entry;
  EXPECT_TRUE(list.empty());
}

TEST(RecentFolders, SavesOneEntryALineAndLoadsThemBack) {
  ProgramHome home;
  RecentFolders list;
  list.add("1- /données/");
  list.add("2- /desc/");
  ASSERT_TRUE(list.save());
  EXPECT_EQ(read_bytes(RecentFolders::file_path()), "1- /données/\r\n2- /desc/\r\n");
  EXPECT_EQ(RecentFolders::file_path(), home.path() + "nom_fic_rep_recents.txt");

  RecentFolders next;
  next.load_once();
  EXPECT_EQ(next.entries(), list.entries());
  // Only the first load reads the file; the list in memory wins after.
  next.clear();
  next.load_once();
  EXPECT_TRUE(next.empty());
}

TEST(RecentFolders, EntryFolderStartsAtTheFourthCharacter) {
  EXPECT_EQ(RecentFolders::folder_of_entry("2- /desc/"), "/desc/");
  EXPECT_EQ(RecentFolders::folder_of_entry("2- "), "");
  EXPECT_EQ(RecentFolders::folder_of_entry(""), "");
}

}  // namespace
}  // namespace talve
