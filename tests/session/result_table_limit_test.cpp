// SPDX-License-Identifier: GPL-3.0-or-later
// A run whose ResultTable would not fit in memory ends before it is made,
// with a message, instead of exhausting the computer.
#include <filesystem>

#include "core/size_limits.h"
#include "session/run_fixture.h"

namespace talve {
namespace {

using ResultTableLimit = RunTest;

TEST_F(ResultTableLimit, WideFilesOverALongGridAreRefused) {
  // 100 000 columns (the most a file may give) over 1 400 one-minute rows:
  // 1 404 x 100 004 cells, beyond the limit.
  std::string titles = "Date";
  for (int k = 1; k < 100'000; ++k) titles += ";T" + std::to_string(k);
  dir.write("data/large_1.csv", titles + "\r\n2021-01-01 02:30:00;7.0;80\r\n");
  session.period.start_caption = "01/01/2021 00:00:00";
  session.period.end_caption = "01/01/2021 23:19:00";
  session.period.step_time = 1.0 / 1440;
  list_and_build_grid();
  ASSERT_EQ(session.grid.count(), 1401);
  ASSERT_GT(1404LL * 100'004, kMaxResultCells);

  EXPECT_EQ(traiter_fichier_click(session), RunOutcome::NoResult);
  EXPECT_EQ(ui.texts().back(),
            " Le tableau des résultats serait trop grand :\n\n 1 400 lignes x 99 999 colonnes de données\n\n"
            " => réduire la période ou allonger le pas de temps,\n"
            "    vérifier le séparateur de colonne et la ligne des intitulés\n"
            "    (un fichier sans fin de ligne ou binaire donne des millions de colonnes)");
  EXPECT_EQ(session.run.failure,
            "le tableau des résultats serait trop grand (1 400 lignes x 99 999 colonnes de données)");
  EXPECT_TRUE(session.results.cells.empty());
  EXPECT_FALSE(std::filesystem::exists(out + "res.txt"));
  EXPECT_FALSE(session.flags.running);
  EXPECT_FALSE(session.flags.busy);
}

TEST_F(ResultTableLimit, ColumnListWiderThanTheFilesIsCountedBeforeTheTable) {
  // A list of 100 000 columns on a file of two: the table takes the list's
  // width, which the guard used to take from the file.
  dir.write("data/narrow_1.csv", "Date;T;H\r\n2021-01-01 02:30:00;7.0;80\r\n");
  std::string columns = "2";
  for (int k = 3; k <= 100'001; ++k) columns += ";" + std::to_string(k);
  session.description.assign("CheckBox_col_cochee.Checked", "true");
  session.description.assign("Edit_col_cochee.text", columns);
  session.period.start_caption = "01/01/2021 00:00:00";
  session.period.end_caption = "01/01/2021 23:19:00";
  session.period.step_time = 1.0 / 1440;
  list_and_build_grid();
  ASSERT_EQ(session.grid.count(), 1401);

  EXPECT_EQ(traiter_fichier_click(session), RunOutcome::NoResult);
  EXPECT_EQ(session.run.failure,
            "le tableau des résultats serait trop grand (1 400 lignes x 100 000 colonnes de données)");
  EXPECT_TRUE(session.results.cells.empty());
  EXPECT_FALSE(std::filesystem::exists(out + "res.txt"));
}

}  // namespace
}  // namespace talve
