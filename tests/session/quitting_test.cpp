// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/quitting.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/period_file.h"
#include "core/program_folder.h"
#include "core/working_files.h"
#include "session/description_actions.h"
#include "session/session.h"
#include "session/startup.h"
#include "support/scripted_interface.h"
#include "support/temp_dir.h"

namespace talve {
namespace {

namespace fs = std::filesystem;
using testing::ProgramHome;
using testing::read_bytes;
using testing::ScriptedInterface;
using testing::TempDir;

class Quitting : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const std::string& name : working_file_names()) std::ofstream(home.path() + name) << "x";
    desc = dir.mkdir("desc");
  }

  int working_files_left() const {
    int count = 0;
    for (const std::string& name : working_file_names()) count += fs::exists(home.path() + name) ? 1 : 0;
    return count;
  }

  void make_current(const std::string& name) {
    session.description.assign("dossier_description", desc);
    show_description_name(session, name);
    session.set_caption("Label_rep_description", desc);
  }

  ProgramHome home;
  TempDir dir;
  std::string desc;
  ScriptedInterface ui;
  Session session{ui};
};

TEST_F(Quitting, ConfirmedQuitDeletesTheSevenWorkingFilesOnly) {
  std::ofstream(home.path() + "talve.prm") << "garde";
  std::ofstream(home.path() + "~tmp2.txt") << "garde";
  ui.answer(Answer::Yes);
  EXPECT_TRUE(quit_program(session, QuitOrigin::EscapeKey));
  EXPECT_EQ(ui.texts(), std::vector<std::string>{"Quitter  ?\n"});
  EXPECT_EQ(working_files_left(), 0);
  EXPECT_TRUE(fs::exists(home.path() + "talve.prm"));
  EXPECT_TRUE(fs::exists(home.path() + "~tmp2.txt"));
  EXPECT_EQ(working_file_names()[6], "~résultats.txt");
}

TEST_F(Quitting, NoKeepsTheProgramAndItsFiles) {
  ui.answer(Answer::No);
  EXPECT_FALSE(quit_program(session, QuitOrigin::EscapeKey));
  EXPECT_EQ(working_files_left(), 7);
}

TEST_F(Quitting, CancelAtTheClipboardQuestionKeepsEverything) {
  make_current("station.dsc");
  session.flags.input_mode = InputMode::Clipboard;
  session.description.assign("Edit_masque.text", "ppp");
  ui.answer(Answer::Cancel);
  EXPECT_FALSE(quit_program(session, QuitOrigin::ExitButton));
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].text,
            "avant de quitter, enregistrer une description propre au Presse-Papier ?\n\n (Non) actuelle : "
            "station.dsc\n\n (Oui) proposée : " +
                propose_description_name(session.description) + "\n\n  (Annuler)  = retour");
  EXPECT_EQ(ui.boxes[0].buttons, kYesNoCancel);
  EXPECT_EQ(working_files_left(), 7);
  EXPECT_FALSE(fs::exists(desc + "station.dsc"));
}

TEST_F(Quitting, ClipboardDataGetADescriptionOfTheirOwn) {
  make_current("station.dsc");
  session.flags.input_mode = InputMode::Clipboard;
  session.description.assign("Edit_masque.text", "ppp");
  const std::string proposed = propose_description_name(session.description);
  ui.answer(Answer::Yes).answer(Answer::Yes);
  EXPECT_TRUE(quit_program(session, QuitOrigin::EscapeKey));
  EXPECT_EQ(session.description.file_name(), proposed);
  EXPECT_TRUE(fs::exists(session.description.file_path()));
  EXPECT_NE(read_bytes(session.description.file_path()).find("Edit_masque.text= ppp\r\n"), std::string::npos);
  EXPECT_FALSE(fs::exists(desc + "station.dsc"));
}

TEST_F(Quitting, ADescriptionAlreadyForTheClipboardIsNotQuestioned) {
  make_current("station_(ppp Tab).dsc");
  session.flags.input_mode = InputMode::Clipboard;
  ui.answer(Answer::Yes);
  EXPECT_TRUE(quit_program(session, QuitOrigin::EscapeKey));
  EXPECT_EQ(ui.texts(), std::vector<std::string>{"Quitter  ?\n"});
}

TEST_F(Quitting, SavesTheModifiedDescriptionAndTheChangedPeriod) {
  make_current("station.dsc");
  session.description.set_text("Edit_NA.text", "manque");
  session.period.start_caption = "01/01/2022 00:00:00";
  session.period.changed = true;
  ui.answer(Answer::Yes);
  EXPECT_TRUE(quit_program(session, QuitOrigin::EscapeKey));
  EXPECT_NE(read_bytes(session.description.file_path()).find("Edit_NA.text= manque\r\n"), std::string::npos);
  EXPECT_EQ(read_bytes(period_file_path()).substr(0, 21), "01/01/2022 00:00:00\r\n");
  EXPECT_FALSE(session.period.changed);
}

TEST_F(Quitting, AnUnchangedPeriodIsNotWritten) {
  ui.answer(Answer::Yes);
  EXPECT_TRUE(quit_program(session, QuitOrigin::EscapeKey));
  EXPECT_FALSE(fs::exists(period_file_path()));
}

// Quitting after a failed save would lose the changes without a word.
TEST_F(Quitting, ADescriptionThatCannotBeWrittenLetsTheUserStay) {
  const std::string blocked = dir.write("bloque", "un fichier, pas un dossier");
  session.description.assign("dossier_description", blocked + "/");
  show_description_name(session, "station.dsc");
  session.description.set_text("Edit_NA.text", "manque");
  ui.answer(Answer::Yes).answer(Answer::No);
  EXPECT_FALSE(quit_program(session, QuitOrigin::EscapeKey));
  ASSERT_GE(ui.boxes.size(), 3u);
  EXPECT_EQ(ui.boxes.back().text, " La description n'a pas pu être enregistrée.\n\n Quitter quand même ?");
  EXPECT_EQ(ui.boxes[ui.boxes.size() - 2].type, MessageType::Error);
  EXPECT_EQ(working_files_left(), 7);
  EXPECT_TRUE(session.description.modified());

  ui.answer(Answer::Yes).answer(Answer::Yes);
  EXPECT_TRUE(quit_program(session, QuitOrigin::EscapeKey));
  EXPECT_EQ(working_files_left(), 0);
}

TEST_F(Quitting, ExitButtonClosesThePanelsFirst) {
  session.drive_panel.shown = true;
  ui.answer(Answer::No);
  EXPECT_FALSE(quit_program(session, QuitOrigin::ExitButton));
  EXPECT_FALSE(session.drive_panel.shown);
  EXPECT_FALSE(ui.visible.at("Panel_lecteur"));
  EXPECT_FALSE(ui.visible.at("Panel_dir"));
  EXPECT_FALSE(ui.visible.at("Panel_des_couleurs"));

  ScriptedInterface escape_ui;
  Session other{escape_ui};
  escape_ui.answer(Answer::No);
  EXPECT_FALSE(quit_program(other, QuitOrigin::EscapeKey));
  EXPECT_FALSE(escape_ui.visible.contains("Panel_lecteur"));
}

}  // namespace
}  // namespace talve
