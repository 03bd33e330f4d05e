// SPDX-License-Identifier: GPL-3.0-or-later
// The colours the core keeps for named controls, as the window receives
// them after a listing, a grid build, a run and a reload.
#include <gtest/gtest.h>

#include "core/input_mode_controls.h"
#include "engine/count_preview.h"
#include "session/description_actions.h"
#include "session/modified_indication.h"
#include "session/run_fixture.h"

namespace talve {
namespace {

const ControlColour kRedText = ControlColour::of(kRed);
const ControlColour kBlueText = ControlColour::of(kBlue);
const ControlColour kThemeText = ControlColour::theme_text();

std::optional<ControlColour> text_colour(const testing::ScriptedInterface& ui, const std::string& control) {
  const auto it = ui.text_colours.find(control);
  if (it == ui.text_colours.end()) return std::nullopt;
  return it->second;
}

TEST_F(RunTest, ListingColoursTheDateBoundsAndMakesStopLive) {
  write_two_files();
  ASSERT_EQ(lister_tableau(session), ListingResult::completed);
  EXPECT_EQ(text_colour(ui, "Label_date_min"), kBlueText);
  EXPECT_EQ(text_colour(ui, "Label_date_max"), kBlueText);
  EXPECT_EQ(text_colour(ui, "SpeedButton_stop"), kThemeText);
}

TEST_F(RunTest, GridButtonIsRedWhileTheGridIsBuiltThenBlueWithTheCount) {
  write_two_files();
  ASSERT_EQ(lister_tableau(session), ListingResult::completed);
  std::optional<ControlColour> while_building;
  ui.on_process_events = [&](int) {
    while_building = text_colour(ui, "SpeedButton_creer_listes_date_clean");
  };
  GridTarget target{session, session.grid, session.result_list, 0.0};
  ASSERT_EQ(create_grid(target).outcome, GridOutcome::Built);
  EXPECT_EQ(while_building, kRedText);
  EXPECT_EQ(text_colour(ui, "SpeedButton_creer_listes_date_clean"), kBlueText);
  EXPECT_EQ(text_colour(ui, "Label25"), kBlueText);
}

TEST_F(RunTest, CountPreviewOfAnEndBeforeTheStartIsRed) {
  session.period.end_caption = "31/12/2020 00:00:00";
  count_preview(session);
  EXPECT_EQ(text_colour(ui, "Label25"), kRedText);
}

TEST_F(RunTest, RunButtonsAreRedWhileRunningThenPurpleWithStopGrey) {
  write_two_files();
  list_and_build_grid();
  std::optional<ControlColour> traiter_running;
  std::optional<ControlColour> stop_running;
  std::optional<ControlColour> stop_writing;
  ui.on_process_events = [&](int) {
    if (!session.flags.busy) return;
    // Once the result is being written, it is too late for "stop".
    if (session.run.writing) {
      stop_writing = text_colour(ui, "SpeedButton_stop");
      return;
    }
    traiter_running = text_colour(ui, "SpeedButton_traiter_fichier");
    stop_running = text_colour(ui, "SpeedButton_stop");
  };
  ASSERT_EQ(traiter_fichier_click(session), RunOutcome::Written);
  EXPECT_EQ(traiter_running, kRedText);
  EXPECT_EQ(stop_running, kThemeText);
  EXPECT_EQ(stop_writing, ControlColour::of(kGrey));
  EXPECT_EQ(text_colour(ui, "SpeedButton_traiter_fichier"), ControlColour::of(kPurple));
  EXPECT_EQ(text_colour(ui, "SpeedButton_stop"), ControlColour::of(kGrey));
  EXPECT_EQ(text_colour(ui, "SpeedButton_creer_listes_date_clean"), kBlueText);
}

TEST_F(RunTest, ModifiedIndicationFollowsTheFlagAndTheDescriptionFolder) {
  struct Case {
    const char* name;
    bool folder_chosen;
    bool modified;
    ControlColour save;
    ControlColour save_as;
  } cases[] = {
      {"modified, no description folder", false, true, kThemeText, kRedText},
      {"modified, description folder chosen", true, true, kRedText, kThemeText},
      {"saved, description folder chosen", true, false, kThemeText, kThemeText},
      {"saved, no description folder", false, false, kThemeText, kThemeText},
  };
  for (const Case& c : cases) {
    session.description.assign("dossier_description", c.folder_chosen ? dir.path() : "");
    show_folder_labels(session);
    if (c.modified)
      session.description.set_text("Edit_masque.text", session.description.text("Edit_masque.text") + "x");
    else
      session.description.clear_modified();
    EXPECT_EQ(text_colour(ui, "SpeedButton_Enregistrer_dsc"), c.save) << c.name;
    EXPECT_EQ(text_colour(ui, "SpeedButton_enreg_description"), c.save_as) << c.name;
  }
}

TEST_F(RunTest, ReloadColoursTheBoundFieldsThatHoldABound) {
  const std::string desc = dir.mkdir("desc");
  dir.write("desc/bounds.dsc", "dossier_choisi= " + data + "\r\ndossier_choisi_sortie= " + out +
                                   "\r\nEdit_min_na.text= -50\r\nEdit_max_na.text= \r\n");
  session.description.assign("dossier_description", desc);
  session.description.set_file_name("bounds.dsc");
  reload_description(session);
  const SchemeColours& colours = session.colours;
  EXPECT_EQ(ui.background_colours["Edit_min_na"], ControlColour::of(colours.number));
  EXPECT_EQ(ui.background_colours["Edit_max_na"], ControlColour::of(colours.background));
}

// Reading a description classifies its mask and shows the controls of that
// input, and only those.
TEST_F(RunTest, ReadingADescriptionShowsTheControlsOfItsInputMode) {
  const std::string desc = dir.mkdir("desc");
  const struct {
    const char* mask;
    InputMode mode;
  } cases[] = {{"csv", InputMode::Files}, {"xls", InputMode::Spreadsheet}, {"ppp", InputMode::Clipboard}};
  for (const auto& c : cases) {
    dir.write("desc/mode.dsc",
              std::string("Edit_masque.text= ") + c.mask + "\r\ndossier_choisi= " + data + "\r\n");
    session.description.assign("dossier_description", desc);
    session.description.set_file_name("mode.dsc");
    ASSERT_EQ(read_description(session), ReadOutcome::Read) << c.mask;
    EXPECT_EQ(session.flags.input_mode, c.mode) << c.mask;
    for (const InputModeRow& row : input_mode_rows())
      EXPECT_EQ(ui.visible[std::string(row.control)], shown_in_mode(row, c.mode))
          << c.mask << " " << row.control;
    EXPECT_EQ(ui.captions["Label8"], "---") << c.mask;
  }
}

}  // namespace
}  // namespace talve
