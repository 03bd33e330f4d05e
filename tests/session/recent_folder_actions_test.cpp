// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/recent_folder_actions.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
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

class RecentFolderActions : public ::testing::Test {
 protected:
  void SetUp() override {
    data = dir.mkdir("data");
    desc = dir.mkdir("desc");
    other = dir.mkdir("autre");
  }

  // The three folders shown in their labels; "" leaves the placeholder.
  void show_folders(const std::string& data_folder, const std::string& desc_folder,
                    const std::string& output) {
    session.description.assign("dossier_choisi", data_folder);
    session.description.assign("dossier_description", desc_folder);
    session.description.assign("dossier_choisi_sortie", output);
    show_folder_labels(session);
  }

  void write_list(const std::string& bytes) {
    std::ofstream(RecentFolders::file_path(), std::ios::binary | std::ios::trunc) << bytes;
  }

  ProgramHome home;
  TempDir dir;
  std::string data, desc, other;
  ScriptedInterface ui;
  Session session{ui};
};

// A label without a folder shows its placeholder, "répertoire données",
// which the "1- " of a recent entry precedes ("1- répertoire données" is the
// entry never added).
TEST_F(RecentFolderActions, LabelsWithoutAFolderShowTheirPlaceholders) {
  show_folders("", "", "");
  EXPECT_EQ(ui.captions["Label_repertoire"], "répertoire données");
  EXPECT_EQ(ui.captions["Label_rep_description"], "répertoire description");
  EXPECT_EQ(ui.captions["Label_rep_sortie"], "répertoire de sortie");
  EXPECT_FALSE(description_folder_chosen(session));
  add_current_folders(session);
  EXPECT_TRUE(session.recent_folders.list.entries().empty());
}

TEST_F(RecentFolderActions, CurrentFoldersJoinTheEntriesOfEarlierSessions) {
  write_list("1- /ancien/\r\n");
  show_folders(data, desc, "");
  add_current_folders(session);
  EXPECT_EQ(read_bytes(RecentFolders::file_path()), "1- /ancien/\r\n1- " + data + "\r\n2- " + desc + "\r\n");
  add_current_folders(session);
  EXPECT_EQ(session.recent_folders.list.entries().size(), 3u);
}

TEST_F(RecentFolderActions, RecentButtonShowsTheFileOrElseTheCurrentFolders) {
  show_folders(data, "", "");
  EXPECT_TRUE(toggle_recent_list(session));
  EXPECT_TRUE(ui.visible["ListBox_rep_recent"]);
  EXPECT_EQ(session.recent_folders.list.entries(), std::vector<std::string>{"1- " + data});
  EXPECT_FALSE(toggle_recent_list(session));
  EXPECT_FALSE(ui.visible["ListBox_rep_recent"]);

  write_list("3- /sortie/\r\n");
  EXPECT_TRUE(toggle_recent_list(session));
  EXPECT_EQ(session.recent_folders.list.entries(), std::vector<std::string>{"3- /sortie/"});
}

// The folder chooser's "Valider" adds the folders as they stood before.
TEST_F(RecentFolderActions, ConfirmingAFolderRemembersThePreviousOnes) {
  show_folders(data, "", "");
  ui.dialog_result(other);
  ASSERT_TRUE(choose_working_folder(session, FolderRole::Output));
  EXPECT_EQ(read_bytes(RecentFolders::file_path()), "1- " + data + "\r\n");
}

TEST_F(RecentFolderActions, AnEntryOfAnyKindGoesToTheFolderBeingChosen) {
  show_folders(data, desc, "");
  ui.answer(Answer::Yes);
  EXPECT_EQ(choose_recent_entry(session, "2- " + other, FolderRole::Data), RecentChoice::Chosen);
  EXPECT_EQ(ui.boxes[0].text, "  Choisir le répertoire " + other + "\n\n  (Non) = effacer la liste\n\n");
  EXPECT_EQ(session.description.text("dossier_choisi"), other);
  EXPECT_EQ(session.description.text("dossier_description"), desc);
  EXPECT_EQ(session.description.text("dossier_choisi_sortie"), "");  // the placeholder is no folder
  EXPECT_EQ(ui.captions["Label_repertoire"], other);
  EXPECT_EQ(ui.captions["Label_dir_new"], other);
  EXPECT_TRUE(session.description.modified());
  EXPECT_FALSE(ui.visible["Panel_dir"]);
  EXPECT_FALSE(ui.visible["ListBox_rep_recent"]);
  EXPECT_TRUE(fs::is_empty(desc));  // nothing written
}

TEST_F(RecentFolderActions, AnswersOtherThanYes) {
  struct Case {
    const char* name;
    std::vector<Answer> answers;
    RecentChoice outcome;
    bool erased;
  };
  const std::vector<Case> cases = {
      {"cancel", {Answer::Cancel}, RecentChoice::Cancelled, false},
      {"no, keep the list", {Answer::No, Answer::No}, RecentChoice::Kept, false},
      {"no, erase the list", {Answer::No, Answer::Yes}, RecentChoice::Erased, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedInterface own_ui;
    Session fresh{own_ui};
    write_list("1- " + other + "\r\n");
    toggle_recent_list(fresh);
    for (Answer answer : c.answers) own_ui.answer(answer);
    EXPECT_EQ(choose_recent_entry(fresh, "1- " + other, FolderRole::Output), c.outcome);
    EXPECT_EQ(fresh.recent_folders.list.empty(), c.erased);
    EXPECT_EQ(fresh.recent_folders.shown, !c.erased);
    EXPECT_EQ(fresh.description.text("dossier_choisi_sortie"), "");
    EXPECT_FALSE(fresh.description.modified());
    if (c.answers.size() == 2) {
      EXPECT_EQ(own_ui.boxes[1].text, "  Effacer la liste des répertoires ?\n\n");
    }
  }
}

// An erased list must not come back from its file when shown again.
TEST_F(RecentFolderActions, ErasedListStaysErased) {
  write_list("1- " + other + "\r\n");
  show_folders(data, "", "");
  toggle_recent_list(session);
  ui.answer(Answer::No).answer(Answer::Yes);
  ASSERT_EQ(choose_recent_entry(session, "1- " + other, FolderRole::Data), RecentChoice::Erased);
  EXPECT_TRUE(toggle_recent_list(session));
  EXPECT_EQ(session.recent_folders.list.entries(), std::vector<std::string>{"1- " + data});
}

TEST_F(RecentFolderActions, AMissingFolderIsOnlyReported) {
  const std::string gone = dir.path() + "parti/";
  EXPECT_EQ(choose_recent_entry(session, "1- " + gone, FolderRole::Data), RecentChoice::Missing);
  EXPECT_EQ(ui.texts(), std::vector<std::string>{" Répertoire inexistant \n\n" + gone + "\n"});
  EXPECT_EQ(session.description.text("dossier_choisi"), "");
}

}  // namespace
}  // namespace talve
