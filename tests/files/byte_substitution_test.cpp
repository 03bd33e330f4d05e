// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/byte_substitution.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/workspace.h"
#include "support/scripted_interface.h"
#include "support/temp_dir.h"

namespace talve {
namespace {

using testing::read_bytes;
using testing::ScriptedInterface;
using testing::TempDir;

class ByteSubstitutionTest : public ::testing::Test {
 protected:
  TempDir dir;
  ScriptedInterface ui;
  Workspace ws{ui};
};

TEST_F(ByteSubstitutionTest, ReplacesEveryOccurrenceAndNothingElse) {
  const std::string source = dir.write("in.txt", std::string("a\tb\t\tc\r\n\0\t", 11));
  const std::string destination = dir.file("out.csv");
  EXPECT_EQ(copie_substitution(ws, source, destination, '\t', ';'), CopyOutcome::Copied);
  EXPECT_EQ(read_bytes(destination), std::string("a;b;;c\r\n\0;", 11));
  EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(ByteSubstitutionTest, MissingSourceIsReportedAndEmptiesTheDestination) {
  const std::string destination = dir.write("out.csv", "old content");
  const std::string source = dir.file("absent.txt");
  EXPECT_EQ(copie_substitution(ws, source, destination, '\t', ';'), CopyOutcome::SourceMissing);
  EXPECT_EQ(ui.texts(), std::vector<std::string>{"fichier inexistant\n" + source});
  EXPECT_TRUE(std::filesystem::exists(destination));
  EXPECT_EQ(read_bytes(destination), "");
}

TEST_F(ByteSubstitutionTest, EmptySourceIsTracedAndEmptiesTheDestination) {
  const std::string destination = dir.write("out.csv", "old content");
  const std::string source = dir.write("empty.txt", "");
  EXPECT_EQ(copie_substitution(ws, source, destination, '\t', ';'), CopyOutcome::SourceEmpty);
  EXPECT_EQ(ui.tracking, std::vector<std::string>{"fichier VIDE => " + source});
  EXPECT_EQ(read_bytes(destination), "");
}

TEST_F(ByteSubstitutionTest, UnwritableDestinationLeavesNothingBehind) {
  const std::string source = dir.write("in.txt", "a\tb");
  const std::string destination = dir.file("no-such-folder/out.csv");
  EXPECT_EQ(copie_substitution(ws, source, destination, '\t', ';'), CopyOutcome::WriteFailed);
  EXPECT_FALSE(std::filesystem::exists(dir.file("no-such-folder")));
}

TEST_F(ByteSubstitutionTest, CopyOntoItselfKeepsTheWholeContent) {
  const std::string path = dir.write("same.txt", "x\ty\tz");
  EXPECT_EQ(copie_substitution(ws, path, path, '\t', ';'), CopyOutcome::Copied);
  EXPECT_EQ(read_bytes(path), "x;y;z");
  std::size_t entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 1u);  // no temporary file left
}

}  // namespace
}  // namespace talve
