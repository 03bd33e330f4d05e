// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/description_actions.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/parameter_storage.h"
#include "core/program_folder.h"
#include "core/program_title.h"
#include "session/session.h"
#include "support/scripted_interface.h"
#include "support/temp_dir.h"
#include "text/clock.h"
#include "text/text_utils.h"

namespace talve {
namespace {

namespace fs = std::filesystem;
using testing::ProgramHome;
using testing::read_bytes;
using testing::ScriptedInterface;
using testing::TempDir;

constexpr const char* kFilter = "Fichiers descriptifs (*.dsc)|*.dsc|Tous les fichiers (*.*)|*.*";

std::vector<std::string> lines_of(const std::string& path) {
  const std::string bytes = read_bytes(path);
  std::vector<std::string> lines;
  for (auto line : split_lines(bytes)) lines.emplace_back(line);
  return lines;
}

// The value a description file holds for a key ("" when absent).
std::string value_in(const std::string& path, const std::string& key) {
  for (const auto& line : lines_of(path))
    if (line.starts_with(key + "= ")) return line.substr(key.size() + 2);
  return {};
}

class DescriptionActions : public ::testing::Test {
 protected:
  void SetUp() override {
    set_fixed_now(*parse_canonical("15/03/2024 08:30:00"));
    data = dir.mkdir("data");
    out = dir.mkdir("out");
    desc = dir.mkdir("desc");
  }
  void TearDown() override { set_fixed_now(std::nullopt); }

  // A description file in desc/ naming the data and output folders.
  std::string write_station(const std::string& extra = "") {
    return dir.write("desc/station.dsc", "dossier_choisi= " + data + "\r\ndossier_choisi_sortie= " + out +
                                             "\r\ndossier_description= " + desc +
                                             "\r\nEdit_masque.text= csv\r\n" + extra);
  }

  void make_current(const std::string& name = "station.dsc") {
    session.description.assign("dossier_description", desc);
    session.description.set_file_name(name);
    session.set_caption("Label_rep_description", desc);
  }

