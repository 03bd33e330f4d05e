// SPDX-License-Identifier: GPL-3.0-or-later
// The column and date checks of the pre-reading: the blank separator, the
// alternative titles and the first date.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/pre_read_columns.h"
#include "pre_reading_fixture.h"

namespace talve {
namespace {

constexpr int kBlank = 1;

class BlankSeparator : public PreReading {
 protected:
  void SetUp() override {
    PreReading::SetUp();
    ws.description.assign("RadioGroup_separateur_colonne_ItemIndex", std::to_string(kBlank));
    ws.description.assign("RadioGroup_datetime_nb_col_ItemIndex", "1");
    ws.description.assign("Edit_format_date_mesure_seule.text", "aaaa_mm_jj");
    ws.description.assign("Edit_format_time_mesure_seul.text", "hh_mn_ss");
  }

  static constexpr const char* kMismatch = "Date Heure  Temp C  Hum %\r\n2021/01/01 10:00:00 12.5\r\n";
  static std::string question() {
    return "1- Valider et LISTER\n\nAvec le séparateur Espace\n"
           "le nombre de colonnes détectées entre intitulé et données est différent\n\n"
           "nb col (intitulé) = 4\nDate Heure Temp_C Hum_%\nnb col (données)  = 3\n"
           "2021/01/01 10:00:00 12.5\n\n la ligne d'intitulés corrigée suivante contient 4 colonnes\n"
           "Date,Heure,Temp_C,Hum_%\n\n Juste stopper le traitement ===> ( Ok )\n\n"
           " Stopper le traitement et utiliser la ligne corrigée alternative => (Oui)";
  }
};

TEST_F(BlankSeparator, AlignedTitlesMatchingTheDataAreRead) {
  ASSERT_EQ(pre_read("Date       Heure     Temp C\r\n2021/01/01 10:00:00 12.5\r\n"), PreReadOutcome::read);
  EXPECT_EQ(facts.measurement_columns, 1);
  EXPECT_EQ(facts.titles_tab, "Date\tHeure\tTemp_C");
  EXPECT_EQ(cell("date dep"), "01/01/2021 10:00:00");
  EXPECT_EQ(ws.log.lines(), (std::vector<std::string>{"nb col (intitulé) = 3", "nb col (données)  = 3"}));
}

TEST_F(BlankSeparator, CountMismatchJustStops) {
  ui.answer(Answer::Ok);
  EXPECT_EQ(pre_read(kMismatch), PreReadOutcome::stop_and_reset);
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].text, question());
  EXPECT_EQ(ui.boxes[0].type, MessageType::Warning);
  EXPECT_EQ(ui.boxes[0].buttons, kYes | kOk);
  EXPECT_FALSE(ws.description.checked("CheckBox_int_col_alternatif.Checked"));
  EXPECT_FALSE(ws.description.modified());
}

TEST_F(BlankSeparator, CountMismatchYesUsesTheCorrectedTitles) {
  ui.answer(Answer::Yes);
  EXPECT_EQ(pre_read(kMismatch), PreReadOutcome::stop_and_reset);
  EXPECT_EQ(ui.boxes.size(), 1u);
  EXPECT_TRUE(ws.description.checked("CheckBox_int_col_alternatif.Checked"));
  EXPECT_EQ(ws.description.text("Edit_new_desc_colonne.text"), "Date,Heure,Temp_C,Hum_%");
  EXPECT_TRUE(ws.description.modified());
}

TEST_F(BlankSeparator, OtherAlternativeTitlesAreOnlyOverwrittenOnConfirmation) {
  ws.description.assign("Edit_new_desc_colonne.text", "d,h,t");
  ui.answer(Answer::Yes).answer(Answer::No);
  EXPECT_EQ(pre_read(kMismatch), PreReadOutcome::stop_and_reset);
  ASSERT_EQ(ui.boxes.size(), 2u);
  EXPECT_EQ(ui.boxes[1].text,
            "1- Valider et LISTER\n\n     écraser les intitulés originaux contenant 4 colonnes\nd,h,t\n\n"
            "     avec la correction contenant 4 colonnes\nDate,Heure,Temp_C,Hum_%\n\n"
            "     ce qui serait en accord avec les 3 de colonnes de données  => (Oui)");
  EXPECT_EQ(ui.boxes[1].type, MessageType::Confirmation);
  EXPECT_EQ(ui.boxes[1].buttons, kYesNo);
  EXPECT_EQ(ws.description.text("Edit_new_desc_colonne.text"), "d,h,t");
  EXPECT_FALSE(ws.description.checked("CheckBox_int_col_alternatif.Checked"));
}

