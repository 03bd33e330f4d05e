// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/file_discovery.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace talve {
namespace {

using testing::TempDir;

std::vector<std::string> names_of(const std::vector<FoundFile>& entries) {
  std::vector<std::string> names;
  for (const FoundFile& entry : entries) names.push_back(entry.subfolder + entry.name);
  return names;
}

std::vector<std::string> texts_of(const std::vector<FoundFile>& entries) {
  std::vector<std::string> texts;
  for (const FoundFile& entry : entries) texts.push_back(found_file_entry(entry));
  return texts;
}

struct MaskCase {
  const char* mask;
  const char* normal;
};

class MaskNormalisation : public ::testing::TestWithParam<MaskCase> {};

TEST_P(MaskNormalisation, GivesTheComparedForm) {
  EXPECT_EQ(normalise_mask(GetParam().mask), GetParam().normal);
}

INSTANTIATE_TEST_SUITE_P(Masks, MaskNormalisation,
                         ::testing::Values(MaskCase{"csv", ".CSV"}, MaskCase{"*.csv", ".CSV"},
                                           MaskCase{".CSV", ".CSV"}, MaskCase{"*.csV", ".CSV"},
                                           MaskCase{"dat15", ".DAT15"}, MaskCase{"*.*", ".*"},
                                           MaskCase{"*", "."}, MaskCase{"", "."}));

class FileDiscovery : public ::testing::Test {
 protected:
  std::vector<std::string> list(const std::string& mask, bool recursive = false) {
    std::vector<FoundFile> entries{FoundFile{"", "ancienne entrée", 0}};
    first = "ancien";
    count = lister_fichiers(dir.path(), mask, recursive, entries, first);
    EXPECT_EQ(count, static_cast<int>(entries.size()));
    return names_of(entries);
  }

