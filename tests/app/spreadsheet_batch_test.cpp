// SPDX-License-Identifier: GPL-3.0-or-later
// A description whose mask names a workbook, run by the batch mode: the
// sheet is converted by the real LibreOffice and gives the result the same
// data give as a text file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/batch_description.h"
#include "app/program_run.h"
#include "support/temp_dir.h"
#include "support/text_lines.h"
#include "support/workbook_maker.h"

namespace talve {
namespace {

using testing::Cell;

// Each case in its own folder, the program's own folder apart.
testing::ProgramOutcome run_case(const testing::TempDir& dir, const std::string& folder,
                                 const std::vector<std::string>& extra) {
  dir.write(folder + "/cas.dsc", testing::crlf(testing::batch_description(extra)));
  dir.mkdir(folder + "/sorties");
  dir.mkdir(folder + "/maison");
  return testing::run_program(testing::ProgramRun{
      {"--batch", "cas.dsc"}, dir.path() + folder, dir.path() + folder + "/maison", 600, -1});
}

TEST(SpreadsheetBatch, ARunOnASheetEqualsTheRunOnTheSameDataAsText) {
  const testing::TempDir dir;
  const std::vector<std::string> instants = {"2021-01-01T00:30:00", "2021-01-01T01:00:00",
                                             "2021-01-01T02:20:00", "2021-01-01T03:10:00",
                                             "2021-01-01T03:50:00"};
  const std::vector<std::string> values = {"1.25", "3", "-2.5", "10", "12.75"};
  testing::Sheet sheet{"Mesures", {{{Cell::Text, "date"}, {Cell::Text, "T"}}}};
  for (std::size_t i = 0; i < instants.size(); ++i)
    sheet.rows.push_back({{Cell::Instant, instants[i]}, {Cell::Number, values[i]}});
  dir.mkdir("classeur/donnees");
  testing::make_workbooks(dir.path() + "classeur/donnees/", "mesures", {sheet}, {"ods"});

  // The same rows as LibreOffice shows them, in a text file.
  std::vector<std::string> lines = {"date;T"};
  for (std::size_t i = 0; i < instants.size(); ++i) {
    const std::string& at = instants[i];
    lines.push_back(at.substr(8, 2) + "/" + at.substr(5, 2) + "/" + at.substr(0, 4) + " " + at.substr(11) +
                    ";" + values[i]);
  }
  dir.write("texte/donnees/mesures.csv", testing::crlf(lines));

  const std::vector<std::string> layout = {"Edit_format_datetime_mesure.text= jj_mm_aaaa_hh_mn_ss",
                                           "CheckBox_prelire_tous.Checked= false"};
  std::vector<std::string> workbook = layout;
  workbook.insert(workbook.end(), {"Edit_masque.text= ods", "Label_nom_fic_excel.caption= mesures.ods",
                                   "Edit_num_feuille_excel.text= 1"});
  const testing::ProgramOutcome from_text = run_case(dir, "texte", layout);
  ASSERT_EQ(from_text.status, 0) << from_text.summary();
  const testing::ProgramOutcome from_sheet = run_case(dir, "classeur", workbook);
  ASSERT_EQ(from_sheet.status, 0) << from_sheet.summary();

  const std::string expected = testing::read_bytes(dir.path() + "texte/sorties/res.txt");
  // The hour of 04:00 holds the mean of 10 and 12.75.
  EXPECT_TRUE(expected.find("11.38") != std::string::npos || expected.find("11,38") != std::string::npos)
      << expected;
  EXPECT_EQ(testing::read_bytes(dir.path() + "classeur/sorties/res.txt"), expected);
}

// A workbook given to --inspect is described from its converted sheet, not
// from its bytes: the description it writes then runs on the sheet.
TEST(SpreadsheetBatch, AnInspectedWorkbookIsDescribedFromItsSheet) {
  const testing::TempDir dir;
  testing::Sheet sheet{"Mesures", {{{Cell::Text, "date"}, {Cell::Text, "T"}}}};
  for (int hour = 0; hour < 6; ++hour)
    sheet.rows.push_back({{Cell::Instant, "2021-01-01T0" + std::to_string(hour) + ":30:00"},
                          {Cell::Number, std::to_string(hour * 2) + ".5"}});
  dir.mkdir("donnees");
  dir.mkdir("maison");
  dir.mkdir("sorties");
  testing::make_workbooks(dir.path() + "donnees/", "mesures", {sheet}, {"ods"});

  const auto run = [&](const std::vector<std::string>& arguments) {
    return testing::run_program(testing::ProgramRun{arguments, dir.path(), dir.path() + "maison", 600, -1});
  };
  const testing::ProgramOutcome inspected =
      run({"--batch", "--inspect", dir.path() + "donnees/mesures.ods", "--output", dir.path() + "auto.dsc"});
  ASSERT_EQ(inspected.status, 0) << inspected.summary();
  const std::string description = testing::read_bytes(dir.path() + "auto.dsc");
  EXPECT_NE(description.find("Label_nom_fic_excel.caption= mesures.ods"), std::string::npos) << description;

  const testing::ProgramOutcome ran =
      run({"--batch", dir.path() + "auto.dsc", "--output-dir", dir.path() + "sorties"});
  ASSERT_EQ(ran.status, 0) << ran.summary();
  std::string result_path = ran.out;
  while (!result_path.empty() && (result_path.back() == '\n' || result_path.back() == '\r'))
    result_path.pop_back();
  result_path = result_path.substr(result_path.rfind('\n') + 1);
  const std::string result = testing::read_bytes(result_path);
  EXPECT_TRUE(result.find("10.5") != std::string::npos || result.find("10,5") != std::string::npos) << result;
}

}  // namespace
}  // namespace talve
