// SPDX-License-Identifier: GPL-3.0-or-later
// Workbooks made by LibreOffice from a flat spreadsheet, read back through
// the real LibreOffice. Each start costs seconds: only the case that reads
// the sheets makes workbooks; a conversion that is stopped needs none.
#include "inputs/workbook_import.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "core/program_folder.h"
#include "core/workspace.h"
#include "inputs/workbook_conversion.h"
#include "support/scripted_interface.h"
#include "support/temp_dir.h"
#include "support/workbook_maker.h"
#include "text/system_error.h"

namespace talve::testing {
namespace {

namespace fs = std::filesystem;

// "Été" in UTF-8, as LibreOffice names the sheet's file.
constexpr const char* kSecondSheet = "\xC3\x89t\xC3\xA9";

std::vector<Sheet> sheets() {
  return {{"Mesures",
           {{{Cell::Text, "date"}, {Cell::Text, "valeur"}, {Cell::Text, "note"}},
            {{Cell::Instant, "2024-02-01T10:00:00"}, {Cell::Number, "1.5"}, {Cell::Text, "a;b"}},
            {{Cell::Instant, "2024-02-01T11:00:00"}, {Cell::Number, "2.25"}, {Cell::Text, "c"}}}},
          {kSecondSheet,
           {{{Cell::Text, "jour"}, {Cell::Text, "mesure"}},
            {{Cell::Instant, "2024-03-05T00:00:00"}, {Cell::Number, "7"}}}}};
}

// The sheets as the converted file holds them: cells as shown, ";" between
// them (a ";" of a cell then also separates), CR LF.
const std::string kFirstSheet =
    "date;valeur;note\r\n01/02/2024 10:00:00;1.50;a;b\r\n01/02/2024 11:00:00;2.25;c\r\n";
const std::string kSecondSheetText = "jour;mesure\r\n05/03/2024 00:00:00;7.00\r\n";

class WorkbookImportTest : public ::testing::Test {
 protected:
  std::string converted() const { return read_bytes(program_file("~tmp_xls.csv")); }

  TempDir folder;
  // What LibreOffice is given when it is stopped before it reads anything.
  std::string any_workbook = folder.write("classeur.ods", "classeur");
  ProgramHome home;
  ScriptedInterface ui;
  Workspace ws{ui};
};

TEST_F(WorkbookImportTest, EachFormatAndSheetNumberGivesTheSheetAsShown) {
  const std::vector<std::string> workbooks =
      make_workbooks(folder.path(), "classeur", sheets(), {"ods", "xlsx", "xls"});
  const struct {
    std::size_t workbook;  // ods, xlsx, xls
    const char* sheet_number;
    const std::string& text;
    std::string sheet_name;  // Windows-1252
  } cases[] = {{0, "0", kFirstSheet, "Mesures"},
               {0, "2", kSecondSheetText, "\xC9t\xE9"},
               {1, "1", kFirstSheet, "Mesures"},
               {2, "-3", kFirstSheet, "Mesures"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(workbooks[c.workbook] + " sheet " + c.sheet_number);
    ws.description.assign("Edit_num_feuille_excel.text", c.sheet_number);
    ui.boxes.clear();
    const WorkbookImport import = import_workbook(ws, workbooks[c.workbook]);
    EXPECT_TRUE(import.imported);
    EXPECT_TRUE(ui.boxes.empty()) << ui.texts().front();
    EXPECT_EQ(converted(), c.text);
    EXPECT_EQ(ws.description.text("Label_nom_feuille.caption"), c.sheet_name);
    EXPECT_EQ(ui.captions["Memo1"], c.text);
    EXPECT_TRUE(ui.captions["Label10"].starts_with("durée 00:0")) << ui.captions["Label10"];
    EXPECT_EQ(ui.captions["Label6"], ui.captions["Label10"]);
    EXPECT_FALSE(ws.flags.busy);
    // The user's workbook is read through a copy, and only the converted
    // text stays beside it.
    EXPECT_TRUE(fs::exists(program_file("~tmp.xls")));
    EXPECT_FALSE(fs::exists(program_file("~tmp_xls.d")));
  }
}

// "stop" pressed while LibreOffice works: it is stopped, nothing is written.
TEST_F(WorkbookImportTest, StopDuringTheConversionStopsLibreOffice) {
  std::ofstream(program_file("~tmp_xls.csv"), std::ios::binary) << "avant\r\n";
  ui.on_process_events = [this](int calls) {
    if (calls == 10) ws.flags.stop = true;
  };
  const WorkbookImport import = import_workbook(ws, any_workbook);
  EXPECT_FALSE(import.imported);
  EXPECT_EQ(converted(), "avant\r\n");
  ASSERT_FALSE(ui.tracking.empty());
  EXPECT_EQ(ui.tracking.back(), " lecture du classeur stoppée : classeur.ods");
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_FALSE(ws.flags.busy);
}

// A conversion past its time limit is stopped as well.
TEST_F(WorkbookImportTest, AConversionPastItsLimitIsStopped) {
  const SheetConversion conversion =
      convert_sheet(any_workbook, 1, folder.path() + "late/", 0.0, [] { return true; });
  EXPECT_EQ(conversion.end, ConversionEnd::TimedOut);
}

// A workbook that cannot be copied stops the import: an older copy in place
// is never read instead.
TEST_F(WorkbookImportTest, AWorkbookThatCannotBeCopiedStopsTheImport) {
  std::ofstream(program_file("~tmp.xls"), std::ios::binary) << "ancienne copie";
  std::ofstream(program_file("~tmp_xls.csv"), std::ios::binary) << "avant\r\n";
  const WorkbookImport import = import_workbook(ws, folder.file("absent.xls"));
  EXPECT_FALSE(import.imported);
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].text, " le classeur n'a pas pu être copié pour sa lecture :\n\n <" +
                                  folder.file("absent.xls") + ">\n\n " + system_error_text(ENOENT));
  EXPECT_FALSE(fs::exists(program_file("~tmp.xls")));
  EXPECT_EQ(converted(), "avant\r\n");
}

// Without LibreOffice the user is told which package to install, and
// nothing else changes.
TEST_F(WorkbookImportTest, WithoutLibreOfficeOnlyTheMessageIsShown) {
  const std::string path = std::getenv("PATH");
  setenv("PATH", folder.path().c_str(), 1);
  const WorkbookImport import = import_workbook(ws, any_workbook);
  setenv("PATH", path.c_str(), 1);
  EXPECT_FALSE(import.imported);
  EXPECT_EQ(ui.texts(), std::vector<std::string>{
                            " LibreOffice introuvable : installer le paquet libreoffice-calc-nogui "});
  EXPECT_TRUE(ui.captions.empty());
  EXPECT_FALSE(fs::exists(program_file("~tmp.xls")));
}

}  // namespace
}  // namespace talve::testing
