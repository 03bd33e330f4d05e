// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/processing_report.h"

#include <gtest/gtest.h>

#include "files/file_table.h"

namespace talve {
namespace {

ReportHeader header(bool delta, bool derivative, const std::string& pattern_line) {
  ReportHeader h;
  h.description_name = "stations.dsc";
  h.mask = "csv";
  h.separator_caption = "Tabulation";
  h.method_caption = "cumul";
  h.delta = delta;
  h.derivative = derivative;
  h.pattern_line = pattern_line;
  h.date_test = DateTest::Strict;
  h.step_text = "2 jour";
  h.start_caption = "07/11/2021 00:00:00";
  h.end_caption = "08/11/2021 10:00:00";
  h.grid_count = 138;
  return h;
}

TEST(ProcessingReport, HeaderLinesWithoutDifferences) {
  const std::vector<std::string> expected = {
      " SUIVI DU TRAITEMENT : TABLEAU DES FICHIERS",
      "",
      "  Description de données : stations.dsc",
      " extention csv",
      " séparateur IN = (Tabulation)",
      " méthode de calcul = (cumul)",
      "",  // a pattern without "#" nor "§"
      " test des dates = ((inf strict))",
      " pas = (2 jour)",
      " période du 07/11/2021 00:00:00 au 08/11/2021 10:00:00",
      " nombre de résultats = 137",
      "",
  };
  EXPECT_EQ(report_header_lines(header(false, false, "")), expected);
}

TEST(ProcessingReport, DifferenceLineOnlyWithDeltaOrDerivative) {
  struct Case {
    bool delta;
    bool derivative;
    const char* line;
  };
  const Case cases[] = {
      {true, false, "  calcul des delta Y (rétro cumul)  y(i) - y(i-1) "},
      {true, true, "  calcul des delta Y (rétro cumul)  y(i) - y(i-1) "},
      {false, true, "  calcul des dérivées (rétro cumul) [y(i) - y(i-1)] / pas"},
  };
  for (const Case& c : cases) {
    const auto lines = report_header_lines(header(c.delta, c.derivative, "A"));
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[6], c.line);
    EXPECT_EQ(lines[7], "A");
  }
}

TEST(ProcessingReport, FileTableAndLogFollowTheHeader) {
  FileTable table;
  const int row = table.add_row();
  table.ecrire_case(row, "fichier", "a.csv");
  table.ecrire_case(row, "Station", "a");
  const auto lines = report_file_lines(header(false, false, ""), table, {"ligne 1", "", "ligne 3"});
  ASSERT_EQ(lines.size(), 12u + 2 + 2 + 3);
  EXPECT_EQ(lines[12],
            " \tn \tfichier \ts/répertoire \tStation \tdate_NOM_Fichier \ttaille (Mo) \tdate dep \tdate fin "
            "\tn.données \tn.extraites \tpas moyen observé \tdurée de traitement \tcorrection \tnb Colonnes "
            "\tn°Lig intitulés \t x");
  EXPECT_EQ(lines[13], " \t \ta.csv \t \ta \t \t \t \t \t \t \t \t \t \t \t \t");
  EXPECT_EQ(lines[14], "");
  EXPECT_EQ(lines[15], " Fenêtre de suivi");
  EXPECT_EQ(lines[16], "ligne 1");
  EXPECT_EQ(lines[18], "ligne 3");
}

}  // namespace
}  // namespace talve
