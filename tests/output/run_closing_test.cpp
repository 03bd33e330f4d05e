// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/run_closing.h"

#include <gtest/gtest.h>

namespace talve {
namespace {

RunClosing plain_run() {
  RunClosing run;
  run.method_caption = "moyenne des n mesures OK";
  run.grid_count = 138;
  run.lines_caption = "1 234 lignes extraites";
  run.results_caption = "137";
  run.column_count = 4;
  run.step_text = "00:15:00";
  return run;
}

WrittenFiles files() { return {"A_00;00;05.txt", "A_00;00;05.txt.TXT", "/out/", 65.0 / kSecondsPerDay}; }

TEST(RunClosing, PlainRun) {
  const std::vector<std::string> expected = {
      "",
      "3- TRAITEMENT EFFECTUÉ  (méthode : moyenne des n mesures OK)  (inf ou =)",
      "     1 234 lignes extraites",
      "     137 lignes     x     4 colonnes attendues",
      "stat",
      "  Données horodatée régulières extraites et enregistrées dans    A_00;00;05.txt",
      "  ainsi que dans le presse-papier au pas de 00:15:00",
      "  La fenêtre de suivi dans   A_00;00;05.txt.TXT du répertoire : ",
      "   /out/",
      "  durée totale =  1 mn 5 s ",
  };
  EXPECT_EQ(closing_lines(plain_run(), files(), {"stat"}), expected);
}

TEST(RunClosing, OptionsDriftOffsetAndInvertedDates) {
  RunClosing run = plain_run();
  run.station = "kervel";
  run.date_test = DateTest::Strict;
  run.post_processing = true;
  run.forced_growth = true;
  run.day_correction = true;
  run.second_correction = true;
  run.drift_active = true;
  run.drift_wrong = 10.0 / 24 + 60.0 / kSecondsPerDay;
  run.drift_real = 10.0 / 24;
  run.offset_active = true;
  run.offset_negative = true;
  run.offset_days = 2;
  run.offset_time = 1.0 / 24;
  run.inverted_dates = 3;
  const auto lines = closing_lines(run, files(), {});
  EXPECT_EQ(
      lines[1],
      "3- TRAITEMENT EFFECTUÉ  (méthode : moyenne des n mesures OK) station( kervel )  (inf strict) avec "
      "POSTtraitement des 138 données extraites + avec cumul croissant forcé  correction + 1 j SI t1>t2   "
      "correction +1s SI t1=t2  ");
  EXPECT_EQ(lines[2], "  La dérive des dates de mesure n'est pas nulle");
  EXPECT_EQ(lines[3], "   10:01:00 => 10:00:00  dérive = -00:01:00");
  EXPECT_EQ(lines[4], " Le décalage des dates de mesure n'est pas nul");
  EXPECT_EQ(lines[5], "   - 2 j 01:00:00");
  EXPECT_EQ(lines[8], " ----------------------->  nombre de dates inversées : 3");
  EXPECT_EQ(lines[9], "");
}

TEST(RunClosing, DriftOfZeroAndInactiveOffsetWriteNothing) {
  RunClosing run = plain_run();
  run.drift_active = true;
  run.drift_wrong = run.drift_real = 0.5;
  run.offset_days = 3;
  EXPECT_EQ(closing_lines(run, files(), {}).size(), 9u);
}

TEST(RunClosing, SummaryUsesTheStationOfTheSecondFile) {
  RunClosing run = plain_run();
  run.station = "premier";
  run.post_processing = true;
  run.derivative = true;
  EXPECT_EQ(
      summary_message(run, files(), "second"),
      "3- TRAITEMENT EFFECTUÉ  (méthode : moyenne des n mesures OK) station( second ) avec POSTtraitement "
      "des données extraites  calcul des dérivées (rétro cumul) [y(i) - y(i-1)] / pas\n\n"
      "     1 234 lignes extraites\n\n"
      "     137 lignes     x     4 colonnes attendues\n\n"
      " station( second ) avec POSTtraitement des données extraites  calcul des dérivées (rétro cumul) "
      "[y(i) - y(i-1)] / pas\n\n"
      "A_00;00;05.txt <- Données horodatée régulières ( copiées dans le presse-papier )\n\n"
      "A_00;00;05.txt.TXT <- fenêtre de suivi dans le répertoire : /out/\n\n"
      "    (le fichier de description est également enregistré), durée totale =  1 mn 5 s ");
  EXPECT_EQ(summary_message(plain_run(), files(), "").substr(0, 62),
            "3- TRAITEMENT EFFECTUÉ  (méthode : moyenne des n mesures OK)\n\n");
}

}  // namespace
}  // namespace talve
