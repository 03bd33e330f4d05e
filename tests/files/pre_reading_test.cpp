// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/pre_reading.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pre_reading_fixture.h"

namespace talve {
namespace {

TEST_F(PreReading, FileWithTitlesFillsItsRowAndFacts) {
  ASSERT_EQ(pre_read("Date;T;H\r\n2021-01-01 00:00:00;1;2\r\n2021-01-01 01:00:00;3;4\r\n\r\n"),
            PreReadOutcome::read);
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(cell("date dep"), "01/01/2021 00:00:00");
  EXPECT_EQ(cell("date fin"), "01/01/2021 01:00:00");
  EXPECT_EQ(cell("n.données"), "2");
  EXPECT_EQ(cell("nb Colonnes"), " 3");
  EXPECT_EQ(cell("n°Lig intitulés"), " -");
  for (const char* title : {"n.extraites", "pas moyen observé", "correction"}) EXPECT_EQ(cell(title), " ---");
  EXPECT_EQ(ui.captions["Edit_intitule_origine"], "Date;T;H");
  EXPECT_EQ(ui.captions["Label19"], "2 colonnes de données");
  EXPECT_EQ(ui.captions["Label26"], "3");
  EXPECT_EQ(facts.measurement_columns, 2);
  EXPECT_EQ(facts.titles_tab, "Date\tT\tH");
  EXPECT_EQ(facts.first_line, 1);
  EXPECT_EQ(facts.last_line, 2);
  EXPECT_EQ(facts.title_line, 0);
  EXPECT_EQ(facts.split, ';');
  EXPECT_EQ(facts.first, *parse_canonical("01/01/2021 00:00:00"));
  ASSERT_NE(table.facts(row), nullptr);
  EXPECT_EQ(table.facts(row)->last, *parse_canonical("01/01/2021 01:00:00"));
}

TEST_F(PreReading, TitleLineNumberShownFromLineTwoOn) {
  ws.description.assign("Edit_num_ligne_intitule_col.text", "3");
  ws.description.assign("Edit_num_ligne_donnee.text", "4");
  ASSERT_EQ(pre_read("logger 12\r\n\r\nDate;T\r\n2021-01-01 00:00:00;1\r\n"), PreReadOutcome::read);
  EXPECT_EQ(cell("n°Lig intitulés"), " 3");
  EXPECT_EQ(ui.captions["Label19"], "1 colonne de données");
}

TEST_F(PreReading, WithoutTitlesTheTitlesAreGenerated) {
  no_titles();
  ws.description.assign("Edit_num_ligne_donnee.text", "1");
  ASSERT_EQ(pre_read("2021-01-01 00:00:00;1;2;3\r\n2021-01-02 00:00:00;1;2;3\r\n"), PreReadOutcome::read);
  EXPECT_EQ(facts.titles_tab, "A1\tB2\tC3\tD4");
  EXPECT_EQ(ui.captions["Edit_intitule_origine"], "A1\tB2\tC3\tD4");
  EXPECT_EQ(cell("n°Lig intitulés"), " -");
  EXPECT_EQ(facts.title_line, -1);
}

TEST_F(PreReading, GeneratedTitlesStartTheAlphabetAgainAfterZ) {
  no_titles();
  ws.description.assign("Edit_num_ligne_donnee.text", "1");
  std::string line = "2021-01-01 00:00:00";
  for (int i = 0; i < 27; ++i) line += ";1";
  ASSERT_EQ(pre_read(line + "\r\n"), PreReadOutcome::read);
  EXPECT_TRUE(facts.titles_tab.ends_with("\tZ26\tA27\tB28"));
}

TEST_F(PreReading, TitlesWhereNoneAreDeclaredAreOffered) {
  no_titles();
  ws.description.assign("Edit_num_ligne_donnee.text", "2");
  ui.answer(Answer::Yes);
  EXPECT_EQ(pre_read("Station X\r\nDate;Temperature\r\n2021-01-01 00:00:00;1\r\n"), PreReadOutcome::stop);
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].text,
            "la ligne n°2 semble correspondre à des intitulés de colonnes..\n\nDate;Temperature\n\n"
            " proposition => choisir l'option avec intitulé de colonnes et son n° de ligne\n\n"
            "     corriger  (Oui)\n\n     continuer (Annuler)");
  EXPECT_EQ(ui.boxes[0].type, MessageType::Warning);
  EXPECT_EQ(ui.boxes[0].buttons, kYesCancel);
  const DataDescription& d = ws.description;
  EXPECT_EQ(d.choice("RadioGroup_avec_sans_intitule_ItemIndex"), 0);
  EXPECT_EQ(d.text("Edit_num_ligne_intitule_col.text"), "2");
  EXPECT_EQ(d.text("Edit_num_ligne_donnee.text"), "3");
  EXPECT_EQ(d.choice("RadioGroup_numlig_balise_ItemIndex"), 0);
  EXPECT_TRUE(d.modified());
}

