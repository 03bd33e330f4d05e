// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/result_writing.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "run_fixture.h"
#include "session/processing_run.h"
#include "text/encoding.h"

namespace talve {
namespace {

namespace fs = std::filesystem;

constexpr const char* kFirstRow = "01/01/2021 01:00:00; 2,00;50,00;2";

class ResultWriting : public RunTest {
 protected:
  void SetUp() override {
    RunTest::SetUp();
    write_two_files();
    list_and_build_grid();
  }
  bool holds_rows(const std::string& path) {
    return testing::read_bytes(path).find(kFirstRow) != std::string::npos;
  }
};

TEST_F(ResultWriting, ExistingResultIsOverwrittenOnYes) {
  dir.write("out/res.txt", "ancien");
  ui.answer(Answer::Yes);
  EXPECT_EQ(traiter_fichier_click(session), RunOutcome::Written);
  EXPECT_EQ(ui.boxes[0].text,
            out.substr(0, out.size() - 1) + "\n\n Le fichier  res.txt\n\n   existe déjà\n\n => écraser ?");
  EXPECT_TRUE(holds_rows(out + "res.txt"));
}

TEST_F(ResultWriting, NoOpensTheSaveDialog) {
  dir.write("out/res.txt", "ancien");
  ui.answer(Answer::No).dialog_result(out + "autre");
  EXPECT_EQ(traiter_fichier_click(session), RunOutcome::Written);
  ASSERT_EQ(ui.dialogs.size(), 1u);
  EXPECT_EQ(ui.dialogs[0].title, "enregistrement des résultats de calcul");
  EXPECT_EQ(ui.dialogs[0].initial_folder, out);
  EXPECT_EQ(ui.dialogs[0].proposed_name, "res");
  EXPECT_EQ(ui.dialogs[0].filter, "Fichiers texte (*.txt)|*.txt|Tous les fichiers (*.*)|*.*");
  EXPECT_TRUE(ui.dialogs[0].confirm_overwrite);
  EXPECT_EQ(testing::read_bytes(out + "res.txt"), "ancien");
  EXPECT_TRUE(holds_rows(out + "autre.txt"));
  EXPECT_TRUE(fs::exists(out + "autre.txt.TXT"));
  // The report names the chosen path in its pattern line.
  EXPECT_NE(testing::read_bytes(out + "autre.txt.TXT").find("\r\n" + out + "autre.txt\r\n"),
            std::string::npos);
}

TEST_F(ResultWriting, CancelledDialogFallsBackOnTheRecoveryFile) {
  dir.write("out/res.txt", "ancien");
  ui.answer(Answer::No).dialog_result(std::nullopt);
  EXPECT_EQ(traiter_fichier_click(session), RunOutcome::Written);
  const std::string fallback = out + "~résultats.txt";
  // A text of the program, named in UTF-8 on the disk.
  EXPECT_TRUE(holds_rows(cp1252_to_utf8(fallback)));
  const auto& log = session.log.lines();
  const auto at = std::find(log.begin(), log.end(), " données calculées récupérables dans " + fallback);
  ASSERT_NE(at, log.end());
  EXPECT_EQ(*(at - 1), "");
  EXPECT_EQ(*(at + 1), " => ~résultats.txt");
}

TEST_F(ResultWriting, IncrementTakesTheNextFreeNameWithoutQuestion) {
  session.description.assign("CheckBox_inc_nom.Checked", "true");
  session.description.assign("Edit_nom_fic_sortie.text", "A#");
  EXPECT_EQ(traiter_fichier_click(session), RunOutcome::Written);
  EXPECT_EQ(traiter_fichier_click(session), RunOutcome::Written);
  EXPECT_TRUE(holds_rows(out + "A_00;00;00.txt"));
  EXPECT_TRUE(holds_rows(out + "A_00;00;00(1).txt"));
  EXPECT_TRUE(fs::exists(out + "A_00;00;00(1).txt.TXT"));
  EXPECT_EQ(session.run.result_name, "A_00;00;00(1).txt");
  EXPECT_EQ(ui.captions["Label21"], "A_00;00;00(1).txt");
  EXPECT_EQ(ui.boxes.size(), 2u);  // the two summaries
}

TEST_F(ResultWriting, TextInputsSendResultsToTheirExportFolder) {
  for (const bool existing : {false, true}) {
    SetUp();
    DataDescription& d = session.description;
    d.assign("Edit_masque.text", "txt");
    d.assign("dossier_choisi_sortie", data);
    write_data("c.txt", {"2021-01-01 01:00:00;1;2"});
    if (existing) dir.mkdir("data/Export");
    list_and_build_grid();
    EXPECT_EQ(traiter_fichier_click(session), RunOutcome::Written);
    EXPECT_TRUE(fs::exists(data + "Export/res.txt")) << existing;
    EXPECT_FALSE(fs::exists(data + "res.txt"));
    EXPECT_EQ(d.text("dossier_choisi_sortie"), data + "Export/");
    fs::remove_all(data + "Export");
  }
}

// The window shows the result file's text and copies it to the clipboard;
// the batch mode, without a window, writes the file alone.
TEST_F(ResultWriting, ResultViewAndClipboardHoldTheFileOnlyWithAWindow) {
  for (const bool window : {true, false}) {
    SCOPED_TRACE(window);
    session.run.result_view = window;
    session.set_caption("RichEdit3", "");
    ui.clipboard.clear();
    if (fs::exists(out + "res.txt")) ui.answer(Answer::Yes);  // overwrite the first run's file
    EXPECT_EQ(traiter_fichier_click(session), RunOutcome::Written);
    const std::string written = testing::read_bytes(out + "res.txt");
    ASSERT_NE(written.find(kFirstRow), std::string::npos);
    EXPECT_EQ(session.caption("RichEdit3"), window ? written : "");
    EXPECT_EQ(ui.clipboard, window ? written : "");
  }
}

TEST_F(ResultWriting, ClipboardInputKeepsTheClipboard) {
  EXPECT_EQ(traiter_fichier_click(session), RunOutcome::Written);
  EXPECT_NE(ui.clipboard.find(kFirstRow), std::string::npos);
  ui.clipboard = "presse-papier de l'utilisateur";
  session.flags.input_mode = InputMode::Clipboard;
  session.flags.running = true;
  ui.answer(Answer::Yes);
  EXPECT_EQ(write_results(session), WriteOutcome::Written);
  session.flags.running = false;
  EXPECT_EQ(ui.clipboard, "presse-papier de l'utilisateur");
  EXPECT_TRUE(holds_rows(out + "res.txt"));
}

TEST_F(ResultWriting, MissingOutputFolderKeepsTheListsForSauver) {
  session.description.assign("dossier_choisi_sortie", dir.path() + "absent/");
  EXPECT_EQ(traiter_fichier_click(session), RunOutcome::NoResult);
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].type, MessageType::Error);
  EXPECT_EQ(ui.boxes[0].text,
            " Le fichier résultat n'a pas pu être écrit :\n\n" + dir.path() +
                "absent/res.txt\n\n le répertoire n'existe pas\n\n"
                " Les données calculées sont conservées : choisir un autre répertoire de sortie\n"
                " puis les enregistrer avec \"sauver ->\".");
  EXPECT_EQ(session.result_list.size(), 5u);
  EXPECT_TRUE(session.run.results_pending);
  EXPECT_FALSE(session.flags.running);

