// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/startup.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "core/parameter_file.h"
#include "core/parameter_storage.h"
#include "core/period_file.h"
#include "core/program_folder.h"
#include "core/program_title.h"
#include "session/session.h"
#include "support/scripted_interface.h"
#include "support/temp_dir.h"
#include "text/system_locale.h"

namespace talve {
namespace {

using testing::ProgramHome;
using testing::ScriptedInterface;
using testing::TempDir;

void write_file(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

class Startup : public ::testing::Test {
 protected:
  void SetUp() override {
    set_system_decimal_separator(',');
    data = dir.mkdir("data");
    out = dir.mkdir("out");
    desc = dir.mkdir("desc");
  }

  // A description in desc/ with its own folders and mask "txt".
  std::string write_station(const std::string& own_folder = "") {
    return dir.write("desc/station.dsc",
                     "dossier_choisi= " + data + "\r\ndossier_choisi_sortie= " + out +
                         "\r\ndossier_description= " + (own_folder.empty() ? desc : own_folder) +
                         "\r\nEdit_masque.text= txt\r\n");
  }

  void start(const std::string& argument = "") {
    prepare_session(session, CommandLine{"/opt/talve/talve", argument});
    ASSERT_TRUE(run_startup_sequence(session));
  }

  std::vector<std::string> tracking_start() const {
    const char* separator_line = "ORDINATEUR  DecimalSeparator  ,   virgule";
    return {program_title(), "", separator_line};
  }

  ProgramHome home;
  TempDir dir;
  std::string data, out, desc;
  ScriptedInterface ui;
  Session session{ui};
};

TEST_F(Startup, FirstStartWithoutFilesAsksNothing) {
  start();
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(session.colours, SchemeColours{});
  EXPECT_EQ(session.description.choice("RadioGroup_coul_nb.ItemIndex"), 0);
  EXPECT_EQ(session.period.start_caption, "07/11/2021 00:00:00");
  EXPECT_EQ(session.period.end_caption, "08/11/2021 10:00:00");
  EXPECT_EQ(format_time(session.period.step_time), "00:15:00");
  EXPECT_EQ(session.period.step_kind, StepKind::Time);
  EXPECT_FALSE(session.description.is_current());
  EXPECT_FALSE(session.description.modified());
  EXPECT_EQ(session.log.lines(), tracking_start());
  EXPECT_FALSE(ui.visible["GroupBox_DECIMAL_SEPARATOR_entree"]);
  EXPECT_EQ(ui.captions["Form1"], "/opt/talve/talve" + std::string(20, ' ') + program_title());
}

TEST_F(Startup, TrackingNamesAPointSeparator) {
  set_system_decimal_separator('.');
  start();
  EXPECT_EQ(session.log.lines().back(), "ORDINATEUR  DecimalSeparator  .   point");
}

TEST_F(Startup, ColoursAndSchemeComeFromTheParameterFile) {
  write_file(parameter_file_path(), "\r\n10,20\r\n1,2,3\r\n\r\n\r\n1\r\n");
  prepare_session(session, CommandLine{});
  EXPECT_EQ(session.colours.background, (Rgb{255, 245, 221}));
  EXPECT_EQ(session.colours.panel, (Rgb{1, 2, 3}));
  EXPECT_EQ(session.description.choice("RadioGroup_coul_nb.ItemIndex"), 1);
  EXPECT_FALSE(session.description.modified());
}

TEST_F(Startup, PeriodComesBackFromThePeriodFile) {
  write_file(period_file_path(),
             "01/01/2021 00:00:00\r\n01/01/2024 00:00:00\r\n00:00:00\r\n4\r\n1\r\n1\r\n3\r\n");
  start();
  EXPECT_EQ(session.period.start_caption, "01/01/2021 00:00:00");
  EXPECT_EQ(session.period.end_caption, "01/01/2024 00:00:00");
  EXPECT_EQ(session.period.step_kind, StepKind::Year);
  EXPECT_EQ(session.period.date_test, DateTest::Strict);
  EXPECT_EQ(ui.captions["Label56"], "année");
}

TEST_F(Startup, LastDescriptionIsOfferedAndLoadedOnYes) {
  const std::string path = write_station();
  write_file(parameter_file_path(), path + "\r\n");
  ui.answer(Answer::Yes);
  start();
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].text, "____________________________________ T a l v e\n\ndans => " + desc +
                                  "\n\n\nutiliser la dernière description utilisée ?                     \n\n"
                                  "station.dsc\n");
  EXPECT_EQ(ui.boxes[0].buttons, kYesNo);
  EXPECT_EQ(session.description.file_name(), "station.dsc");
  EXPECT_EQ(session.description.text("Edit_masque.text"), "txt");
  EXPECT_EQ(session.description.text("dossier_choisi"), data);
  EXPECT_EQ(ui.captions["Form1"], "station.dsc         >  " + program_title());
  EXPECT_EQ(ui.captions["Label_rep_sortie"], out);
  EXPECT_FALSE(session.description.modified());
  EXPECT_FALSE(ui.visible["Label_patienter"]);
  EXPECT_EQ(session.log.lines(), tracking_start());
}

TEST_F(Startup, NoKeepsTheInitialSettings) {
  const std::string path = write_station();
  write_file(parameter_file_path(), path + "\r\n");
  ui.answer(Answer::No);
  start();
  EXPECT_FALSE(session.description.is_current());
  EXPECT_EQ(session.description.text("Edit_masque.text"), "csv");
  EXPECT_EQ(session.description.text("dossier_choisi"), "");
  EXPECT_EQ(lire_ligne_fichier(parameter_file_path(), 1), path);
}

TEST_F(Startup, ArgumentIsLoadedWithoutQuestionFromWhereItLies) {
  // The file names another description folder; where it lies wins.
  const std::string path = write_station(out);
  write_file(parameter_file_path(), dir.file("other.dsc") + "\r\n");
  start(path);
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(session.description.file_name(), "station.dsc");
  EXPECT_EQ(session.description.text("Edit_masque.text"), "txt");
  EXPECT_EQ(session.description.text("dossier_description"), desc);
  EXPECT_EQ(ui.captions["Label_rep_description"], desc);
}

TEST_F(Startup, MissingDescriptionIsToldAndForgotten) {
  for (const bool as_argument : {false, true}) {
    SCOPED_TRACE(as_argument);
    ScriptedInterface own_ui;
    Session fresh{own_ui};
    const std::string missing = dir.file("desc/parti.dsc");
    if (!as_argument) write_file(parameter_file_path(), missing + "\r\n");
    prepare_session(fresh, CommandLine{"talve", as_argument ? missing : ""});
    ASSERT_TRUE(run_startup_sequence(fresh));
    EXPECT_EQ(own_ui.texts(), std::vector<std::string>{"Le fichier <" + missing + ">\n n'existe pas "});
    EXPECT_FALSE(fresh.description.is_current());
  }
}

// A question of the sequence activates the window again when it closes:
// the sequence must not start over.
TEST_F(Startup, RunsOnceWhateverTheActivations) {
  const std::string path = write_station();
  write_file(parameter_file_path(), path + "\r\n");
  ui.answer(Answer::No);
  prepare_session(session, CommandLine{});
  EXPECT_TRUE(run_startup_sequence(session));
  EXPECT_FALSE(run_startup_sequence(session));
  EXPECT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(session.log.lines().size(), 3u);
}

TEST_F(Startup, ExampleDescriptionOpenedFromAnotherDiskIsOfferedThatDisk) {
  session.drive_panel.mount_roots = {dir.path()};
  const std::string example_data = dir.mkdir("C/TALVE/Bases de données (exemple)/pluie");
  const std::string example_out = dir.mkdir("C/TALVE/Export");
  const std::string example_desc = dir.path() + "C/TALVE/Descriptions-BD/";
  const std::string argument =
      dir.write("E/TALVE/Descriptions-BD/pluie.dsc", "dossier_choisi= " + example_data +
                                                         "\r\ndossier_choisi_sortie= " + example_out +
                                                         "\r\ndossier_description= " + example_desc + "\r\n");
  const std::string disk = dir.path() + "E/";
  for (const Answer answer : {Answer::No, Answer::Yes}) {
    SCOPED_TRACE(answer == Answer::Yes ? "Yes" : "No");
    ScriptedInterface own_ui;
    Session fresh{own_ui};
    fresh.drive_panel.mount_roots = {dir.path()};
    own_ui.answer(answer);
    prepare_session(fresh, CommandLine{"talve", argument});
    ASSERT_TRUE(run_startup_sequence(fresh));
    ASSERT_EQ(own_ui.boxes.size(), 1u);
    EXPECT_EQ(own_ui.boxes[0].text, " Vérifier le lecteur des 3 répertoires \n\n" + example_data + "\n\n" +
                                        example_desc + "\n\n" + example_out + "\n\n" +
                                        " Remplacer tous les lecteurs par " + disk + "  ?\n\n");
    const bool moved = answer == Answer::Yes;
    EXPECT_EQ(fresh.description.text("dossier_choisi"),
              moved ? disk + "TALVE/Bases de données (exemple)/pluie/" : example_data);
    EXPECT_EQ(fresh.description.text("dossier_choisi_sortie"), moved ? disk + "TALVE/Export/" : example_out);
    EXPECT_EQ(fresh.description.text("dossier_description"), disk + "TALVE/Descriptions-BD/");
    EXPECT_EQ(own_ui.captions["Label_repertoire"], fresh.description.text("dossier_choisi"));
  }
}

TEST_F(Startup, OtherDescriptionsFromAnotherDiskAreNotQuestioned) {
  session.drive_panel.mount_roots = {dir.path()};
  const std::string argument = dir.write(
      "E/desc/station.dsc", "dossier_choisi= " + data + "\r\ndossier_choisi_sortie= " + out + "\r\n");
  start(argument);
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(session.description.text("dossier_choisi"), data);
}

TEST(CommandLineArgument, IsTheRestOfTheLine) {
  struct Case {
    std::vector<const char*> argv;
    std::string argument;
  };
  const std::vector<Case> cases = {
      {{"talve"}, ""},
      {{"talve", "/d/station.dsc"}, "/d/station.dsc"},
      {{"talve", "/d/mes", "mesures/x.dsc"}, "/d/mes mesures/x.dsc"},
      {{"talve", "\"/d/mes mesures/x.dsc\""}, "/d/mes mesures/x.dsc"},
      {{"talve", "  /d/x.dsc  "}, "/d/x.dsc"},
      {{"talve", "   "}, ""},
      {{"talve", "\""}, "\""},
  };
  for (const Case& c : cases) {
    const CommandLine line = read_command_line(static_cast<int>(c.argv.size()), c.argv.data());
    EXPECT_EQ(line.argument, c.argument) << (c.argv.size() > 1 ? c.argv[1] : "");
    EXPECT_EQ(line.program_path, "talve");
  }
}

}  // namespace
}  // namespace talve
