// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/first_line_checks.h"

#include <gtest/gtest.h>

#include <memory>

#include "core/workspace.h"
#include "engine/decoding.h"
#include "files/file_table.h"
#include "support/scripted_interface.h"
#include "text/text_utils.h"

namespace talve {
namespace {

LoadedFile file_of(const std::string& text) { return LoadedFile::from_text(text); }

class FirstLineChecks : public ::testing::Test {
 protected:
  FirstLineChecks() : ws(ui) {
    row = table.add_row();
    ws.description.assign("Edit_format_datetime_mesure.text", "jj_mm_aaaa_hh_mn_ss");
  }

  FileCheck check(const LoadedFile& file, DataBlock block) {
    return check_first_lines(ws, table, row, "/d/a.txt", file, block, DecodeSettings::read(ws.description),
                             dates, span);
  }

  testing::ScriptedInterface ui;
  Workspace ws;
  FileTable table;
  int row = 0;
  FileDates dates;
  DataSpan span;
};

TEST_F(FirstLineChecks, CellsOfAnOrdinaryFile) {
  ws.description.assign("RadioGroup_separateur_colonne_ItemIndex", "1");
  const LoadedFile file =
      file_of("titre\n\nDate Heure  T   H\n07/11/2021 10:00:00  1.5   2\n07/11/2021 11:00:00 2 3\n");
  ws.description.assign("RadioGroup_datetime_nb_col_ItemIndex", "1");
  ws.description.assign("Edit_format_date_mesure_seule.text", "jj_mm_aaaa");
  ws.description.assign("Edit_format_time_mesure_seul.text", "hh_mn_ss");
  DataBlock block;
  block.first = 3;
  block.last = 4;
  block.title = 2;
  EXPECT_EQ(check(file, block), FileCheck::go_on);
  EXPECT_EQ(table.lire_case(row, "n°Lig intitulés"), " 3");
  EXPECT_EQ(table.lire_case(row, "date dep"), "07/11/2021 10:00:00");
  EXPECT_EQ(table.lire_case(row, "date fin"), "07/11/2021 11:00:00");
  EXPECT_EQ(table.lire_case(row, "correction"), "");
  // Runs of blanks count as one separator.
  EXPECT_EQ(table.lire_case(row, "nb Colonnes"), " 4");
  EXPECT_EQ(ui.captions["Label26"], "2");
  EXPECT_TRUE(span.any);
  EXPECT_EQ(span.latest, dates.last);
}

TEST_F(FirstLineChecks, LastDateNotLaterMarksTheFileForCorrection) {
  const LoadedFile file = file_of("d;v\n07/11/2021 10:00:00;1\n07/11/2021 09:00:00;2\n");
  DataBlock block;
  block.first = 1;
  block.last = 2;
  block.title = 0;
  EXPECT_EQ(check(file, block), FileCheck::go_on);
  EXPECT_EQ(table.lire_case(row, "correction"), "à faire");
  EXPECT_EQ(table.lire_case(row, "n°Lig intitulés"), " -");
  EXPECT_EQ(table.lire_case(row, "nb Colonnes"), " 2");
}

TEST_F(FirstLineChecks, UnreadDatesShowQuestionMarksAndLeaveTheSpan) {
  const LoadedFile file = file_of("d;v\n ;1\n");
  DataBlock block;
  block.first = 1;
  block.last = 5;  // past the end of the file
  EXPECT_EQ(check(file, block), FileCheck::go_on);
  EXPECT_EQ(table.lire_case(row, "date dep"), "??");
  EXPECT_EQ(table.lire_case(row, "date fin"), "    ????");
  EXPECT_FALSE(span.any);
}

}  // namespace
}  // namespace talve