  // The folder is made: "sauver ->" writes the run's lists.
  dir.mkdir("absent");
  sauver_click(session);
  EXPECT_TRUE(holds_rows(dir.path() + "absent/res.txt"));
  EXPECT_TRUE(fs::exists(dir.path() + "absent/res.txt.TXT"));
  EXPECT_FALSE(session.run.results_pending);
  EXPECT_EQ(ui.texts().back(), " Données extraites enregistrées dans \n" + dir.path() + "absent/res.txt.TXT");
}

// "sauver ->" says where the data went only when they went there.
TEST_F(ResultWriting, SauverThatFailsIsNotFollowedBySuccess) {
  session.description.assign("dossier_choisi_sortie", dir.path() + "absent/");
  EXPECT_EQ(traiter_fichier_click(session), RunOutcome::NoResult);
  ui.boxes.clear();
  sauver_click(session);  // the folder is still missing
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].type, MessageType::Error);
  EXPECT_TRUE(session.run.results_pending);

  // The result is written, its report cannot be: the result is named.
  session.description.assign("dossier_choisi_sortie", out);
  dir.mkdir("out/res.txt.TXT");
  ui.boxes.clear();
  sauver_click(session);
  EXPECT_TRUE(holds_rows(out + "res.txt"));
  ASSERT_EQ(ui.boxes.size(), 2u);
  EXPECT_EQ(ui.boxes[0].type, MessageType::Error);
  EXPECT_EQ(ui.boxes[1].text, " Données extraites enregistrées dans \n" + out + "res.txt");
  EXPECT_EQ(session.run.report_path, "");
}

