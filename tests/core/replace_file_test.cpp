// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/replace_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <string>

#include "core/interruption.h"
#include "support/temp_dir.h"

namespace talve {
namespace {

using testing::read_bytes;
using testing::TempDir;

std::size_t file_count(const std::string& folder) {
  std::size_t count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
  return count;
}

// Lowers the size any file of the process may reach, for the life of the
// object: writing past it fails as on a full disk.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &m_saved);
    m_previous_handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = m_saved;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &m_saved);
    std::signal(SIGXFSZ, m_previous_handler);
  }

 private:
  rlimit m_saved{};
  void (*m_previous_handler)(int) = nullptr;
};

TEST(ReplaceFile, WriteThatRunsOutOfSpaceLeavesTheOldFileWhole) {
  TempDir dir;
  const std::string path = dir.write("station.dsc", "ancien contenu\r\n");
  std::string error;
  {
    FileSizeLimit limit(64);
    EXPECT_FALSE(replace_file(path, std::string(4096, 'x'), &error));
  }
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(read_bytes(path), "ancien contenu\r\n");
  EXPECT_EQ(file_count(dir.path()), 1u);  // no temporary file left behind
}

TEST(ReplaceFile, ReplacesContentAndKeepsPermissions) {
  TempDir dir;
  const std::string path = dir.write("p.prm", "un\r\n");
  std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                         std::filesystem::perms::owner_write |
                                         std::filesystem::perms::group_read);
  ASSERT_TRUE(replace_file(path, "deux\r\n"));
  EXPECT_EQ(read_bytes(path), "deux\r\n");
  EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                std::filesystem::perms::group_read);
  EXPECT_EQ(file_count(dir.path()), 1u);
}

TEST(ReplaceFile, LinkedFileIsReplacedThroughTheLink) {
  TempDir dir;
  const std::string target = dir.write("vrai/station.dsc", "ancien\r\n");
  std::filesystem::create_symlink(target, dir.path() + "lien.dsc");
  ASSERT_TRUE(replace_file(dir.path() + "lien.dsc", "nouveau\r\n"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir.path() + "lien.dsc"));
  EXPECT_EQ(read_bytes(target), "nouveau\r\n");
}

// An interruption stops an interruptible writing before the file is
// replaced: the old file stays and no temporary file is left; a writing
// that must end (the report of a result already written) goes on.
TEST(ReplaceFile, InterruptionStopsOnlyAnInterruptibleWriting) {
  TempDir dir;
  const std::string path = dir.write("res.txt", "ancien\r\n");
  request_interruption();
  std::string error;
  const bool replaced = replace_file(path, std::string(10 << 20, 'x'), &error, true);
  const bool report_written = replace_file(dir.path() + "res.txt.TXT", "suivi\r\n");
  clear_interruption();
  EXPECT_FALSE(replaced);
  EXPECT_EQ(error, "écriture interrompue");
  EXPECT_EQ(read_bytes(path), "ancien\r\n");
  EXPECT_TRUE(report_written);
  EXPECT_EQ(file_count(dir.path()), 2u);
}

}  // namespace
}  // namespace talve