  ProgramHome home;
  TempDir dir;
  std::string data, out, desc;
  ScriptedInterface ui;
  Session session{ui};
};

TEST_F(DescriptionActions, ReadOfAMissingFileSaysSoAndChangesNothing) {
  make_current("absent.dsc");
  EXPECT_EQ(read_description(session), ReadOutcome::FileMissing);
  EXPECT_EQ(ui.texts(), std::vector<std::string>{" Fichier de description <absent.DSC> introuvable dans le "
                                                 "dossier\n\n<" +
                                                 desc + ">"});
  EXPECT_EQ(session.description.text("Edit_masque.text"), "csv");
}

TEST_F(DescriptionActions, NothingCurrentMeansNothingRead) {
  write_station();
  session.description.assign("dossier_description", desc);
  EXPECT_EQ(read_description(session), ReadOutcome::NothingCurrent);
  session.description.set_file_name("   ");
  EXPECT_EQ(read_description(session), ReadOutcome::NothingCurrent);
  EXPECT_FALSE(write_description(session));
  EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(DescriptionActions, ReadRefreshesWhatDependsOnTheSettings) {
  write_station("RadioGroup_datetime_nb_col_ItemIndex= 1\r\n");
  dir.write("data/b.csv", "");
  dir.write("data/a.csv", "");
  make_current();
  session.grid.entries = {"_intitulés des colonnes", "01/01/2024 00:00:00"};
  session.description.mark_modified();

  EXPECT_EQ(read_description(session), ReadOutcome::Read);
  EXPECT_FALSE(session.description.modified());
  EXPECT_TRUE(session.grid.empty());
  EXPECT_TRUE(session.period.changed);
  EXPECT_EQ(session.flags.input_mode, InputMode::Files);
  EXPECT_EQ(ui.captions["Label54"], "2");
  EXPECT_EQ(ui.captions["Label_nom_de_fichier"], "a.csv");
  EXPECT_EQ(ui.captions["SpeedButton_lister"], "1- Valider et Lister les fichiers   csv");
  EXPECT_TRUE(ui.visible["Edit_num_col_date"]);
  EXPECT_FALSE(ui.visible["Edit_num_col_datetime"]);
}

TEST_F(DescriptionActions, ReadFollowsTheMaskForTheInputMode) {
  dir.write("desc/classeur.dsc", "Edit_masque.text= Xlsx\r\n");
  make_current("classeur.dsc");
  EXPECT_EQ(read_description(session), ReadOutcome::Read);
  EXPECT_EQ(session.flags.input_mode, InputMode::Spreadsheet);
  EXPECT_EQ(ui.captions["SpeedButton_lister"], "1- Valider le fichier Xlsx");
  dir.write("desc/pp.dsc", "Edit_masque.text= ppp\r\n");
  make_current("pp.dsc");
  EXPECT_EQ(read_description(session), ReadOutcome::Read);
  EXPECT_EQ(session.flags.input_mode, InputMode::Clipboard);
  EXPECT_EQ(ui.captions["SpeedButton_lister"], "1- Valider le presse-papier");
}

TEST_F(DescriptionActions, WriteRecordsTheDescriptionOnlyWhenModified) {
  make_current();
  ASSERT_TRUE(write_description(session));
  EXPECT_EQ(lines_of(desc + "station.dsc").size(), 66u);
  EXPECT_FALSE(fs::exists(parameter_file_path()));

  session.description.set_text("Edit_NA.text", "vide");
  ASSERT_TRUE(write_description(session));
  EXPECT_FALSE(session.description.modified());
  const auto prm = lines_of(parameter_file_path());
  ASSERT_EQ(prm.size(), 60u);
  EXPECT_EQ(prm[0], desc + "station.dsc");
  EXPECT_EQ(prm[1], "255,245,221");
  EXPECT_EQ(prm[5], "0");
}

TEST_F(DescriptionActions, FailedWriteIsReportedAndKeepsTheModifiedFlag) {
  session.description.assign("dossier_description", dir.path() + "absent/");
  session.description.set_file_name("station.dsc");
  session.description.mark_modified();
  EXPECT_FALSE(write_description(session));
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].type, MessageType::Error);
  EXPECT_TRUE(ui.boxes[0].text.starts_with(" Impossible d'écrire le fichier de description <" + dir.path() +
                                           "absent/station.dsc>\n\n"));
  EXPECT_TRUE(session.description.modified());
  EXPECT_FALSE(fs::exists(parameter_file_path()));
}

TEST_F(DescriptionActions, ChosenDescriptionFromElsewhereIsRewrittenWhereItLies) {
  const std::string moved =
      dir.write("ailleurs/station.dsc", "dossier_choisi= " + data + "\r\ndossier_choisi_sortie= " + out +
                                            "\r\ndossier_description= /ancien/\r\n");
  session.description.assign("dossier_description", desc);
  ui.dialog_result(moved);
  choose_description(session);

  ASSERT_EQ(ui.dialogs.size(), 1u);
  EXPECT_EQ(ui.dialogs[0].title, "choix de la description des données : " + desc);
  EXPECT_EQ(ui.dialogs[0].initial_folder, desc);
  EXPECT_EQ(ui.dialogs[0].filter, kFilter);
  EXPECT_EQ(ui.dialogs[0].proposed_name, "*.dsc");
  EXPECT_TRUE(ui.boxes.empty());

  EXPECT_EQ(value_in(moved, "dossier_description"), dir.path() + "ailleurs/");
  EXPECT_EQ(session.description.file_name(), "station.dsc");
  EXPECT_EQ(ui.captions["Form1"], "station.dsc         >  " + program_title());
  EXPECT_EQ(ui.captions["Label_rep_description"], dir.path() + "ailleurs/");
  EXPECT_FALSE(session.description.modified());
  const auto prm = lines_of(parameter_file_path());
  ASSERT_EQ(prm.size(), 60u);
  EXPECT_EQ(prm[0], moved);
  EXPECT_EQ(prm[1], "");
  EXPECT_EQ(prm[5], "0");
}

TEST_F(DescriptionActions, ChoiceProposesTheCurrentFileAndCancelDoesNothing) {
  write_station();
  make_current();
  ui.dialog_result(std::nullopt);
  choose_description(session);
  EXPECT_EQ(ui.dialogs[0].proposed_name, "station.dsc");
  EXPECT_FALSE(session.description.modified());
  EXPECT_FALSE(fs::exists(parameter_file_path()));
}

TEST_F(DescriptionActions, ChosenFileWithABadChoiceStopsBeforeRewriting) {
  const std::string bad = dir.write("desc/bad.dsc", "RadioGroup_methode_ItemIndex= moyenne\r\n");
  ui.dialog_result(bad);
  choose_description(session);
  EXPECT_EQ(ui.texts(), std::vector<std::string>{"'moyenne' n'est pas une valeur entière correcte"});
  EXPECT_EQ(read_bytes(bad), "RadioGroup_methode_ItemIndex= moyenne\r\n");
  EXPECT_FALSE(fs::exists(parameter_file_path()));
}

TEST_F(DescriptionActions, SaveWithoutDescriptionFolderAsksForItFirst) {
  session.description.mark_modified();
  ui.dialog_result(std::nullopt);
  save_description(session);
  EXPECT_EQ(ui.captions["Panel4"],
            "déplacer \"notepad++\" vers le bas pour voir les messages au centre de l'écran");
  EXPECT_FALSE(ui.visible["Panel4"]);
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].text,
            " Nouveau fichier de description \n choisir d'abord le dossier des descriptions...");
  EXPECT_EQ(ui.boxes[0].buttons, kOkButton);
  EXPECT_FALSE(session.description.modified());
  ASSERT_EQ(ui.dialogs.size(), 1u);
  EXPECT_EQ(ui.dialogs[0].title, "Répertoire des descriptions");
}

