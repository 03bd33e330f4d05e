// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tracking_log.h"

#include <gtest/gtest.h>

#include "support/scripted_interface.h"

namespace talve {
namespace {

TEST(TrackingLog, RepeatedLineIsKeptTwiceWhileTheLogIsShort) {
  TrackingLog log;
  log.ajout_suivi("a");
  log.ajout_suivi("a");
  EXPECT_EQ(log.lines(), (std::vector<std::string>{"a", "a"}));
  log.ajout_suivi("a");
  EXPECT_EQ(log.lines().size(), 2u);
}

TEST(TrackingLog, ConsecutiveDuplicatesCollapseOnceTwoLinesAreThere) {
  TrackingLog log;
  for (const char* line : {"x", "y", "", "", "z", "z", "", "y"}) log.ajout_suivi(line);
  EXPECT_EQ(log.lines(), (std::vector<std::string>{"x", "y", "", "z", "", "y"}));
}

TEST(TrackingLog, TellsTheInterface) {
  testing::ScriptedInterface ui;
  TrackingLog log(&ui);
  log.ajout_suivi("un");
  log.ajout_suivi("deux");
  log.ajout_suivi("deux");
  EXPECT_EQ(ui.tracking, (std::vector<std::string>{"un", "deux"}));
  log.clear();
  EXPECT_TRUE(ui.tracking.empty());
  EXPECT_TRUE(log.empty());
}

}  // namespace
}  // namespace talve