// A file-size limit cuts the writing short: the previous result stays whole.
TEST_F(ResultWriting, InterruptedWritingKeepsThePreviousResult) {
  dir.write("out/res.txt", "ancien résultat");
  ui.answer(Answer::Yes);
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previous_handler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit limited = saved;
  limited.rlim_cur = 64;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
  const RunOutcome outcome = traiter_fichier_click(session);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous_handler);
  EXPECT_EQ(outcome, RunOutcome::NoResult);
  EXPECT_EQ(testing::read_bytes(out + "res.txt"), "ancien résultat");
  EXPECT_EQ(ui.boxes.back().type, MessageType::Error);
  for (const auto& entry : fs::directory_iterator(out)) EXPECT_EQ(entry.path().filename(), "res.txt");
}

// The output folder names a regular file: no file can be made inside it,
// whoever runs the test (permissions would not bind the superuser).
TEST_F(ResultWriting, RefusedFolderIsToldAndKeepsTheLists) {
  const std::string file = dir.write("un_fichier", "pas un dossier");
  session.description.assign("dossier_choisi_sortie", file + "/");
  EXPECT_EQ(traiter_fichier_click(session), RunOutcome::NoResult);
  ASSERT_FALSE(ui.boxes.empty());
  EXPECT_EQ(ui.boxes.back().type, MessageType::Error);
  EXPECT_NE(ui.boxes.back().text.find(file + "/res.txt\n\n ce chemin désigne un fichier, pas un répertoire"),
            std::string::npos)
      << ui.boxes.back().text;
  EXPECT_TRUE(session.run.results_pending);
  EXPECT_EQ(testing::read_bytes(file), "pas un dossier");

  session.description.assign("dossier_choisi_sortie", out);
  sauver_click(session);
  EXPECT_TRUE(holds_rows(out + "res.txt"));
  EXPECT_FALSE(session.run.results_pending);
}

TEST_F(ResultWriting, SauverWithoutFilesHasNothingToSave) {
  session.file_table.reset();
  sauver_click(session);
  EXPECT_EQ(ui.texts(), std::vector<std::string>{" pas de données à enregistrer..."});
}

TEST_F(ResultWriting, OutsideARunOnlyTheDescriptionIsSaved) {
  session.result_list = {"titres", "ligne"};
  EXPECT_EQ(write_results(session), WriteOutcome::DescriptionOnly);
  EXPECT_FALSE(fs::exists(out + "res.txt"));
}

TEST_F(ResultWriting, ValuesOnlyCopy) {
  sans_coldate_click(session);
  EXPECT_TRUE(ui.boxes.empty());  // nothing yet
  EXPECT_EQ(traiter_fichier_click(session), RunOutcome::Written);
  ui.boxes.clear();
  sans_coldate_click(session);
  const std::string expected =
      "T;H;nb(4)_methode_(moyenne des n mesures OK)_station(nord)\r\n 2,00;50,00;2\r\n"
      " 6,00;60,00;2\r\nNA;NA;0\r\n11,00;70,00;2\r\n";
  EXPECT_EQ(ui.clipboard, expected);
  EXPECT_EQ(testing::read_bytes(home.path() + "~tmp.txt"), expected);
  EXPECT_EQ(ui.texts(),
            std::vector<std::string>{
                " les colonnes sans la date ni le nombre de lignes extraites\n\n sont copiées dans le "
                "presse-papier"});
  EXPECT_FALSE(ui.visible["RichEdit3"]);
  EXPECT_TRUE(ui.visible["RichEdit4"]);
}

TEST_F(ResultWriting, ViewersOpenTheLastFilesOnly) {
  editer_click(session);
  fichier_suivi_click(session);
  EXPECT_TRUE(ui.opened_in_editor.empty());
  EXPECT_EQ(traiter_fichier_click(session), RunOutcome::Written);
  editer_click(session);
  fichier_suivi_click(session);
  memo3_double_click(session);
  EXPECT_EQ(ui.opened_in_editor,
            (std::vector<std::string>{out + "res.txt", out + "res.txt.TXT", out + "res.txt"}));
}

TEST_F(ResultWriting, ClearedLogStartsTheNextReport) {
  ui.answer(Answer::Yes);
  effacer_suivi_click(session);
  EXPECT_EQ(ui.boxes[0].text, " Effacer le texte ? ");
  EXPECT_TRUE(session.log.empty());
  EXPECT_EQ(traiter_fichier_click(session), RunOutcome::Written);
  const std::string report = testing::read_bytes(out + "res.txt.TXT");
  EXPECT_NE(report.find(" Fenêtre de suivi\r\n\r\n=================================================="),
            std::string::npos);
  EXPECT_EQ(report.find("liste horodatée"), std::string::npos);
}

}  // namespace
}  // namespace talve
