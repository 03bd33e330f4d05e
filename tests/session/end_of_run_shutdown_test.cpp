// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/end_of_run_shutdown.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <string>

#include "session/session.h"
#include "support/scripted_interface.h"
#include "support/temp_dir.h"

namespace talve {
namespace {

using testing::read_bytes;
using testing::ScriptedInterface;
using testing::TempDir;
using State = ShutdownCountdown::State;

// The shutdown command is replaced by a script that notes each call, and
// the countdown runs on a clock the test moves.
class EndOfRunShutdown : public ::testing::Test {
 protected:
  void SetUp() override {
    record = dir.file("appels.txt");
    const std::string script = dir.write("arret.sh", "#!/bin/sh\necho appel >> '" + record + "'\n");
    chmod(script.c_str(), 0755);
    setenv("TALVE_SHUTDOWN_COMMAND", script.c_str(), 1);
    session.shutdown_countdown.replace_sources([this] { return clock; }, {});
  }
  void TearDown() override { unsetenv("TALVE_SHUTDOWN_COMMAND"); }

  State run_out() {
    return session.shutdown_countdown.run_to_end([this](double seconds) { clock += seconds; });
  }

  TempDir dir;
  std::string record;
  double clock = 0;
  ScriptedInterface ui;
  Session session{ui};
};

TEST_F(EndOfRunShutdown, NothingWithoutTheShutdownRequest) {
  EXPECT_FALSE(start_end_of_run_shutdown(session));
  EXPECT_FALSE(session.shutdown_countdown.running());
  EXPECT_FALSE(ui.visible.contains("Panel4"));
}

TEST_F(EndOfRunShutdown, RunningOutCallsTheShutdownCommandOnce) {
  session.shutdown_after_run = true;
  ASSERT_TRUE(start_end_of_run_shutdown(session));
  EXPECT_FALSE(start_end_of_run_shutdown(session));  // already counting
  EXPECT_EQ(run_out(), State::ShutdownRequested);
  EXPECT_EQ(read_bytes(record), "appel\n");
  EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(EndOfRunShutdown, AKeyCancelsTheShutdown) {
  session.shutdown_after_run = true;
  ui.on_process_events = [this](int calls) {
    if (calls == 100) session.shutdown_countdown.key_pressed();
  };
  start_end_of_run_shutdown(session);
  EXPECT_EQ(run_out(), State::Cancelled);
  EXPECT_EQ(read_bytes(record), "");
  EXPECT_FALSE(ui.visible["Panel4"]);
}

}  // namespace
}  // namespace talve