TEST_F(PreReading, TitlesOfferedAfterAMarkerCountFromTheFileStart) {
  // With markers the data line counts from the marker line; once line
  // numbers rule it must count from the start of the file.
  no_titles();
  ws.description.assign("RadioGroup_numlig_balise_ItemIndex", "1");
  ws.description.assign("Edit_balise_deb.text", "DATA");
  ws.description.assign("Edit_num_ligne_donnee.text", "2");
  ui.answer(Answer::Yes);
  EXPECT_EQ(pre_read("head\r\nhead\r\nDATA\r\nDate;Temperature\r\n2021-01-01 00:00:00;1\r\nEND\r\n"),
            PreReadOutcome::stop);
  EXPECT_EQ(ws.description.text("Edit_num_ligne_intitule_col.text"), "4");
  EXPECT_EQ(ws.description.text("Edit_num_ligne_donnee.text"), "5");
  EXPECT_EQ(ws.description.choice("RadioGroup_numlig_balise_ItemIndex"), 0);
}

TEST_F(PreReading, TitlesOfferedButRefusedTheListingGoesOn) {
  no_titles();
  ws.description.assign("Edit_num_ligne_donnee.text", "1");
  ui.answer(Answer::Cancel);
  // Letters outnumber digits, but the user keeps the description.
  EXPECT_EQ(pre_read("2021-01-01 00:00:00;abcdefghijklmnopqrstuvwxyz\r\n"), PreReadOutcome::read);
  EXPECT_FALSE(ws.description.modified());
}

TEST_F(PreReading, TitleLineOfNumbersIsQuestioned) {
  ui.answer(Answer::Yes);
  EXPECT_EQ(pre_read("12;13;14\r\n2021-01-01 00:00:00;1;2\r\n"), PreReadOutcome::stop);
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].text,
            "la ligne n°1  ne semble pas correspondre à une suite d'intitulés de colonnes..\n\n"
            " le nombre de chiffres (6) est supérieur au nombre de lettres (0)\n\n12;13;14\n\n"
            " proposition => choisir l'option sans intitulé de colonnes\n\n"
            "     corriger  (Oui)\n\n     continuer (Annuler)");
  EXPECT_EQ(ws.description.choice("RadioGroup_avec_sans_intitule_ItemIndex"), 1);
}

TEST_F(PreReading, TitleLineBeforeTheFirstLineOpensTheFile) {
  ws.description.assign("Edit_num_ligne_intitule_col.text", "0");
  EXPECT_EQ(pre_read("Date;T\r\n2021-01-01 00:00:00;1\r\n"), PreReadOutcome::stop);
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(
      ui.boxes[0].text,
      "??? le n° de ligne des intitulés de colonnes semble être nul\n\n"
      " => sélectionner l'option sans intitulé de colonne ...\n\n   le fichier sera ouvert dans le blocnote");
  EXPECT_EQ(ui.boxes[0].type, MessageType::Error);
  EXPECT_EQ(ui.opened_in_editor, std::vector<std::string>{path});
}

TEST_F(PreReading, TitleLineMadeOfDateCharactersIsQuestioned) {
  // "date" keeps the digits question away; the line is still mostly a date.
  const std::string content = "10/01/2021 10:00:00;1.5;2.5;date\r\n2021-01-01 00:00:00;1;2;3\r\n";
  const std::string question =
      "a- la ligne n°1  ne semble pas correspondre à une suite d'intitulés de colonnes...\n\n"
      "2021-01-01 00:00:00;1;2;3\n\n proposition => choisir l'option sans intitulé de colonnes\n\n"
      "     corriger et relancer  (Oui)\n\n     ou annuler            (Annuler)";
  ui.answer(Answer::Yes);
  EXPECT_EQ(pre_read(content), PreReadOutcome::list_again);
  EXPECT_EQ(ui.texts(), std::vector<std::string>{question});
  EXPECT_EQ(ws.description.choice("RadioGroup_avec_sans_intitule_ItemIndex"), 1);
  EXPECT_EQ(ws.description.text("Edit_num_ligne_donnee.text"), "1");
}

TEST_F(PreReading, TitleLineMadeOfDateCharactersRefusedStops) {
  ui.answer(Answer::Cancel);
  EXPECT_EQ(pre_read("10/01/2021 10:00:00;1.5;2.5;date\r\n2021-01-01 00:00:00;1;2;3\r\n"),
            PreReadOutcome::stop);
  EXPECT_FALSE(ws.description.modified());
}