  TempDir dir;
  std::string first;
  int count = 0;
};

TEST_F(FileDiscovery, MaskMatchesTheLastExtensionWithoutCaseAndSkipsTilde) {
  dir.write("a.csv", "1");
  dir.write("b.CSV", "22");
  dir.write("c.csv.bak", "");
  dir.write("~a.csv", "");
  dir.write("d~.csv", "");
  EXPECT_EQ(list("csv"), (std::vector<std::string>{"a.csv", "b.CSV"}));
  EXPECT_EQ(first, "a.csv");
}

TEST_F(FileDiscovery, StarPointStarListsEveryFileWithoutTilde) {
  dir.write("a.csv", "");
  dir.write("sans_extension", "");
  dir.write("x.txt~", "");
  EXPECT_EQ(list("*.*"), (std::vector<std::string>{"a.csv", "sans_extension"}));
}

TEST_F(FileDiscovery, LoneStarMatchesNoFile) {
  dir.write("a.csv", "");
  dir.write("sans_extension", "");
  EXPECT_TRUE(list("*").empty());
  EXPECT_EQ(first, "");
}

TEST_F(FileDiscovery, EntriesCarrySubfolderNameAndSize) {
  dir.write("2021/janv/m.csv", "12345");
  dir.write("top.csv", "abc");
  std::vector<FoundFile> entries;
  std::string first_name;
  ASSERT_EQ(lister_fichiers(dir.path(), "csv", true, entries, first_name), 2);
  EXPECT_EQ(texts_of(entries), (std::vector<std::string>{"2021/janv/  \tm.csv  \t5", "  \ttop.csv  \t3"}));
  EXPECT_EQ(first_name, "m.csv");
}

TEST_F(FileDiscovery, SubfoldersOnlyWithRecursionAndNeverHidden) {
  dir.write("a.csv", "");
  dir.write("sous/b.csv", "");
  dir.write(".cache/c.csv", "");
  dir.write(".cachee.csv", "");  // a hidden file is still a file
  EXPECT_EQ(list("csv", false), (std::vector<std::string>{".cachee.csv", "a.csv"}));
  EXPECT_EQ(list("csv", true), (std::vector<std::string>{".cachee.csv", "a.csv", "sous/b.csv"}));
  // A hidden folder is not listed as a file either, whatever the mask.
  EXPECT_EQ(list("*.*", true), (std::vector<std::string>{".cachee.csv", "a.csv", "sous/b.csv"}));
}

TEST_F(FileDiscovery, EntriesAreInNameOrderWithSubfoldersInPlace) {
  for (const char* name : {"m.csv", "b/2.csv", "z.csv", "a.csv", "b/1.csv", "c.csv"}) dir.write(name, "");
  EXPECT_EQ(list("csv", true),
            (std::vector<std::string>{"a.csv", "b/1.csv", "b/2.csv", "c.csv", "m.csv", "z.csv"}));
  EXPECT_EQ(first, "a.csv");
}

TEST_F(FileDiscovery, LinkBackToAnOuterFolderIsNotWalkedAgain) {
  dir.write("a.csv", "");
  dir.write("sous/b.csv", "");
  std::filesystem::create_directory_symlink(dir.path(), dir.path() + "sous/boucle");
  std::filesystem::create_directory_symlink(dir.path() + "sous", dir.path() + "lien");
  // "lien" leads to "sous", which is not being walked when it is met: it is
  // listed under both names, but neither walk goes round the loop.
  EXPECT_EQ(list("csv", true), (std::vector<std::string>{"a.csv", "lien/b.csv", "sous/b.csv"}));
}

TEST_F(FileDiscovery, OnlyRegularFilesAreListed) {
  dir.write("a.csv", "");
  // A named pipe would block the reading of the listed files.
  ASSERT_EQ(mkfifo((dir.path() + "tube.csv").c_str(), 0600), 0);
  std::filesystem::create_symlink(dir.path() + "absent.csv", dir.path() + "casse.csv");
  std::filesystem::create_symlink(dir.path() + "a.csv", dir.path() + "lien.csv");
  EXPECT_EQ(list("csv"), (std::vector<std::string>{"a.csv", "lien.csv"}));
}

TEST_F(FileDiscovery, SubfolderNamesKeepTheirBlanks) {
  dir.write("2021 /m.csv", "");
  dir.write(" hiver/n.csv", "");
  EXPECT_EQ(list("csv", true), (std::vector<std::string>{" hiver/n.csv", "2021 /m.csv"}));
}

// A data folder that gives nothing says why.
TEST_F(FileDiscovery, MissingFolderYieldsNothingAndItsReason) {
  const std::string file = dir.write("fichier.csv", "");
  const std::vector<std::pair<std::string, int>> cases = {
      {dir.path() + "absent", ENOENT}, {file, ENOTDIR}, {file + "/sous", ENOTDIR}};
  for (const auto& [folder, error] : cases) {
    std::vector<FoundFile> entries{FoundFile{"", "x", 0}};
    std::string first_name = "y";
    std::vector<UnreadableFolder> unreadable;
    EXPECT_EQ(lister_fichiers(folder, "csv", true, entries, first_name, std::nullopt, &unreadable), 0);
    EXPECT_TRUE(entries.empty());
    EXPECT_EQ(first_name, "");
    ASSERT_EQ(unreadable.size(), 1u) << folder;
    EXPECT_EQ(unreadable[0].subfolder, "");
    EXPECT_EQ(unreadable[0].error, error) << folder;
  }
  std::vector<FoundFile> entries;
  std::string first_name;
  EXPECT_EQ(lister_fichiers("", "csv", true, entries, first_name), 0);
  EXPECT_EQ(folder_problem_text(ENOENT), "n'existe pas");
  EXPECT_EQ(folder_problem_text(ENOTDIR), "n'est pas un répertoire");
  EXPECT_EQ(folder_problem_text(EACCES).rfind("est illisible : ", 0), 0u);
}

TEST_F(FileDiscovery, UnreadableSubfolderYieldsNothing) {
  dir.write("a.csv", "");
  dir.write("ferme/b.csv", "");
  std::filesystem::permissions(dir.path() + "ferme", std::filesystem::perms::none);
  std::error_code ec;
  std::filesystem::directory_iterator probe(dir.path() + "ferme", ec);
  if (ec) {  // the test runs as a user that permissions apply to
    EXPECT_EQ(list("csv", true), (std::vector<std::string>{"a.csv"}));
    std::vector<FoundFile> entries;
    std::string first_name;
    std::vector<UnreadableFolder> unreadable;
    lister_fichiers(dir.path(), "csv", true, entries, first_name, std::nullopt, &unreadable);
    ASSERT_EQ(unreadable.size(), 1u);
    EXPECT_EQ(unreadable[0].subfolder, "ferme/");
    EXPECT_EQ(unreadable[0].error, EACCES);
  }
  std::filesystem::permissions(dir.path() + "ferme", std::filesystem::perms::owner_all);
}

TEST_F(FileDiscovery, SpreadsheetSourceIsTheSingleEntry) {
  dir.write("a.csv", "");
  std::vector<FoundFile> entries;
  std::string first_name = "garde";
  EXPECT_EQ(lister_fichiers(dir.path(), "csv", false, entries, first_name,
                            SpreadsheetSource{"/classeurs/", "~tmp_xls.csv", 42}),
            1);
  EXPECT_EQ(texts_of(entries), std::vector<std::string>{"/classeurs/  \t~tmp_xls.csv  \t42"});
}

// The parts of an entry are kept apart: names holding the text form's
// separator are listed as they are.
TEST_F(FileDiscovery, NamesHoldingTheSeparatorKeepTheirParts) {
  dir.write("s  \tr/nom  \tavec\tblancs.csv", "123");
  std::vector<FoundFile> entries;
  std::string first_name;
  ASSERT_EQ(lister_fichiers(dir.path(), "csv", true, entries, first_name), 1);
  EXPECT_EQ(entries[0].subfolder, "s  \tr/");
  EXPECT_EQ(entries[0].name, "nom  \tavec\tblancs.csv");
  EXPECT_EQ(entries[0].size, 3u);
  EXPECT_EQ(found_file_entry(entries[0]), "s  \tr/  \tnom  \tavec\tblancs.csv  \t3");
}

TEST(DescriptionListing, ListsDscFilesOfTheFolderOnly) {
  TempDir dir;
  dir.write("b.DSC", "");
  dir.write("a.dsc", "");
  dir.write("c.txt", "");
  dir.write("sous/d.dsc", "");
  dir.mkdir("e.dsc");
  EXPECT_EQ(lister_descriptions(dir.path()),
            (std::vector<std::string>{dir.path() + "a.dsc", dir.path() + "b.DSC"}));
  EXPECT_TRUE(lister_descriptions(dir.path() + "absent/").empty());
}

}  // namespace
}  // namespace talve
