// SPDX-License-Identifier: GPL-3.0-or-later
// The engine reads one instant per data line, millions per run: the
// compiled reading of an ordinary line must not allocate.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>

#include "text/clock.h"
#include "text/compiled_date_template.h"

namespace {
bool g_counting = false;
long g_allocations = 0;
}  // namespace

void* operator new(std::size_t size) {
  if (g_counting) ++g_allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace talve {
namespace {

TEST(CompiledDateTemplateAllocations, OrdinaryLinesAllocateNothing) {
  set_fixed_now(*encode_date_time({{2024, 5, 6}, {12, 0, 0, 0}}));
  struct Case {
    const char* pattern;
    const char* value;
  };
  const Case cases[] = {
      {"aaaa_mm_jj_hh_mn_ss", "2022-03-12T01:15:30"},
      {"aaaa_mm_jj_hh_mn_ss", "\"2022-03-12 01:15:30\""},
      {"aaaa_mm_jj_hh_mn_ss", "12/03/2022 01:15:30"},  // inverted, after the first of its run
      {"jj_mm_aaaa hh_mn_ss.s", "12/03/2022 01:15:30.5"},
      {"20aa_mm_jj hh_mn", "22/03/12 01:15"},
      {"jj_mm_20aa_hh_mn_ss", "12/03/22 01:15:30"},
      {"aaaa_mm_jj", "2022/03/12"},
      {"hh_mn_ss", "01:15:30"},
      {"2023/05/12 hh:mn:ss", "01:15:30"},
      {"aaaa_mm_jj_hh_mn_ss", "2022/03/1"},  // too few digits
  };
  for (const Case& c : cases) {
    DateTimeReader reader;
    CompiledDateTemplate compiled(reader, c.pattern);
    compiled.read(c.value);  // the first inverted date of a run is traced
    g_allocations = 0;
    g_counting = true;
    for (int i = 0; i < 100; ++i) compiled.read(c.value);
    g_counting = false;
    EXPECT_EQ(g_allocations, 0) << c.pattern << " " << c.value;
  }
  set_fixed_now(std::nullopt);
}

}  // namespace
}  // namespace talve
