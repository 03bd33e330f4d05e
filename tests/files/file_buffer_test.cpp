// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/file_buffer.h"

#include <gtest/gtest.h>

namespace talve {
namespace {

// A buffer given back is the next one handed out, with its memory: file
// after file of a run is read into the same block, which grows only for a
// larger file. The pool is the test's own, which the loadings of the other
// tests, in whatever order they run, never touch.
TEST(FileBuffer, TheNextFileReusesTheMemoryOfTheLast) {
  FileBufferPool pool;
  const char* kept = nullptr;
  {
    const std::shared_ptr<FileBuffer> first = pool.acquire();
    first->resize(5u << 20);
    kept = first->data();
  }
  const std::shared_ptr<FileBuffer> second = pool.acquire();
  EXPECT_TRUE(second->empty());
  second->resize(5u << 20);
  EXPECT_EQ(second->data(), kept);
  second->resize(6u << 20);
  EXPECT_NE(second->data(), kept);
}

}  // namespace
}  // namespace talve