TEST_F(DescriptionActions, SaveAsksThenWritesWithTheTitleLineAligned) {
  write_station();
  make_current();
  session.description.assign("RadioGroup_avec_sans_intitule_ItemIndex", "1");
  session.description.assign("Edit_num_ligne_intitule_col.text", "3");
  session.description.mark_modified();
  ui.answer(Answer::Cancel).answer(Answer::Yes);
  save_description(session);
  EXPECT_TRUE(session.description.modified());
  save_description(session);
  EXPECT_EQ(ui.boxes[1].text,
            " Enregistrer les modifications de la description de données    station.dsc\n\n dans "
            "le répertoire " +
                desc + "   ?   \n\n");
  EXPECT_EQ(ui.boxes[1].buttons, kYesNoCancel);
  EXPECT_EQ(value_in(desc + "station.dsc", "Edit_num_ligne_intitule_col.text"), "0");
  EXPECT_FALSE(session.description.modified());
  EXPECT_EQ(lire_ligne_fichier(parameter_file_path(), 1), desc + "station.dsc");
}

TEST_F(DescriptionActions, SaveUnmodifiedAndAnsweredNo) {
  const std::string path = write_station();
  make_current();
  session.description.assign("Edit_num_ligne_intitule_col.text", "0");
  ui.answer(Answer::No).answer(Answer::Yes);
  save_description(session);
  EXPECT_EQ(
      ui.boxes[0].text,
      " Enregistrer la description de données    station.dsc\n\n dans le répertoire " + desc + "   ?   \n\n");
  EXPECT_EQ(lines_of(path).size(), 4u);  // untouched
  save_description(session);
  EXPECT_EQ(value_in(path, "Edit_num_ligne_intitule_col.text"), "1");
}

struct NameCase {
  const char* name;
  const char* mask;
  int separator;
  const char* proposed;
};

class ProposedName : public ::testing::TestWithParam<NameCase> {};

