// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/file_buffer.h"

#include <gtest/gtest.h>

namespace talve {
namespace {

// A buffer given back is the next one handed out, with its memory: file
// after file of a run is read into the same block, which grows only for a
// larger file.
TEST(FileBuffer, TheNextFileReusesTheMemoryOfTheLast) {
  const char* kept = nullptr;
  {
    const std::shared_ptr<FileBuffer> first = acquire_file_buffer();
    first->resize(5u << 20);
    kept = first->data();
  }
  const std::shared_ptr<FileBuffer> second = acquire_file_buffer();
  EXPECT_TRUE(second->empty());
  second->resize(5u << 20);
  EXPECT_EQ(second->data(), kept);
  second->resize(6u << 20);
  EXPECT_NE(second->data(), kept);
}

}  // namespace
}  // namespace talve
