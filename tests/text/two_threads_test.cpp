// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/two_threads.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <thread>

namespace talve {
namespace {

// One thread serves every task: each runs beside the caller, on a thread of
// its own, and the caller goes on only once both sides are done.
TEST(SecondThread, RunsEveryTaskBesideTheCallerOnOneThread) {
  SecondThread second;
  std::thread::id first_beside;
  long long sum = 0;
  for (int task = 0; task < 1000; ++task) {
    std::thread::id beside_id;
    int beside_value = 0, here_value = 0;
    second.run(
        [&] {
          beside_id = std::this_thread::get_id();
          beside_value = task;
        },
        [&] { here_value = task; });
    ASSERT_NE(beside_id, std::this_thread::get_id());
    if (task == 0) first_beside = beside_id;
    ASSERT_EQ(beside_id, first_beside);
    sum += beside_value + here_value;
  }
  EXPECT_EQ(sum, 999 * 1000);
}

// An exception of either side comes back to the caller once both are done,
// the caller's first; the thread serves the next task after it.
TEST(SecondThread, BringsExceptionsBackAndGoesOn) {
  struct Case {
    bool beside_throws, here_throws;
    const char* expected;
  };
  const Case cases[] = {{true, false, "beside"}, {false, true, "here"}, {true, true, "here"}};
  SecondThread second;
  for (const Case& c : cases) {
    std::atomic<bool> beside_done{false};
    try {
      second.run(
          [&] {
            beside_done = true;
            if (c.beside_throws) throw std::runtime_error("beside");
          },
          [&] {
            if (c.here_throws) throw std::runtime_error("here");
          });
      ADD_FAILURE() << "no exception";
    } catch (const std::runtime_error& error) {
      EXPECT_STREQ(error.what(), c.expected);
    }
    EXPECT_TRUE(beside_done);
    int after = 0;
    second.run([&] { after += 1; }, [] {});
    EXPECT_EQ(after, 1);
  }
}

}  // namespace
}  // namespace talve
