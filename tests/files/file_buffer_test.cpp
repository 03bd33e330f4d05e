// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/file_buffer.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace talve {
namespace {

// Once prepared for the largest file of a run, the pooled buffer reads each
// of them without growing; missing files and mapped ones are passed over.
TEST(FileBuffer, PreparedForTheLargestFileOfTheRun) {
  testing::TempDir dir;
  const std::string small = dir.write("small.csv", std::string(1000, 'a'));
  const std::string large = dir.write("large.csv", std::string(3u << 20, 'b'));
  const std::string mapped = dir.write("mapped.csv", std::string(kMappedFileBytes, 'c'));
  prepare_file_buffer({small, dir.file("absent.csv"), large, mapped});
  const std::shared_ptr<FileBuffer> buffer = acquire_file_buffer();
  EXPECT_TRUE(buffer->empty());
  const char* const kept = buffer->data();
  ASSERT_NE(kept, nullptr);
  buffer->resize(3u << 20);
  EXPECT_EQ(buffer->data(), kept);
  // Files large enough to be mapped need no buffer: it was not made that large.
  buffer->resize(kMappedFileBytes);
  EXPECT_NE(buffer->data(), kept);
}

}  // namespace
}  // namespace talve
