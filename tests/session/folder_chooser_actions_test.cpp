// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/folder_chooser_actions.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

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

constexpr ControlColour kRedText = ControlColour::of(kRed);

// The chooser as the window has it: opened, it waits for its buttons.
class FolderChooserActions : public ::testing::Test {
 protected:
  void SetUp() override {
    ui.chooser_stays_open = true;
    data = dir.mkdir("data");
    out = dir.mkdir("out");
    desc = dir.mkdir("desc");
    other = dir.mkdir("autre");
    dir.write("desc/station.dsc", "dossier_choisi= " + data + "\r\n");
    session.description.assign("dossier_choisi", data);
    session.description.assign("dossier_choisi_sortie", out);
    session.description.assign("dossier_description", desc);
    session.description.assign("Edit_masque.text", "csv");
    session.description.set_file_name("station.dsc");
    show_folder_labels(session);
  }

  std::string written(const std::string& key) const {
    const std::string bytes = read_bytes(desc + "station.dsc");
    const std::string line = key + "= ";
    const auto at = bytes.find(line);
    return at == std::string::npos ? ""
                                   : bytes.substr(at + line.size(), bytes.find('\r', at) - at - line.size());
  }
  ControlColour text_colour(const std::string& control) { return ui.text_colours[control]; }

  ProgramHome home;
  TempDir dir;
  std::string data, out, desc, other;
  ScriptedInterface ui;
  Session session{ui};
};

// A click within half a second of the previous one is ignored, a click on
// the red button closes the chooser, a click on another one moves the red.
TEST_F(FolderChooserActions, ClicksOnTheFolderButtons) {
  const struct {
    FolderRole button;
    double at;
    std::optional<FolderRole> open_for;
  } clicks[] = {{FolderRole::Description, 10.0, FolderRole::Description},
                {FolderRole::Description, 10.3, FolderRole::Description},
                {FolderRole::Description, 11.0, std::nullopt},
                {FolderRole::Output, 12.0, FolderRole::Output},
                {FolderRole::Description, 13.0, FolderRole::Description},
                {FolderRole::Output, 13.2, FolderRole::Description}};
  for (const auto& click : clicks) {
    folder_button_click(session, click.button, click.at);
    EXPECT_EQ(session.folder_chooser.role, click.open_for) << click.at;
    EXPECT_EQ(ui.visible["Panel_dir"], click.open_for.has_value()) << click.at;
    int red = 0;
    for (const char* button :
         {"SpeedButton_choix_rep_donnee", "SpeedButton_choix_rep_desc", "SpeedButton_choix_rep_sortie"})
      red += text_colour(button) == kRedText;
    EXPECT_EQ(red, click.open_for ? 1 : 0) << click.at;
  }
}

// The folder a label shows is gone: the output folder is offered a
// sub-folder of the data folder, the others are told.
TEST_F(FolderChooserActions, AFolderThatIsGoneIsToldFirst) {
  const std::string export_folder = data + "EXPORT";
  const std::string question =
      " Créer le sous répertoire " + export_folder + " pour les fichiers de sortie ? ";
  fs::remove(out);
  ui.answer(Answer::No);
  static_cast<void>(choose_working_folder(session, FolderRole::Output));
  EXPECT_EQ(ui.texts(), std::vector<std::string>{question});
  EXPECT_FALSE(fs::exists(export_folder));
  close_folder_chooser(session);

  // "EXPORT" taken by a file: it cannot become a folder.
  dir.write("data/EXPORT", "");
  ui.answer(Answer::Yes);
  static_cast<void>(choose_working_folder(session, FolderRole::Output));
  EXPECT_EQ(ui.texts().back(), "Impossible de créer le répertoire  " + export_folder);
  EXPECT_EQ(session.description.text("dossier_choisi_sortie"), out);
  close_folder_chooser(session);

  fs::remove(export_folder);
  session.description.mark_modified();
  ui.answer(Answer::Yes);
  static_cast<void>(choose_working_folder(session, FolderRole::Output));
  EXPECT_TRUE(fs::is_directory(export_folder));
  EXPECT_EQ(session.description.text("dossier_choisi_sortie"), export_folder + "/");
  EXPECT_EQ(ui.captions["Label_rep_sortie"], export_folder + "/");
  EXPECT_EQ(written("dossier_choisi_sortie"), export_folder + "/");
  EXPECT_FALSE(session.description.modified());
  // The chooser still opens, on the new folder.
  EXPECT_EQ(ui.dialogs.back().initial_folder, export_folder + "/");
  close_folder_chooser(session);

  fs::remove(desc + "station.dsc");
  fs::remove(desc);
  ui.boxes.clear();
  static_cast<void>(choose_working_folder(session, FolderRole::Description));
  EXPECT_EQ(ui.texts(), std::vector<std::string>{
                            "   Répertoire des descriptions\n\nDOSSIER INACCESSIBLE\n\n<" + desc + ">\n\n"});
}

// Without a panel (the batch mode, a dialog) the chooser answers at once.
TEST_F(FolderChooserActions, AnInterfaceThatAnswersAtOnce) {
  ui.chooser_stays_open = false;
  ui.dialog_result(other).dialog_result(std::nullopt);
  EXPECT_TRUE(choose_working_folder(session, FolderRole::Description));
  EXPECT_EQ(session.description.text("dossier_description"), other);
  EXPECT_FALSE(ui.visible["Panel_dir"]);
  EXPECT_FALSE(choose_working_folder(session, FolderRole::Output));
  EXPECT_EQ(session.description.text("dossier_choisi_sortie"), out);
  EXPECT_FALSE(session.folder_chooser.role);
}

}  // namespace
}  // namespace talve
