// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/shutdown_countdown.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "core/shutdown_command.h"
#include "core/workspace.h"
#include "support/scripted_interface.h"
#include "support/temp_dir.h"
#include "text/encoding.h"
#include "text/system_locale.h"

namespace talve {
namespace {

using testing::read_bytes;
using testing::ScriptedInterface;
using testing::TempDir;
using State = ShutdownCountdown::State;

constexpr const char* kNotice = "5 mn, pour annuler la mise en veille du PC en appuyant sur une touche...";

// A countdown on a clock the test moves, whose shutdown requests are only
// counted.
class Countdown : public ::testing::Test {
 protected:
  void SetUp() override { set_system_decimal_separator(','); }

  ScriptedInterface ui;
  Workspace ws{ui};
  double clock = 1000.0;
  int requests = 0;
  ShutdownCountdown countdown{ws, [this] { return clock; },
                              [this]() -> std::optional<std::string> {
                                ++requests;
                                return std::nullopt;
                              }};
};

TEST_F(Countdown, ShowsTheNoticeThenTheMinutesLeft) {
  countdown.start();
  EXPECT_TRUE(ui.visible["Panel4"]);
  EXPECT_EQ(ui.captions["Panel4"], kNotice);
  clock += 0.2;
  EXPECT_EQ(countdown.tick(), State::Running);
  EXPECT_EQ(ui.captions["Panel4"], kNotice);  // nothing during the first half second
  clock += 0.4;
  EXPECT_EQ(countdown.tick(), State::Running);
  EXPECT_EQ(ui.captions["Panel4"], "    4,99 mn");
  clock += 60.0;
  countdown.tick();
  EXPECT_EQ(ui.captions["Panel4"], "    3,99 mn");
  EXPECT_EQ(requests, 0);
}

TEST_F(Countdown, AKeyCancelsButNotOneHeldFromTheRun) {
  countdown.start();
  countdown.key_pressed();  // within the first half second: ignored
  clock += 0.5;
  EXPECT_EQ(countdown.tick(), State::Running);
  clock += 100.0;
  EXPECT_EQ(countdown.tick(), State::Running);
  countdown.key_pressed();
  clock += 0.2;
  EXPECT_EQ(countdown.tick(), State::Cancelled);
  EXPECT_FALSE(ui.visible["Panel4"]);
  clock += 400.0;
  EXPECT_EQ(countdown.tick(), State::Cancelled);
  EXPECT_EQ(requests, 0);
}

TEST_F(Countdown, RunningOutAsksForTheShutdownOnce) {
  countdown.start();
  double slept = 0;
  const State end = countdown.run_to_end([&](double seconds) {
    slept += seconds;
    clock += seconds;
  });
  EXPECT_EQ(end, State::ShutdownRequested);
  EXPECT_EQ(requests, 1);
  EXPECT_NEAR(slept, 300.0, 0.3);
  EXPECT_GT(ui.process_events_calls, 1400);  // events ran at every tick
  EXPECT_FALSE(ui.visible["Panel4"]);
  clock += 10;
  countdown.tick();
  EXPECT_EQ(requests, 1);
}

TEST_F(Countdown, AKeyDuringTheLoopStopsIt) {
  ui.on_process_events = [this](int calls) {
    if (calls == 50) countdown.key_pressed();
  };
  countdown.start();
  EXPECT_EQ(countdown.run_to_end([this](double seconds) { clock += seconds; }), State::Cancelled);
  EXPECT_EQ(requests, 0);
}

TEST_F(Countdown, AFailedRequestIsReported) {
  ShutdownCountdown failing{ws, [this] { return clock; },
                            [] { return std::optional<std::string>("/sbin/shutdown : code 1"); }};
  failing.start();
  clock += 301;
  failing.tick();
  failing.tick();
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].text, "L'arrêt de l'ordinateur n'a pas pu être demandé\n\n/sbin/shutdown : code 1");
}

TEST(CountdownText, MinutesUseTheSystemSeparatorOnEightCharacters) {
  set_system_decimal_separator('.');
  EXPECT_EQ(ShutdownCountdown::minutes_text(4.5), "    4.50 mn");
  set_system_decimal_separator(',');
  EXPECT_EQ(ShutdownCountdown::minutes_text(0.004), "    0,00 mn");
  EXPECT_EQ(ShutdownCountdown::minutes_text(4.999), "    5,00 mn");
}

// The command named by TALVE_SHUTDOWN_COMMAND gets the arguments as they
// are: the message with its quote and blanks arrives as one argument.
TEST(ShutdownCommand, RunsTheReplacementWithoutAShell) {
  TempDir dir;
  const std::string record = dir.file("args.txt");
  const std::string script = dir.write(
      "arret.sh", "#!/bin/sh\nfor a in \"$@\"; do printf '%s|' \"$a\" >> '" + record + "'; done\nexit 0\n");
  chmod(script.c_str(), 0755);
  setenv("TALVE_SHUTDOWN_COMMAND", script.c_str(), 1);
  const ShutdownCommand command = shutdown_command();
  EXPECT_EQ(command.program, script);
  EXPECT_EQ(run_without_shell(command), std::nullopt);
  unsetenv("TALVE_SHUTDOWN_COMMAND");
  EXPECT_EQ(read_bytes(record),
            "-h|+1|" + cp1252_to_utf8("L'ordinateur va s'arrêter dans une minute...") + "|");
}

TEST(ShutdownCommand, FailuresAreReportedNotHidden) {
  TempDir dir;
  const std::string script = dir.write("refus.sh", "#!/bin/sh\nexit 3\n");
  chmod(script.c_str(), 0755);
  EXPECT_EQ(run_without_shell({script, {}}), script + " : code 3");
  EXPECT_TRUE(run_without_shell({dir.file("absent"), {}}).has_value());
}

}  // namespace
}  // namespace talve
