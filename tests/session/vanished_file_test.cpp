// SPDX-License-Identifier: GPL-3.0-or-later
// A data file that disappears after the listing (moved, deleted, its disk
// unplugged): the run says so and keeps the rows of the other files.
#include <algorithm>
#include <filesystem>

#include "files/parallel_read.h"
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

// A large file is read whole into memory before its lines are. Cut short
// while the run reads its lines (a logger starting it again), it changes
// nothing: the run works on the bytes it read, every line of them, and
// goes on with the other files.
TEST_F(VanishedFile, CutShortWhileTheRunReadsItsLines) {
  write_two_files();
  std::vector<std::string> lines(20'000, "2021-01-01 00:30:00;1.0;50");
  lines.resize(160'000, "2021-01-01 01:30:00;3.0;60");
  const std::string nord = write_data("nord_1.csv", lines);
  ASSERT_GE(fs::file_size(nord), kParallelReadBytes);
  list_and_build_grid();
  bool cut = false;
  ui.on_process_events = [&](int) {
    // Events run from the reading of the file's lines only (the first
    // block of them is already read by then).
    if (!cut && session.run.files_done == 0 && ui.captions["Label_fic"] == "1  nord_1.csv") {
      fs::resize_file(nord, 4096);
      cut = true;
    }
  };
  EXPECT_EQ(traiter_fichier_click(session), RunOutcome::Written);
  ASSERT_TRUE(cut);
  EXPECT_EQ(rows_of(result_text()), (std::vector<std::string>{
                                        "01/01/2021 01:00:00; 1,00;50,00;20000",
                                        "01/01/2021 02:00:00; 3,00;60,00;140000",
                                        "01/01/2021 03:00:00;NA;NA;0",
                                        "01/01/2021 04:00:00;11,00;70,00;2",
                                    }));
}

}  // namespace
}  // namespace talve
