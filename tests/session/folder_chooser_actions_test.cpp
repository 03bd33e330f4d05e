// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/folder_chooser_actions.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/recent_folders.h"
#include "session/session.h"
#include "support/scripted_interface.h"
#include "support/temp_dir.h"
#include "text/text_utils.h"

namespace talve {
namespace {

namespace fs = std::filesystem;
using testing::ProgramHome;
using testing::read_bytes;
using testing::ScriptedInterface;
using testing::TempDir;

constexpr ControlColour kRedText = ControlColour::of(kRed);
constexpr ControlColour kDarkRed = ControlColour::of(kMaroon);
constexpr ControlColour kThemeText = ControlColour::theme_text();

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

// Opening for the data folder checks the folder as it stands, before any
// pick; "Valider" then takes the folder picked, remembers the previous
// folders, writes the description and lists the new folder's files.
TEST_F(FolderChooserActions, DataFolderFromOpeningToValider) {
  dir.write("data/m1.txt", "1\r\n");
  dir.write("data/m2.txt", "2\r\n");
  dir.write("autre/a.csv", "date\tvaleur\r\n2024-01-01 00:00:00\t1\r\n2024-01-01 00:10:00\t2\r\n");
  dir.write("autre/b.dat", "1\r\n");
  ui.answer(Answer::No).answer(Answer::No);
  EXPECT_FALSE(choose_working_folder(session, FolderRole::Data));
  EXPECT_EQ(ui.texts(), (std::vector<std::string>{
                            data + "\n\n   Aucun fichier de ce répertoire n'a l'extention attendue de csv\n\n"
                                   " Mettre à jour le champ [masque] des extentions de fichiers ?      \n\n"
                                   "  attendu  => csv\n\n  nouveau détecté => *.TXT  2 fichier(s)",
                            " Visualiser un fichier de données pour aider à remplir les champs ? \nm1.txt"}));
  ASSERT_EQ(ui.dialogs.size(), 1u);
  EXPECT_EQ(ui.dialogs[0].title, "Répertoire des données");
  EXPECT_EQ(ui.dialogs[0].initial_folder, data);
  EXPECT_TRUE(ui.visible["Panel_dir"]);
  EXPECT_EQ(ui.captions["Label_dir_new"], data);
  EXPECT_EQ(text_colour("Label_dir_new"), kRedText);
  EXPECT_EQ(text_colour("SpeedButton_choix_rep_donnee"), kRedText);
  EXPECT_EQ(text_colour("SpeedButton_valider_dir"), kThemeText);

  pick_chooser_folder(session, dir.path() + "autre");
  EXPECT_EQ(ui.captions["Label_dir_new"], other);
  EXPECT_EQ(ui.captions["Label45"], "2");
  EXPECT_EQ(text_colour("SpeedButton_valider_dir"), kRedText);
  EXPECT_EQ(session.description.text("dossier_choisi"), data);

  ASSERT_TRUE(validate_chooser_folder(session));
  EXPECT_FALSE(ui.visible["Panel_dir"]);
  EXPECT_EQ(session.description.text("dossier_choisi"), other);
  EXPECT_EQ(written("dossier_choisi"), other);
  EXPECT_EQ(ui.captions["Label_repertoire"], other);
  EXPECT_EQ(text_colour("Label_repertoire"), kDarkRed);
  EXPECT_EQ(read_bytes(RecentFolders::file_path()),
            "1- " + data + "\r\n2- " + desc + "\r\n3- " + out + "\r\n");
  // Counted and listed as Enter in a description field would.
  EXPECT_TRUE(session.description.modified());
  EXPECT_EQ(ui.captions["Label54"], "1");
  EXPECT_EQ(session.file_table.file_row_count(), 1);
  EXPECT_EQ(text_colour("SpeedButton_choix_rep_donnee"), kDarkRed);
  EXPECT_EQ(text_colour("SpeedButton_valider_dir"), kThemeText);
  EXPECT_FALSE(session.folder_chooser.role);
}

TEST_F(FolderChooserActions, CancelKeepsTheFolderAndTheFile) {
  const std::string before = read_bytes(desc + "station.dsc");
  static_cast<void>(choose_working_folder(session, FolderRole::Output));
  pick_chooser_folder(session, other);
  close_folder_chooser(session);
  EXPECT_EQ(session.description.text("dossier_choisi_sortie"), out);
  EXPECT_EQ(read_bytes(desc + "station.dsc"), before);
  EXPECT_FALSE(ui.visible["Panel_dir"]);
  EXPECT_FALSE(ui.visible["ListBox_rep_recent"]);
  EXPECT_EQ(text_colour("SpeedButton_choix_rep_sortie"), kThemeText);
  EXPECT_FALSE(validate_chooser_folder(session));
}

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

TEST_F(FolderChooserActions, FilesAndShortcutsOfTheChooser) {
  const std::string file = dir.write("autre/mesures.csv", "1\r\n");
  static_cast<void>(choose_working_folder(session, FolderRole::Description));
  ui.answer(Answer::No).answer(Answer::Yes);
  edit_chooser_file(session, file);
  edit_chooser_file(session, file);
  EXPECT_EQ(ui.texts(), std::vector<std::string>(2, " Editer le fichier <mesures.csv>  ?  \n\n"));
  EXPECT_EQ(ui.opened_in_editor, std::vector<std::string>{file});

  EXPECT_FALSE(go_to_chooser_folder(session, dir.path() + "absent/"));
  EXPECT_EQ(ui.texts().back(), " Répertoire inexistant \n\n" + dir.path() + "absent/\n");
  EXPECT_EQ(ui.captions["Label_dir_new"], desc);
  EXPECT_TRUE(go_to_chooser_folder(session, other));
  EXPECT_EQ(ui.captions["Label_dir_new"], other);
  EXPECT_EQ(explorer_folder(session), other);
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
