// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/data_folder_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/workspace.h"
#include "support/scripted_interface.h"
#include "support/temp_dir.h"

namespace talve {
namespace {

using testing::ScriptedInterface;
using testing::TempDir;

class DataFolderCheck : public ::testing::Test {
 protected:
  void SetUp() override {
    workspace.description.assign("dossier_choisi", dir.path());
    workspace.description.assign("Edit_masque.text", "csv");
    workspace.description.assign("Edit_name_prog_blocnote.text", "gedit");
  }

  std::string proposal(const std::string& mask, const std::string& detected, int count) const {
    return dir.path() + "\n\n   Aucun fichier de ce répertoire n'a l'extention attendue de " + mask +
           "\n\n Mettre à jour le champ [masque] des extentions de fichiers ?      \n\n  attendu  => " +
           mask + "\n\n  nouveau détecté => " + detected + "  " + std::to_string(count) + " fichier(s)";
  }

  TempDir dir;
  ScriptedInterface ui;
  Workspace workspace{ui};
};

TEST_F(DataFolderCheck, MatchingFilesAreCounted) {
  dir.write("b.csv", "");
  dir.write("a.csv", "");
  dir.write("notes.txt", "");
  check_data_folder(workspace);
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(ui.captions["Label45"], "3");
  EXPECT_EQ(ui.captions["Label54"], "2");
  EXPECT_EQ(ui.captions["Label_nom_de_fichier"], "a.csv");
}

TEST_F(DataFolderCheck, OtherExtensionIsProposedAndAccepted) {
  dir.write("m1.txt", "");
  dir.write("m2.TXT", "");
  dir.write("z.dat", "");
  ui.answer(Answer::Yes).answer(Answer::Yes);
  check_data_folder(workspace);
  ASSERT_EQ(ui.boxes.size(), 2u);
  EXPECT_EQ(ui.boxes[0].text, proposal("csv", "*.TXT", 2));
  EXPECT_EQ(ui.boxes[0].type, MessageType::Warning);
  EXPECT_EQ(ui.boxes[0].buttons, kYesNo);
  EXPECT_EQ(ui.boxes[1].text, " Visualiser un fichier de données pour aider à remplir les champs ? \nm1.txt");
  EXPECT_EQ(workspace.description.text("Edit_masque.text"), "*.TXT");
  EXPECT_TRUE(workspace.description.modified());
  EXPECT_EQ(ui.captions["SpeedButton_lister"], "1- Valider et Lister les fichiers   *.TXT");
  EXPECT_EQ(ui.captions["Label54"], "2");
  EXPECT_EQ(ui.captions["Label_nom_de_fichier"], "m1.txt");
  EXPECT_EQ(ui.opened_in_editor, std::vector<std::string>{dir.path() + "m1.txt"});
}

TEST_F(DataFolderCheck, RefusedProposalKeepsTheMaskButShowsTheOtherCount) {
  dir.write("m1.txt", "");
  ui.answer(Answer::No).answer(Answer::No);
  check_data_folder(workspace);
  EXPECT_EQ(workspace.description.text("Edit_masque.text"), "csv");
  EXPECT_FALSE(workspace.description.modified());
  EXPECT_EQ(ui.captions["Label54"], "1");
  EXPECT_TRUE(ui.opened_in_editor.empty());
}

TEST_F(DataFolderCheck, FileToViewIsFoundInItsSubfolder) {
  // The first file of the new extension lies in a sub-folder: the file
  // opened is that one, not a file of the same name at the top.
  workspace.description.assign("CheckBox_recursif.Checked", "true");
  dir.write("a/a.log", "");
  dir.write("b.log", "");
  ui.answer(Answer::Yes).answer(Answer::Yes);
  check_data_folder(workspace);
  EXPECT_EQ(ui.captions["Label54"], "2");
  EXPECT_EQ(ui.captions["Label_nom_de_fichier"], "a.log");
  EXPECT_EQ(ui.opened_in_editor, std::vector<std::string>{dir.path() + "a/a.log"});
}

TEST_F(DataFolderCheck, EmptyFolderAsksNothingAndShowsZero) {
  ui.captions["Label54"] = "12";
  dir.mkdir("sous");
  check_data_folder(workspace);
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(ui.captions["Label45"], "0");
  EXPECT_EQ(ui.captions["Label54"], "0");
}

TEST(RepeatGuard, SecondCallWithinHalfASecondIsIgnored) {
  RepeatGuard guard;
  EXPECT_TRUE(guard.accept(100.0));
  EXPECT_FALSE(guard.accept(100.3));
  EXPECT_FALSE(guard.accept(100.7));  // measured from the call just ignored
  EXPECT_TRUE(guard.accept(101.3));
}

TEST_F(DataFolderCheck, EnterRelistsOnlyWhenModified) {
  dir.write("a.csv", "");
  int rebuilt = 0;
  std::vector<std::string> received;
  const auto rebuild = [&](const std::vector<FoundFile>& entries) {
    ++rebuilt;
    received.clear();
    for (const FoundFile& entry : entries) received.push_back(found_file_entry(entry));
  };
  EXPECT_EQ(relist_after_enter(workspace, rebuild), -1);
  EXPECT_EQ(rebuilt, 0);

  workspace.description.mark_modified();
  EXPECT_EQ(relist_after_enter(workspace, rebuild), 1);
  EXPECT_EQ(rebuilt, 1);
  EXPECT_EQ(received, std::vector<std::string>{"  \ta.csv  \t0"});
  EXPECT_EQ(ui.captions["Label54"], "1");

  workspace.description.assign("Edit_masque.text", "dat");
  EXPECT_EQ(relist_after_enter(workspace, rebuild), 0);
  EXPECT_EQ(rebuilt, 1);
  EXPECT_EQ(ui.texts(), std::vector<std::string>{" Aucun fichier ayant l'extension dat        \n"});
  EXPECT_EQ(ui.captions["Label54"], "0");
  EXPECT_EQ(ui.captions["Label_nom_de_fichier"], "");
}

}  // namespace
}  // namespace talve