TEST_F(BlankSeparator, TabSeparatedFileListedWithBlanksStopsOnTheCount) {
  ui.answer(Answer::Ok);
  EXPECT_EQ(pre_read("Date\tTemp\tHum\r\n2021/01/01 10:00:00\t1\t2\r\n"), PreReadOutcome::stop_and_reset);
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_TRUE(ui.boxes[0].text.starts_with("1- Valider et LISTER\n\nAvec le séparateur Espace\n"))
      << ui.boxes[0].text;
}

TEST_F(BlankSeparator, AlternativeTitlesAreComparedWithTheConvertedTitles) {
  ws.description.assign("CheckBox_int_col_alternatif.Checked", "true");
  ws.description.assign("Edit_new_desc_colonne.text", "Jour, Heure");
  EXPECT_EQ(pre_read("Date Heure Temp\r\n2021/01/01 10:00:00 12.5\r\n"), PreReadOutcome::stop);
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].text,
            " le nombre de colonnes alternatives (2) est différent\n\n du nombre original (3)\n\n"
            "Jour\tHeure\n\nDate,Heure,Temp\n\n => vérifier la similitude . . .\n\n"
            "   ou effacer les intitulés alternatifs\n\n   ou le séparateur (Espace)");
  EXPECT_EQ(ui.boxes[0].type, MessageType::Error);
  EXPECT_EQ(ui.opened_in_editor, std::vector<std::string>{path});
}

TEST_F(PreReading, AlternativeTitlesOfTheRightCountBecomeTheTitles) {
  ws.description.assign("CheckBox_int_col_alternatif.Checked", "true");
  ws.description.assign("Edit_new_desc_colonne.text", "\"Instant\";Temp,Hum");
  ASSERT_EQ(pre_read("Date;T;H\r\n2021-01-01 00:00:00;1;2\r\n"), PreReadOutcome::read);
  EXPECT_EQ(facts.titles_tab, "Instant\tTemp\tHum");
  EXPECT_EQ(facts.measurement_columns, 2);
  EXPECT_EQ(ui.captions["Edit_intitule_origine"], "Date;T;H");
}

TEST_F(PreReading, AlternativeTitlesOfAnotherCountStopTheListing) {
  ws.description.assign("CheckBox_int_col_alternatif.Checked", "true");
  ws.description.assign("Edit_new_desc_colonne.text", "a,b");
  EXPECT_EQ(pre_read("Date;T;H\r\n2021-01-01 00:00:00;1;2\r\n"), PreReadOutcome::stop);
  EXPECT_EQ(ui.texts(),
            std::vector<std::string>{" le nombre de colonnes alternatives (2) est différent\n\n"
                                     " du nombre original (3)\n\n => vérifier la similitude ...\n\n"
                                     "   ou effacer les intitulés alternatifs\n\n"
                                     "   ou le séparateur (Point-virgule)"});
}

TEST_F(PreReading, AlternativeTitlesAlsoNameGeneratedColumns) {
  no_titles();
  ws.description.assign("Edit_num_ligne_donnee.text", "1");
  ws.description.assign("CheckBox_int_col_alternatif.Checked", "true");
  ws.description.assign("Edit_new_desc_colonne.text", "t,a,b");
  ASSERT_EQ(pre_read("2021-01-01 00:00:00;1;2\r\n"), PreReadOutcome::read);
  EXPECT_EQ(facts.titles_tab, "t\ta\tb");
  EXPECT_EQ(ui.captions["Edit_intitule_origine"], "A1\tB2\tC3");
}