TEST_P(ProposedName, TagsTheNameWithMaskAndSeparator) {
  ScriptedInterface ui;
  Session session{ui};
  session.description.set_file_name(GetParam().name);
  session.description.assign("Edit_masque.text", GetParam().mask);
  session.description.assign("RadioGroup_separateur_colonne_ItemIndex", std::to_string(GetParam().separator));
  EXPECT_EQ(propose_description_name(session.description), GetParam().proposed);
}

INSTANTIATE_TEST_SUITE_P(Names, ProposedName,
                         ::testing::Values(NameCase{"stationA.dsc", "csv", 0, "stationA_(csv Tab).dsc"},
                                           NameCase{"x_(csv Tab).dsc", "csv", 2, "x_(csv ;).dsc"},
                                           NameCase{"x_(a)_(b).DSC", "txt", 1, "x_(txt esp).dsc"},
                                           NameCase{"sans", "*.csV", 3, "sans_(__csV ,).dsc"},
                                           NameCase{"a.b.dsc", "dat", 7, "a.b_(dat).dsc"}));

TEST_F(DescriptionActions, SaveAsProposesATaggedNameAndCreatesTheFile) {
  make_current("stationA.dsc");
  session.description.assign("dossier_choisi", data);
  session.description.assign("dossier_choisi_sortie", out);
  ui.dialog_result(dir.path() + "autre/nouveau");
  dir.mkdir("autre");
  EXPECT_TRUE(save_description_as(session));
  ASSERT_EQ(ui.dialogs.size(), 1u);
  EXPECT_EQ(ui.dialogs[0].title, "enregistrement  de la description des données");
  EXPECT_EQ(ui.dialogs[0].proposed_name, "stationA_(csv Tab).dsc");
  EXPECT_EQ(ui.dialogs[0].initial_folder, desc);
  EXPECT_EQ(ui.dialogs[0].filter, kFilter);
  EXPECT_TRUE(ui.dialogs[0].confirm_overwrite);

  const std::string created = dir.path() + "autre/nouveau.dsc";
  EXPECT_EQ(lines_of(created).size(), 66u);
  EXPECT_EQ(value_in(created, "dossier_description"), dir.path() + "autre/");
  EXPECT_EQ(session.description.file_name(), "nouveau.dsc");
  // The parameter file was rewritten with the single path, then the save of
  // the modified description filled it to 60 lines.
  const auto prm = lines_of(parameter_file_path());
  ASSERT_EQ(prm.size(), 60u);
  EXPECT_EQ(prm[0], created);
}

TEST_F(DescriptionActions, SaveAsCancelledPutsTheNameBack) {
  make_current("stationA.dsc");
  session.description.assign("Edit_masque.text", "ppp");
  ui.dialog_result(std::nullopt);
  EXPECT_FALSE(save_description_as(session));
  EXPECT_EQ(ui.dialogs[0].proposed_name, "ppp.dsc");
  EXPECT_EQ(session.description.file_name(), "stationA.dsc");
}

TEST_F(DescriptionActions, NewKeepsTheFoldersAndResetsTheRest) {
  make_current();
  session.description.assign("dossier_choisi", data);
  session.description.assign("dossier_choisi_sortie", out);
  session.description.assign("Edit_masque.text", "txt");
  session.description.assign("Edit_nb_decimale.text", "1");
  ASSERT_TRUE(ecrire_fichier_une_ligne(desc + "station.dsc", parameter_file_path()));

  ui.answer(Answer::No);
  new_description(session);
  EXPECT_EQ(session.description.text("Edit_masque.text"), "txt");

  ui.answer(Answer::Yes).dialog_result(std::nullopt).dialog_result(std::nullopt);
  new_description(session);
  EXPECT_EQ(
      ui.boxes[1].text,
      "Nouvelle description ? \n\n ( Valeurs par défaut, seuls les 3 répertoires sont conservés )     ");
  EXPECT_EQ(ui.boxes[1].buttons, kYesNoCancel);
  EXPECT_FALSE(fs::exists(parameter_file_path()));
  EXPECT_EQ(session.description.text("Edit_masque.text"), "*.csV");
  EXPECT_EQ(session.description.text("Edit_nb_decimale.text"), "3");
  EXPECT_EQ(session.description.text("dossier_choisi"), data);
  EXPECT_EQ(session.description.text("dossier_choisi_sortie"), out);
  EXPECT_EQ(session.description.text("dossier_description"), desc);
  EXPECT_FALSE(session.description.is_current());

  ASSERT_EQ(ui.dialogs.size(), 2u);
  EXPECT_EQ(ui.dialogs[0].title, "Nom de la nouvelle description des données à créer");
  EXPECT_EQ(ui.dialogs[0].proposed_name, "");
  EXPECT_EQ(ui.boxes[2].text,
            " Choisir le répertoire des données \n  et ouvrir un exemplaire de fichier à traiter ...");
  EXPECT_EQ(ui.dialogs[1].title, "Répertoire des données");
}

