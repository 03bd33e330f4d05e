// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/mapped_file.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "files/file_range.h"
#include "support/temp_dir.h"

namespace talve {
namespace {

std::unique_ptr<MappedFile> map_path(const std::string& path, std::size_t size) {
  const FileDescriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC)};
  return MappedFile::map(file.fd, size);
}

// A logger may rewrite a file while it is read: the pages the file lost
// read as zeros instead of ending the process, and the mapping says so.
TEST(MappedFile, AFileThatShrinksUnderItsMappingReadsAsZeros) {
  testing::TempDir dir;
  const std::string bytes(3 * 4096 + 100, 'x');
  const std::string path = dir.write("shrinking.csv", bytes);
  const std::unique_ptr<MappedFile> mapped = map_path(path, bytes.size());
  ASSERT_NE(mapped, nullptr);
  EXPECT_EQ(std::string_view(mapped->data(), mapped->size()), bytes);
  EXPECT_FALSE(mapped->cut_short());

  ASSERT_EQ(::truncate(path.c_str(), 4096), 0);
  EXPECT_EQ(mapped->data()[100], 'x');
  EXPECT_EQ(mapped->data()[3 * 4096 + 50], '\0');
  EXPECT_EQ(mapped->data()[2 * 4096], '\0');
  EXPECT_TRUE(mapped->cut_short());
}

// Writing into the mapping (the byte substitutions) never changes the file.
TEST(MappedFile, WritesStayInMemory) {
  testing::TempDir dir;
  const std::string bytes(2 * 4096, 'x');
  const std::string path = dir.write("kept.csv", bytes);
  std::unique_ptr<MappedFile> mapped = map_path(path, bytes.size());
  ASSERT_NE(mapped, nullptr);
  mapped->writable_data()[5000] = ';';
  EXPECT_EQ(mapped->data()[5000], ';');
  mapped.reset();
  EXPECT_EQ(testing::read_bytes(path), bytes);
}

// A bus error that is not a mapped file's still ends the process.
TEST(MappedFileDeathTest, OtherBusErrorsStillEndTheProcess) {
  testing::TempDir dir;
  const std::string path = dir.write("any.csv", std::string(4096, 'x'));
  ASSERT_NE(map_path(path, 4096), nullptr);  // the handler is in place from here on
  // (Under AddressSanitizer its own handler ends it, with a report.)
  EXPECT_DEATH(::raise(SIGBUS), "");
}

}  // namespace
}  // namespace talve