// --- first date

constexpr const char* kDateQuestionTail =
    "\n\nProblème de date : vérifier les paramètres de la colonne Date/Heure et son format \n\n"
    "1ères données en ligne 2 ? : 12:00:00;5.2\n\n Ouvrir le fichier et annuler le traitement ?";

TEST_F(PreReading, FirstDateWithoutEnoughDigitsIsQuestioned) {
  ui.answer(Answer::Yes);
  EXPECT_EQ(pre_read("Heure;T\r\n12:00:00;5.2\r\n"), PreReadOutcome::stop);
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].text, std::string("-- Date de la 1ère mesure <>\n\naaaa_mm_jj_hh_mn_ss\n"
                                          "12:00:00 en colonne 1") +
                                  kDateQuestionTail);
  EXPECT_EQ(ui.boxes[0].type, MessageType::Warning);
  EXPECT_EQ(ui.boxes[0].buttons, kYesNo);
  EXPECT_EQ(ui.opened_in_editor, std::vector<std::string>{path});
}

TEST_F(PreReading, FirstDateQuestionDeclinedKeepsTheFileWithUnknownDates) {
  ui.answer(Answer::No);
  EXPECT_EQ(pre_read("Heure;T\r\n12:00:00;5.2\r\n"), PreReadOutcome::read);
  EXPECT_EQ(cell("date dep"), "    ????");
  EXPECT_EQ(cell("date fin"), "    ????");
  EXPECT_EQ(facts.first, 0);
}

TEST_F(PreReading, EmptyDateFieldIsQuestionedToo) {
  // A date column number past the fields gives an empty value: the file
  // has no date, which the user is told rather than seeing "??".
  ws.description.assign("Edit_num_col_datetime.text", "5");
  ui.answer(Answer::No);
  EXPECT_EQ(pre_read("Date;T\r\n2021-01-01 00:00:00;1\r\n"), PreReadOutcome::read);
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_TRUE(
      ui.boxes[0].text.starts_with("-- Date de la 1ère mesure <?\?>\n\naaaa_mm_jj_hh_mn_ss\n en colonne 5"));
  EXPECT_EQ(cell("date dep"), "    ????");
}

TEST_F(PreReading, TwoDigitYearValueGetsTheShortYearPatternProposed) {
  ui.answer(Answer::Yes);
  EXPECT_EQ(pre_read("Date;T\r\n21/13/45-10:00:00;1\r\n"), PreReadOutcome::stop);
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].text,
            "Problème de date de mesure vide\n\nformat actuel :\naaaa_mm_jj_hh_mn_ss\n"
            "21/13/45-10:00:00 en colonne 1\n\nformat proposé :\n20aa/mm/jj-hh:mn:ss   => (Oui)\n\n"
            "annuler le traitement => (Annuler)");
  EXPECT_EQ(ui.boxes[0].buttons, kYesCancel);
  EXPECT_EQ(ws.description.text("Edit_format_datetime_mesure.text"), "20aa/mm/jj-hh:mn:ss");
}

TEST_F(PreReading, ShortYearProposalCancelledStopsUnchanged) {
  ui.answer(Answer::Cancel);
  EXPECT_EQ(pre_read("Date;T\r\n21/13/45-10:00:00;1\r\n"), PreReadOutcome::stop);
  EXPECT_EQ(ws.description.text("Edit_format_datetime_mesure.text"), "aaaa_mm_jj_hh_mn_ss");
}

// --- helpers

TEST(ColumnCounting, SeparatorsOfALine) {
  struct Case {
    const char* line;
    char split;
    int expected;
  };
  const Case cases[] = {
      {"a;b;;c", ';', 3}, {"  10.5    20.1 ", ' ', 1},  // runs of blanks are one separator, ends do not count
      {"a b c", ' ', 2},  {"", ' ', 0},
      {"a,b", ';', 0},
  };
  for (const Case& c : cases) EXPECT_EQ(separators_in(c.line, c.split), c.expected) << c.line;
}

}  // namespace
}  // namespace talve
