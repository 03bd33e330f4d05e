// SPDX-License-Identifier: GPL-3.0-or-later
// A data file that disappears after the listing (moved, deleted, its disk
// unplugged): the run says so and keeps the rows of the other files.
#include <filesystem>

#include "session/run_fixture.h"
#include "support/text_lines.h"

namespace talve {
namespace {

namespace fs = std::filesystem;

using testing::rows_of;

using VanishedFile = RunTest;

TEST_F(VanishedFile, DeletedBetweenListingAndRun) {
  write_two_files();
  list_and_build_grid();
  fs::remove(data + "nord_1.csv");
  EXPECT_EQ(traiter_fichier_click(session), RunOutcome::Written);
  EXPECT_EQ(ui.texts().front(), "fichier inexistant\n" + data + "nord_1.csv");
  EXPECT_EQ(rows_of(result_text()), (std::vector<std::string>{
                                        "01/01/2021 01:00:00;NA;NA;0",
                                        "01/01/2021 02:00:00;NA;NA;0",
                                        "01/01/2021 03:00:00;NA;NA;0",
                                        "01/01/2021 04:00:00;11,00;70,00;2",
                                    }));
}

TEST_F(VanishedFile, DeletedWhileTheRunReadsTheFileBeforeIt) {
  write_two_files();
  list_and_build_grid();
  const std::string sud = data + "sud_1.csv";
  ui.on_process_events = [this, &sud](int) {
    if (session.run.files_done == 1) fs::remove(sud);
  };
  EXPECT_EQ(traiter_fichier_click(session), RunOutcome::Written);
  EXPECT_EQ(ui.texts().front(), "fichier inexistant\n" + sud);
  EXPECT_EQ(rows_of(result_text()), (std::vector<std::string>{
                                        "01/01/2021 01:00:00; 2,00;50,00;2",
                                        "01/01/2021 02:00:00; 6,00;60,00;2",
                                        "01/01/2021 03:00:00;NA;NA;0",
                                        "01/01/2021 04:00:00;NA;NA;0",
                                    }));
}

}  // namespace
}  // namespace talve
