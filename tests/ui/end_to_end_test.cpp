// SPDX-License-Identifier: GPL-3.0-or-later
// The demo run from the window as a user runs it: the period of the last
// run copied back by double-clicks, then the three steps pressed by name,
// each box answered. Its result file is the batch mode's, byte for byte.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <filesystem>

#include "app/program_run.h"
#include "session/session.h"
#include "text/encoding.h"
#include "ui/window_fixture.h"

namespace talve::testing {
namespace {

class EndToEnd : public WindowTest {};

// The result of `talve --batch` on a copy of the demo.
std::string batch_result(const std::string& description, const std::string& folder, const std::string& home) {
  ProgramRun run;
  // The period and step of the last run, as the window takes them back.
  run.args = {"--batch", description, "--period", "dsc"};
  run.folder = folder;
  run.home = home;
  run.timeout_seconds = 120;
  const ProgramOutcome outcome = run_program(run);
  EXPECT_EQ(outcome.status, 0) << outcome.summary();
  std::string out = outcome.out;
  while (!out.empty() && out.back() == '\n') out.pop_back();
  return read_bytes(out.substr(out.rfind('\n') + 1));
}

TEST_F(EndToEnd, TheDemoRunFromTheWindowWritesTheBatchModesResult) {
  const std::string batch_description = copy_demo("batch");
  const std::string expected = batch_result(batch_description, dir.path(), dir.mkdir("batch_home"));
  ASSERT_FALSE(expected.empty());

  open(copy_demo("fenetre"));
  answers.box(" récupérer la date/heure min ?", "Oui")
      .box(" récupérer la date/heure max ?", "Oui")
      .box(" récupérer le pas ?", "Oui");
  double_click("Label_min_dsc");
  double_click("Label_max_dsc");
  double_click("Label_pas_dsc");
  ASSERT_TRUE(answers.idle());
  EXPECT_EQ(find<QLabel>("Label_temps_deb")->text().toStdString(),
            cp1252_to_utf8(window->session().description.text("Label_min_dsc.caption")));

  click("SpeedButton_lister");
  EXPECT_GT(window->session().file_table.file_row_count(), 0);
  answers.box(" Créer une nouvelle liste de dates régulières ?", "Oui");
  click("SpeedButton_creer_listes_date_clean");
  EXPECT_GT(window->session().grid.count(), 1);
  answers.box("3- TRAITEMENT EFFECTUÉ", "OK");
  click("SpeedButton_traiter_fichier");
  ASSERT_TRUE(answers.idle()) << answers.texts.join("\n---\n").toStdString();

  const std::string& written = window->session().run.result_path;
  ASSERT_FALSE(written.empty());
  EXPECT_EQ(read_bytes(written), expected);
  // The whole result is on the desktop's clipboard too.
  EXPECT_EQ(utf8_to_cp1252(QApplication::clipboard()->text().toStdString()), expected);
  // The result view shows the file's rows.
  auto* view = find<QAbstractItemView>("RichEdit3");
  EXPECT_TRUE(view->isVisible());
  EXPECT_EQ(view->model()->rowCount(), static_cast<int>(window->session().result_list.size()));
  expect_names_resolved();
}

// The SYNOP station day by day from the window, as the notes run it in
// batch: the period of the last run taken back, a step of one day with
// "(inf strict)"; rain summed, temperature averaged, gusts at their
// maximum, thin days left out. The window writes the batch mode's file.
TEST_F(EndToEnd, TheSynopDayByDayFromTheWindowWritesTheBatchModesResult) {
  std::string text = read_bytes(std::string(TALVE_SOURCE_DIR) + "/examples/meteofrance-synop/synop-jour.dsc");
  const std::string data_key = "dossier_choisi= ";
  const auto data = text.find(data_key);
  ASSERT_NE(data, std::string::npos);
  text.replace(data + data_key.size(), text.find("\r\n", data) - data - data_key.size(),
               std::string(TALVE_SOURCE_DIR) + "/tests/data/real/meteofrance-synop-ods/");
  const std::string description = dir.write("synop/synop-jour.dsc", text);
  dir.mkdir("synop/sorties");
  ProgramRun run;
  run.args = {"--batch", description,   "--period", "dsc",          "--step",
              "1 jour",  "--date-test", "lt",       "--output-dir", dir.mkdir("batch")};
  run.folder = dir.path();
  run.home = dir.mkdir("batch_home");
  run.timeout_seconds = 120;
  const ProgramOutcome outcome = run_program(run);
  ASSERT_EQ(outcome.status, 0) << outcome.summary();
  const std::string expected = read_bytes(dir.file("batch/synop-jour.txt"));
  ASSERT_FALSE(expected.empty());

  open(description);
  EXPECT_EQ(find<QLineEdit>("Edit_methode_par_colonne")->text().toStdString(), "somme:40;max:32");
  EXPECT_EQ(find<QLineEdit>("Edit_taux_min")->text().toStdString(), "75");
  answers.box(" récupérer la date/heure min ?", "Oui").box(" récupérer la date/heure max ?", "Oui");
  double_click("Label_min_dsc");
  double_click("Label_max_dsc");
  // On the radio buttons' circles, as a user clicks them.
  for (const char* name : {"RadioButton2_jour_mois_annee", "GroupBox_actuel_ou_passee_1"}) {
    auto* radio = find<QAbstractButton>(name);
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
    EXPECT_TRUE(radio->isChecked()) << name;
  }
  click("SpeedButton_lister");
  answers.box(" Créer une nouvelle liste de dates régulières ?", "Oui");
  click("SpeedButton_creer_listes_date_clean");
  // The file's long text columns look like titles to the first-line
  // check; the batch mode goes on, as the user does here.
  answers.box(" il semble que la 1ère ligne de données soit une description de colonnes", "Non")
      .box("3- TRAITEMENT EFFECTUÉ", "OK");
  click("SpeedButton_traiter_fichier");
  ASSERT_TRUE(answers.idle()) << answers.texts.join("\n---\n").toStdString();
  const std::string& written = window->session().run.result_path;
  ASSERT_FALSE(written.empty());
  EXPECT_EQ(read_bytes(written), expected);
  expect_names_resolved();
}

// A logger's own export, quoted fields with commas in its titles, month
// first, a two-digit year and a 12-hour clock: read from the window as in
// the batch mode, byte for byte.
TEST_F(EndToEnd, AHoboExportRunFromTheWindowWritesTheBatchModesResult) {
  namespace fs = std::filesystem;
  const auto copy_hobo = [this](const std::string& folder) {
    const fs::path target = fs::path(dir.path()) / folder;
    // The example's data folder holds a link to the shared file: the copy
    // holds the file itself.
    fs::copy(fs::path(TALVE_SOURCE_DIR) / "examples/hobo", target, fs::copy_options::recursive);
    const std::string description = (target / "hobo-u12.dsc").string();
    dir.write(folder + "/hobo-u12.dsc", read_bytes(description) +
                                            "Label_min_dsc.caption= 02/10/2013 06:00:00\r\n"
                                            "Label_max_dsc.caption= 03/12/2013 17:00:00\r\n");
    return description;
  };
  const std::string expected = batch_result(copy_hobo("batch"), dir.path(), dir.mkdir("batch_home"));
  ASSERT_FALSE(expected.empty());
  ASSERT_NE(expected.find("\r\n02/10/2013 12:00:00;19,44;62,17;27,60;1\r\n"), std::string::npos);

  open(copy_hobo("fenetre"));
  answers.box(" récupérer la date/heure min ?", "Oui")
      .box(" récupérer la date/heure max ?", "Oui")
      .box(" récupérer le pas ?", "Oui");
  double_click("Label_min_dsc");
  double_click("Label_max_dsc");
  double_click("Label_pas_dsc");
  ASSERT_TRUE(answers.idle());
  click("SpeedButton_lister");
  EXPECT_EQ(window->session().file_table.lire_case(1, "date dep"), "02/10/2013 06:00:00");
  answers.box(" Créer une nouvelle liste de dates régulières ?", "Oui");
  click("SpeedButton_creer_listes_date_clean");
  answers.box("3- TRAITEMENT EFFECTUÉ", "OK");
  click("SpeedButton_traiter_fichier");
  ASSERT_TRUE(answers.idle()) << answers.texts.join("\n---\n").toStdString();
  EXPECT_EQ(read_bytes(window->session().run.result_path), expected);
  expect_names_resolved();
}

// A period that misses the data: the window says where the data lie and
// leaves the result and report of the run before as they were.
TEST_F(EndToEnd, ARunWithNoLineInThePeriodKeepsThePreviousResult) {
  const std::string description = copy_demo("demo");
  std::string text = read_bytes(description);
  const auto name = text.find("Edit_nom_fic_sortie.text= ");
  ASSERT_NE(name, std::string::npos);
  text.replace(name, text.find("\r\n", name) - name, "Edit_nom_fic_sortie.text= res");
  dir.write("demo/demo.dsc", text);
  const std::string result = dir.write("demo/sorties/res.txt", "résultat précédent");
  const std::string report = dir.write("demo/sorties/res.txt.TXT", "suivi précédent");

  // The start-up period, 07/11/2021 to 08/11/2021, is years before the demo's data.
  open(description);
  click("SpeedButton_lister");
  answers.box(" Créer une nouvelle liste de dates régulières ?", "Oui");
  click("SpeedButton_creer_listes_date_clean");
  ASSERT_GT(window->session().grid.count(), 1);
  answers.box(
      " Aucune ligne de données dans la période du 07/11/2021 00:00:00 au 08/11/2021 10:00:00\n\n "
      "les dates lues vont du 01/03/2024",
      "OK");
  click("SpeedButton_traiter_fichier");
  EXPECT_TRUE(answers.idle());
  EXPECT_FALSE(answers.texts.join("\n").contains("TRAITEMENT EFFECTUÉ"))
      << answers.texts.join("\n---\n").toStdString();
  EXPECT_EQ(read_bytes(result), "résultat précédent");
  EXPECT_EQ(read_bytes(report), "suivi précédent");
  expect_names_resolved();
}

}  // namespace
}  // namespace talve::testing