TEST_F(PreReading, LineWithoutMeasurementColumnRaisesTheSingleColumnWarning) {
  ws.description.assign("RadioGroup_separateur_colonne_ItemIndex", "3");  // "Virgule"
  ws.log.ajout_suivi("avant");
  EXPECT_EQ(pre_read("Date;T;H C\r\n2021-01-01 00:00:00;1;2\r\n"), PreReadOutcome::stop_and_reset);
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].text,
            "??? avec le séparateur de colonne => Virgule une seule colonne de détectée !!!        \n\n"
            "  vérifier le séparateur de colonne en Entrée\n\n"
            "  Aide : décompte de la ligne <intitulés d'origine>\n"
            "     0 tabulation(s)   \n     1 espace(s)\n     2 point-virgule(s)\n     0 virgule(s)\n\n"
            "  vérifier la liste des colonnes à extraire ci-dessous\n\n<Date;T;H C>");
  EXPECT_EQ(ui.boxes[0].buttons, kYes);
  const std::vector<std::string> report = {"avant",
                                           "",
                                           "??? avec le séparateur de colonne => Virgule une seule colonne "
                                           "de détectée !!!        ",
                                           "  vérifier le séparateur de colonne en Entrée",
                                           "  Aide : décompte de la ligne <intitulés d'origine>",
                                           "     0 tabulation(s)   ",
                                           "     1 espace(s)",
                                           "     2 point-virgule(s)",
                                           "     0 virgule(s)",
                                           "  vérifier la liste des colonnes à extraire ci-dessous",
                                           "<Date;T;H C>"};
  EXPECT_EQ(ws.log.lines(), report);
  EXPECT_EQ(ui.opened_in_editor, std::vector<std::string>{path});
}

TEST_F(PreReading, TwoDateColumnsCountAsColumnsButNotAsMeasurements) {
  ws.description.assign("RadioGroup_datetime_nb_col_ItemIndex", "1");
  ws.description.assign("Edit_format_date_mesure_seule.text", " aaaa_mm_jj ");
  ws.description.assign("Edit_format_time_mesure_seul.text", "hh_mn_ss");
  ASSERT_EQ(pre_read("Date;Heure;T\r\n2021/03/12;01:15:00;5\r\n2021/03/12;01:30:00;6\r\n"),
            PreReadOutcome::read);
  EXPECT_EQ(cell("date dep"), "12/03/2021 01:15:00");
  EXPECT_EQ(cell("date fin"), "12/03/2021 01:30:00");
  EXPECT_EQ(cell("nb Colonnes"), " 3");
  EXPECT_EQ(facts.measurement_columns, 1);
  EXPECT_EQ(facts.date_columns, 2);
}

// A file without its end marker (a logger that stopped writing) used to
// show "????" as its end, so that the default period silently left its
// data out: its end is now the last line that reads as a date.
TEST_F(PreReading, MissingEndMarkerTakesTheLastLineThatReadsAsADate) {
  ws.description.assign("RadioGroup_numlig_balise_ItemIndex", "1");
  ws.description.assign("Edit_balise_deb.text", "Date");
  ws.description.assign("Edit_balise_fin.text", "END");
  struct Case {
    const char* text;
    const char* end;
    const char* lines;
    const char* trace;
  };
  const Case cases[] = {
      {"Date;T\r\n2021-01-01 00:00:00;1\r\n2021-01-01 01:00:00;1\r\n", "01/01/2021 01:00:00", "2",
       "   sans balise de fin <END> : dernière date lue en ligne 3 : 01/01/2021 01:00:00"},
      // The last line cut short, then a line of noise.
      {"Date;T\r\n2021-01-01 00:00:00;1\r\n2021-01-01 01:00:00;1\r\n2021-01-01 02:0\r\n\x01\x02\r\n",
       "01/01/2021 01:00:00", "4",
       "   sans balise de fin <END> : dernière date lue en ligne 3 : 01/01/2021 01:00:00"},
      {"Date;T\r\nxx;1\r\n", "    ????", "1",
       "   sans balise de fin <END> : aucune date lue dans les dernières lignes"},
  };
  for (const Case& c : cases) {
    // A first date that does not read asks whether to stop: go on.
    if (c.end == std::string_view("    ????")) ui.answer(Answer::No);
    ws.log.clear();
    ASSERT_EQ(pre_read(c.text), PreReadOutcome::read) << c.text;
    EXPECT_EQ(cell("date fin"), c.end) << c.text;
    EXPECT_EQ(cell("n.données"), c.lines) << c.text;
    EXPECT_EQ(cell("correction"), "sans balise de fin") << c.text;
    EXPECT_TRUE(facts.end_marker_missing);
    EXPECT_EQ(ws.log.lines().back(), c.trace) << c.text;
  }
}

TEST_F(PreReading, EmptyFileIsShownWithoutDataAndAsksNothing) {
  EXPECT_EQ(pre_read(""), PreReadOutcome::empty_file);
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(ws.log.lines(), std::vector<std::string>{"fichier VIDE => " + path});
  EXPECT_EQ(cell("date dep"), "    ????");
  EXPECT_EQ(cell("n.données"), "0");
  EXPECT_EQ(cell("nb Colonnes"), " 0");
  EXPECT_EQ(table.facts(row), nullptr);
}

}  // namespace
}  // namespace talve