TEST_F(DescriptionActions, ReloadOpensTheChooserForAMissingDataFolder) {
  write_station();
  make_current();
  fs::remove(data);
  const std::string fresh = dir.mkdir("frais");
  dir.write("frais/m.csv", "");
  ui.dialog_result(dir.path() + "frais");
  reload_description(session);

  ASSERT_EQ(ui.dialogs.size(), 1u);
  EXPECT_EQ(ui.dialogs[0].title, "Répertoire des données");
  EXPECT_EQ(session.description.text("dossier_choisi"), fresh);
  EXPECT_EQ(ui.captions["Label_repertoire"], fresh);
  EXPECT_EQ(ui.captions["Label_rep_sortie"], out);
  EXPECT_EQ(value_in(desc + "station.dsc", "dossier_choisi"), fresh);
  EXPECT_EQ(ui.captions["Label45"], "1");
  EXPECT_EQ(ui.captions["Label54"], "1");
  EXPECT_TRUE(session.description.modified());
}

TEST_F(DescriptionActions, ReloadOpensTheChooserForAMissingOutputFolderOnly) {
  write_station();
  make_current();
  fs::remove(out);
  session.file_table.add_row();
  ui.dialog_result(std::nullopt);
  reload_description(session);
  ASSERT_EQ(ui.dialogs.size(), 1u);
  EXPECT_EQ(ui.dialogs[0].title, "Répertoire de sortie");
  EXPECT_EQ(session.file_table.row_count(), 1);
}

TEST_F(DescriptionActions, LeavingMovesTextResultsOutOfTheDataFolder) {
  make_current("Temporaire.DSC");
  session.description.assign("Edit_masque.text", "txt");
  session.description.assign("dossier_choisi", data);
  session.description.assign("dossier_choisi_sortie", data);
  ui.answer(Answer::No);
  save_before_leaving(session);
  EXPECT_EQ(ui.texts(),
            std::vector<std::string>{
                " Le fichier  Temporaire.DSC est temporaire\n\n L'enregistrer avec un nom finalisé ?"});
  EXPECT_TRUE(fs::is_directory(data + "Export/"));
  EXPECT_EQ(session.description.text("dossier_choisi_sortie"), data + "Export/");
  EXPECT_EQ(ui.captions["Label_rep_sortie"], data + "Export/");
  EXPECT_EQ(value_in(desc + "Temporaire.dsc", "dossier_choisi_sortie"), data + "Export/");
  EXPECT_FALSE(session.description.modified());
}

TEST_F(DescriptionActions, LeavingKeepsTheOutputFolderWhenExportCannotBeCreated) {
  make_current();
  session.description.assign("Edit_masque.text", "TXT");
  session.description.assign("dossier_choisi", data);
  session.description.assign("dossier_choisi_sortie", data);
  dir.write("data/Export", "un fichier, pas un dossier");
  save_before_leaving(session);
  EXPECT_EQ(ui.texts(), std::vector<std::string>{"Impossible de créer le répertoire  " + data + "Export/"});
  EXPECT_EQ(session.description.text("dossier_choisi_sortie"), data);
  EXPECT_EQ(value_in(desc + "station.dsc", "dossier_choisi_sortie"), data);
}

}  // namespace
}  // namespace talve
