// SPDX-License-Identifier: GPL-3.0-or-later
// A workbook listed in the real window: while LibreOffice converts it the
// window keeps answering, and "stop" stops the conversion and the listing.
#include <gtest/gtest.h>

#include <QTimer>
#include <filesystem>
#include <fstream>

#include "core/program_folder.h"
#include "inputs/clipboard_reading.h"
#include "session/session.h"
#include "text/encoding.h"
#include "ui/window_fixture.h"

namespace talve::testing {
namespace {

class WorkbookWindow : public WindowTest {};

TEST_F(WorkbookWindow, StopDuringTheConversionStopsLibreOfficeAndTheListing) {
  open(copy_demo("demo"));
  Session& s = window->session();
  // Whatever the workbook holds: the conversion is stopped before it ends.
  std::ofstream(file_system_path(s.description.text("dossier_choisi")) + "classeur.ods") << "classeur";
  s.description.set_text("Edit_masque.text", "ods");
  s.description.set_text("Label_nom_fic_excel.caption", "classeur.ods");
  switch_input_mode(s);
  ASSERT_EQ(s.flags.input_mode, InputMode::Spreadsheet);

  bool stopped = false;
  answers.on_tick = [&] {
    if (stopped || !s.flags.busy) return;
    stopped = true;
    answers.box("Stopper le traitement  ?", "Oui");
    // From the conversion's own turn of the event loop: the answerer's
    // timer must be free to answer the question.
    QTimer::singleShot(0, window.get(), [this] { click("SpeedButton_stop"); });
  };
  click("SpeedButton_lister");
  answers.on_tick = nullptr;
  ASSERT_TRUE(stopped);
  ASSERT_TRUE(answers.idle());

  EXPECT_EQ(cp1252_to_utf8(s.log.lines().back()), " lecture du classeur stoppée : classeur.ods");
  EXPECT_EQ(s.file_table.file_row_count(), 0);
  EXPECT_FALSE(s.busy());
  EXPECT_EQ(s.colour("SpeedButton_stop", ColourPart::Text), ControlColour::of(kGrey));
  EXPECT_TRUE(cp1252_to_utf8(s.caption("Label6")).starts_with("durée 00:")) << s.caption("Label6");
  EXPECT_FALSE(std::filesystem::exists(program_file("~tmp_xls.csv")));
  expect_names_resolved();
}

}  // namespace
}  // namespace talve::testing
