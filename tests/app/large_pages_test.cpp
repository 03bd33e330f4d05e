// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/large_pages.h"

#include <gtest/gtest.h>

namespace talve {
namespace {

// The setting joins what the environment already asks of the C library, and
// a value the user gave for it, whatever it is, is left as it stands (which
// also keeps the restarted program from restarting again).
TEST(LargePages, TunablesKeepWhatTheyHold) {
  struct Case {
    const char* current;
    std::optional<std::string> expected;
  };
  const Case cases[] = {
      {nullptr, "glibc.malloc.hugetlb=1"},
      {"", "glibc.malloc.hugetlb=1"},
      {"glibc.malloc.arena_max=2", "glibc.malloc.arena_max=2:glibc.malloc.hugetlb=1"},
      {"glibc.malloc.hugetlb=1", std::nullopt},
      {"glibc.malloc.hugetlb=0", std::nullopt},
      {"glibc.malloc.check=0:glibc.malloc.hugetlb=2", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(tunables_with_large_pages(c.current), c.expected) << (c.current ? c.current : "(none)");
  }
}

}  // namespace
}  // namespace talve
