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

// A run reads a file piece by piece. Cut short while the run reads its
// lines (a logger starting it again), the file gives the lines read before
// the cut, whole, and the run goes on with the other files.
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
  const std::vector<std::string> rows = rows_of(result_text());
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0], "01/01/2021 01:00:00; 1,00;50,00;20000");
  // The later lines read before the cut, never more than there were.
  const std::string second = "01/01/2021 02:00:00; 3,00;60,00;";
  ASSERT_EQ(rows[1].substr(0, second.size()), second);
  const long long read = std::stoll(rows[1].substr(second.size()));
  EXPECT_GT(read, 0);
  EXPECT_LE(read, 140'000);
  EXPECT_EQ(rows[2], "01/01/2021 03:00:00;NA;NA;0");
  EXPECT_EQ(rows[3], "01/01/2021 04:00:00;11,00;70,00;2");
  // The tracking says the file lost its end while it was read.
  EXPECT_TRUE(std::any_of(ui.tracking.begin(), ui.tracking.end(), [](const std::string& line) {
    return line.starts_with("fichier raccourci pendant sa lecture => ");
  }));
}

}  // namespace
}  // namespace talve
