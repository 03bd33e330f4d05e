// SPDX-License-Identifier: GPL-3.0-or-later
// Whole runs compared byte for byte with result files and reports written
// by hand: CR LF, Windows-1252, separators, decimals, missing texts,
// titles, the FileTable lines and the log.
#include <gtest/gtest.h>

#include <string>

#include "run_fixture.h"
#include "text/text_utils.h"

namespace talve {
namespace {

std::string golden(const std::string& name) {
  return testing::read_bytes(std::string(TALVE_TEST_DATA_DIR) + "/golden/" + name);
}

TEST_F(RunTest, TwoFilesGiveTheHandWrittenResultAndReport) {
  session.description.set_file_name("cas.dsc");
  write_two_files();
  list_and_build_grid();
  ASSERT_EQ(traiter_fichier_click(session), RunOutcome::Written);

  ASSERT_FALSE(golden("deux_fichiers/res.txt").empty());
  EXPECT_EQ(result_text(), golden("deux_fichiers/res.txt"));
  std::string report = golden("deux_fichiers/res.txt.TXT");
  remplacer_tout("@DOSSIER@", dir.path(), report);
  EXPECT_EQ(testing::read_bytes(out + "res.txt.TXT"), report);
  // The clipboard holds the result file's text.
  EXPECT_EQ(ui.clipboard, golden("deux_fichiers/res.txt"));

  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].type, MessageType::Information);
  EXPECT_EQ(ui.boxes[0].text,
            "3- TRAITEMENT EFFECTUÉ  (méthode : moyenne des n mesures OK) station( sud )\n\n"
            "     6 lignes extraites\n\n"
            "     4 lignes     x     4 colonnes attendues\n\n"
            " station( sud )\n\n"
            "res.txt <- Données horodatée régulières ( copiées dans le presse-papier )\n\n"
            "res.txt.TXT <- fenêtre de suivi dans le répertoire : " +
                out +
                "\n\n"
                "    (le fichier de description est également enregistré), durée totale =  0 s");
  // Two lines go to the log only, after the report was written.
  const auto& log = session.log.lines();
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(log[log.size() - 2], "");
  EXPECT_EQ(log.back(), "08:30:00  durée totale 00:00:00");
}

}  // namespace
}  // namespace talve
