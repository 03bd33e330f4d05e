// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/mapped_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
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
  EXPECT_FALSE(mapped->changed());

  ASSERT_EQ(::truncate(path.c_str(), 4096), 0);
  EXPECT_EQ(mapped->data()[100], 'x');
  EXPECT_EQ(mapped->data()[3 * 4096 + 50], '\0');
  EXPECT_EQ(mapped->data()[2 * 4096], '\0');
  EXPECT_TRUE(mapped->changed());
}

// Written to in place or appended to, the file no longer is what was
// mapped; left alone (and read, and written in memory), it is.
TEST(MappedFile, TellsWhetherTheFileChangedSinceItWasMapped) {
  testing::TempDir dir;
  const std::string bytes(2 * 4096, 'x');
  for (const bool append : {false, true}) {
    const std::string path = dir.write("live.csv", bytes);
    const std::unique_ptr<MappedFile> mapped = map_path(path, bytes.size());
    ASSERT_NE(mapped, nullptr);
    mapped->writable_data()[10] = ';';
    EXPECT_FALSE(mapped->changed());
    const FileDescriptor writer{::open(path.c_str(), O_WRONLY | (append ? O_APPEND : 0))};
    // A time stamp that surely differs, whatever the file system's precision.
    const struct timespec later[2] = {{0, UTIME_OMIT}, {2'000'000'000, 0}};
    if (append) {
      ASSERT_EQ(::write(writer.fd, "y\r\n", 3), 3);
    } else {
      ASSERT_EQ(::pwrite(writer.fd, "y", 1, 100), 1);
      ASSERT_EQ(::futimens(writer.fd, later), 0);
    }
    EXPECT_TRUE(mapped->changed()) << append;
  }
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
