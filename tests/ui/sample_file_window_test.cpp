// SPDX-License-Identifier: GPL-3.0-or-later
// "Exemplaire de fichier de données" through the real window: the file
// chosen in the open dialog becomes the data folder and mask, its questions
// are asked and answered, its text is shown, the folder listed and the
// description written; the preview hides and comes back by double-clicks.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "session/session.h"
#include "support/temp_dir.h"
#include "window_fixture.h"

namespace talve::testing {
namespace {

namespace fs = std::filesystem;

class SampleFileWindow : public WindowTest {};

TEST_F(SampleFileWindow, SampleChosenDescribesItsFolderAndShowsItsText) {
  const std::string description = copy_demo("demo");
  open(description);
  const std::string folder = dir.mkdir("releves");
  const std::string sample = folder + "station.txt";
  {
    std::ofstream out(sample, std::ios::binary);
    out << "# station 12\r\nheure;pluie;temp;vent\r\n";
    for (int h = 0; h < 30; ++h)
      out << "0" << (1 + h / 24) << "/02/2024 " << (h % 24 < 10 ? "0" : "") << h % 24 << ":00;0,2;5,1;3\r\n";
  }
  answers.dialog(QString::fromStdString(sample));
  // Every correction the inspection offers is accepted; the rest (the
  // machine has no text editor) is closed.
  for (const char* question :
       {"FICHIER", "d'après le contenu", "Les premières données", "intitulés de colonnes en"})
    answers.always(QString::fromUtf8(question), "Oui");
  answers.dismiss_unscripted = true;
  click("SpeedButton_choix_fic_donnee");
  // The question, the editor that cannot open, the listing's own question.
  ASSERT_TRUE(wait_for([&] { return answers.texts.size() >= 3 && !window->session().busy(); }));
  EXPECT_TRUE(answers.texts.front().startsWith("FICHIER\n  station.txt"));
  auto* preview = find<QPlainTextEdit>("Memo6");
  auto* whole = find<QPlainTextEdit>("Memo1");
  EXPECT_TRUE(preview->isVisible());
  EXPECT_TRUE(preview->toPlainText().contains("double click pour affichage complet"));
  EXPECT_TRUE(whole->toPlainText().startsWith("# station 12\n"));

  // The sample's folder and extension are the description's, and it was
  // written.
  const std::string written = read_bytes(window->session().description.file_path());
  EXPECT_NE(written.find("Edit_masque.text= txt\r\n"), std::string::npos);
  EXPECT_NE(written.find("dossier_choisi= " + folder), std::string::npos);

  QTest::mouseDClick(preview->viewport(), Qt::LeftButton);
  EXPECT_FALSE(preview->isVisible());
  QTest::mouseDClick(whole->viewport(), Qt::LeftButton);
  EXPECT_TRUE(preview->isVisible());
  QTest::mouseDClick(whole->viewport(), Qt::LeftButton);
  EXPECT_FALSE(preview->isVisible());
}

}  // namespace
}  // namespace talve::testing
