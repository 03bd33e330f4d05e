// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/drive_relocation.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "session/description_actions.h"
#include "session/session.h"
#include "support/scripted_interface.h"
#include "support/temp_dir.h"

namespace talve {
namespace {

namespace fs = std::filesystem;
using testing::ProgramHome;
using testing::read_bytes;
using testing::ScriptedInterface;
using testing::TempDir;

// Two "disks", C and E, as folders of a temporary folder declared a mount
// root. C holds data, desc and out; E holds only data.
class DriveRelocation : public ::testing::Test {
 protected:
  void SetUp() override {
    c = dir.mkdir("C");
    e = dir.mkdir("E");
    dir.mkdir("C/data");
    dir.mkdir("C/out");
    dir.mkdir("E/data");
    desc = dir.mkdir("C/desc");
    session.drive_panel.mount_roots = {dir.path()};
    session.description.assign("dossier_choisi", c + "data/");
    session.description.assign("dossier_description", desc);
    session.description.assign("dossier_choisi_sortie", c + "out/");
    show_folder_labels(session);
  }

  std::string write_description(const std::string& name, const std::string& extra = "") {
    return dir.write("C/desc/" + name, "Edit_masque.text= csv\r\ndossier_choisi= " + c +
                                           "data/\r\ndossier_choisi_sortie= " + c +
                                           "out/\r\ndossier_description= " + desc + "\r\n" + extra);
  }

