// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/workspace.h"
#include "support/scripted_interface.h"

namespace talve {
namespace {

TEST(WorkspaceDates, DateComplaintsGoToTheTrackingLog) {
  testing::ScriptedInterface ui;
  Workspace workspace(ui);
  EXPECT_EQ(workspace.dates.normalise_date_heure("12/03/2022 01:15:30", "aaaa_mm_jj_hh_mn_ss"),
            "12/03/2022 01:15:30");
  std::string normalised;
  EXPECT_EQ(workspace.dates.texte_vers_datetime("31/02/2022 10:00:00", normalised), 0.0);
  EXPECT_EQ(ui.tracking,
            (std::vector<std::string>{"12/03/2022 01:15:30 date inversée mais corrigée",
                                      " * erreur date : 31/02/2022 10:00:00   <31/02/2022 10:00:00>"}));
  EXPECT_EQ(workspace.log.lines(), ui.tracking);
  EXPECT_EQ(workspace.dates.inverted_total(), 1);
}

}  // namespace
}  // namespace talve