  ProgramHome home;
  TempDir dir;
  std::string c, e, desc;
  ScriptedInterface ui;
  Session session{ui};
};

TEST_F(DriveRelocation, SummaryReportsTheFoldersAndChangesNothing) {
  const std::string a = write_description("a.dsc");
  const std::string b = dir.write("C/desc/b.DSC", "dossier_choisi= " + c + "absent\r\n");
  dir.write("C/desc/notes.txt", "");
  dir.mkdir("C/desc/sous.dsc");
  const std::string a_before = read_bytes(a);
  const std::string b_before = read_bytes(b);

  summarise_descriptions(session);
  EXPECT_TRUE(session.drive_panel.shown);
  EXPECT_TRUE(ui.visible["Panel_lecteur"]);
  EXPECT_EQ(ui.captions["Label64"], desc);
  EXPECT_EQ(session.drive_panel.prefix, c);
  EXPECT_EQ(ui.captions["Edit_lecteur"], c);
  EXPECT_EQ(session.drive_panel.files, (std::vector<std::string>{a, b}));
  EXPECT_EQ(session.drive_panel.report,
            (std::vector<std::string>{a, b, "", "a.dsc", "  " + c + "data/", "  " + desc, "  " + c + "out/",
                                      "b.DSC", c + "absent/ <= " + c + "absent/  échec", "  ./", "  ./"}));
  EXPECT_EQ(read_bytes(a), a_before);
  EXPECT_EQ(read_bytes(b), b_before);
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_FALSE(session.description.modified());
}

// A folder that exists on the new disk is moved there; one that does not
// keeps its value and is reported.
TEST_F(DriveRelocation, RelocationMovesOnlyFoldersThatExistOnTheNewDisk) {
  const std::string a = write_description("a.dsc", "Edit_NA.text= NA\r\n");
  summarise_descriptions(session);
  const std::size_t summary_lines = session.drive_panel.report.size();
  set_drive_prefix(session, e);
  ui.answer(Answer::Yes);
  EXPECT_TRUE(relocate_descriptions(session));
  EXPECT_EQ(ui.boxes[0].text, " Confimation du changement de lecteur dans les fichiers DSC  (" + e + ")  ");
  EXPECT_EQ(ui.boxes[0].buttons, kYesCancel);

  EXPECT_EQ(read_bytes(a), "Edit_masque.text= csv\r\ndossier_choisi= " + e +
                               "data/\r\ndossier_choisi_sortie= " + c +
                               "out/\r\ndossier_description= " + desc + "\r\nEdit_NA.text= NA\r\n");
  const std::vector<std::string> relocation(session.drive_panel.report.begin() + summary_lines,
                                            session.drive_panel.report.end());
  EXPECT_EQ(relocation,
            (std::vector<std::string>{
                "",
                "a.dsc",
                "- modification lecteur par <" + e + "> dans " + a,
                "  " + e + "data/",
                "  échec  " + desc + "=>" + e + "desc/",
                e + "desc/ <= " + desc + "  échec",
                "  échec  " + c + "out/=>" + e + "out/",
                e + "out/ <= " + c + "out/  échec",
                "",
                " mise à jour des 1 fichiers de description, 1 modif. avec le lecteur " + e + " ( 3x1 = 3 )",
            }));
  // The session's own folders follow the same way.
  EXPECT_EQ(session.description.text("dossier_choisi"), e + "data/");
  EXPECT_EQ(ui.captions["Label_repertoire"], e + "data/");
  EXPECT_EQ(session.description.text("dossier_choisi_sortie"), c + "out/");
  EXPECT_EQ(session.log.lines(), (std::vector<std::string>{"    échec  " + desc + " => " + e + "desc/",
                                                           "    échec  " + c + "out/ => " + e + "out/"}));
  EXPECT_TRUE(session.description.modified());
}

TEST_F(DriveRelocation, AMissingKeyIsNeitherAddedNorCounted) {
  const std::string a = dir.write("C/desc/a.dsc", "DOSSIER_CHOISI=" + c + "data/=reste\r\n");
  summarise_descriptions(session);
  set_drive_prefix(session, e);
  ui.answer(Answer::Yes);
  EXPECT_TRUE(relocate_descriptions(session));
  EXPECT_EQ(read_bytes(a), "dossier_choisi= " + e + "data/\r\n");
  EXPECT_EQ(session.drive_panel.report.back(),
            " mise à jour des 1 fichiers de description, 1 modif. avec le lecteur " + e + " ( 3x1 = 3 )");
}

TEST_F(DriveRelocation, CancelChangesNothing) {
  const std::string a = write_description("a.dsc");
  const std::string before = read_bytes(a);
  summarise_descriptions(session);
  set_drive_prefix(session, e);
  ui.answer(Answer::Cancel);
  EXPECT_FALSE(relocate_descriptions(session));
  EXPECT_EQ(read_bytes(a), before);
  EXPECT_EQ(session.description.text("dossier_choisi"), c + "data/");
  EXPECT_FALSE(session.description.modified());
}

TEST_F(DriveRelocation, AFileThatCannotBeReadStopsTheRelocation) {
  const std::string a = write_description("a.dsc");
  const std::string b = write_description("b.dsc");
  const std::string z = write_description("z.dsc");
  const std::string z_before = read_bytes(z);
  summarise_descriptions(session);
  fs::remove(b);
  set_drive_prefix(session, e);
  ui.answer(Answer::Yes);
  EXPECT_FALSE(relocate_descriptions(session));
  EXPECT_EQ(ui.boxes.back().text, " Impossible de lire le fichier de description <" + b + ">");
  EXPECT_NE(read_bytes(a).find("dossier_choisi= " + e + "data/\r\n"), std::string::npos);
  EXPECT_EQ(read_bytes(z), z_before);
  EXPECT_EQ(session.description.text("dossier_choisi"), c + "data/");
  EXPECT_NE(session.drive_panel.report.back().find("échec"), std::string::npos);
}

TEST_F(DriveRelocation, WithoutADescriptionFolderTheChooserOpens) {
  ScriptedInterface own_ui;
  Session fresh{own_ui};
  own_ui.dialog_result(std::nullopt);
  summarise_descriptions(fresh);
  EXPECT_EQ(own_ui.texts(),
            std::vector<std::string>{" D'abord choisir un répertoire des fichiers de description \n"});
  ASSERT_EQ(own_ui.dialogs.size(), 1u);
  EXPECT_FALSE(fresh.drive_panel.shown);
}

TEST_F(DriveRelocation, TypedPrefixIsCompletedAndAnEmptyOneIsTheProgramsDisk) {
  set_drive_prefix(session, " " + e.substr(0, e.size() - 1) + " ");
  EXPECT_EQ(session.drive_panel.prefix, e);
  EXPECT_EQ(ui.captions["Edit_lecteur"], e);
  set_drive_prefix(session, "");
  EXPECT_FALSE(session.drive_panel.prefix.empty());
  EXPECT_EQ(home.path().rfind(session.drive_panel.prefix, 0), 0u);
  hide_drive_panel(session);
  EXPECT_FALSE(ui.visible["Panel_lecteur"]);
}

}  // namespace
}  // namespace talve
