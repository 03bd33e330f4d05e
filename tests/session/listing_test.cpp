// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/listing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "engine/grid_build.h"
#include "engine/grid_target.h"
#include "files/check_marks.h"
#include "listing_fixture.h"
#include "session/listing_sources.h"
#include "session/processing_run.h"

namespace talve {
namespace {

bool has_line(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST_F(ListingTest, OneMatchingFileIsListedAndPreRead) {
  write_data("a.csv");
  session.set_caption("Label54", "1");
  EXPECT_EQ(lister_click(session), ListingResult::completed);
  EXPECT_EQ(ui.captions["SpeedButton_lister"], "1- Valider et Lister les fichiers   csv");
  ASSERT_EQ(session.file_table.file_row_count(), 1);
  EXPECT_EQ(cell(1, "n"), "1");
  EXPECT_EQ(cell(1, "fichier"), "a.csv");
  EXPECT_EQ(cell(1, "Station"), "a");
  EXPECT_EQ(cell(1, "date dep"), "01/01/2021 00:00:00");
  EXPECT_EQ(cell(1, "date fin"), "01/01/2021 01:00:00");
  EXPECT_EQ(cell(1, "n.données"), "2");
  EXPECT_EQ(ui.captions["Label_nb_fic"], "1 fichiers");
  EXPECT_EQ(ui.captions["Label_nom_de_fichier"], "a");  // the name as the date rule cuts it
  EXPECT_EQ(ui.captions["Label_date_heure_min"], "01/01/2021");
  EXPECT_EQ(ui.captions["Label_date_heure_max"], "01/01/2021 01:00:00");
  EXPECT_EQ(ui.captions["Label_patienter"], " --- ");
  const auto& log = session.log.lines();
  EXPECT_TRUE(has_line(log, "       --> Lire le fichier"));
  EXPECT_TRUE(has_line(log, "t0 = 08:30:00"));
  EXPECT_TRUE(has_line(log, "1  a.csv -> "));
  EXPECT_EQ(session.table_state.pre_read_since_listing, 1);
  EXPECT_EQ(session.table_state.last_loaded.size(), 3u);
  EXPECT_FALSE(session.flags.busy);
}

TEST_F(ListingTest, ManyFilesToPreReadAskFirst) {
  session.description.assign("CheckBox_prelire_tous.Checked", "true");
  session.set_caption("Label54", "120");
  session.file_table.add_row();
  session.file_table.ecrire_case(1, "fichier", "old.csv");
  ui.answer(Answer::Cancel);
  EXPECT_EQ(lister_click(session), ListingResult::not_run);
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].text,
            " le nombre de fichiers à pré-lire est supérieur à 100 (120)\n\n"
            " => très long car <Pré lecture de tous les fichiers> \n\n  Continuer ?");
  EXPECT_EQ(ui.boxes[0].type, MessageType::Confirmation);
  EXPECT_EQ(ui.boxes[0].buttons, kYesCancel);
  EXPECT_EQ(column("fichier"), Texts{"old.csv"});
}

TEST_F(ListingTest, ClickNeedsTheFileCountShown) {
  write_data("a.csv");
  session.set_caption("Label54", "---");
  EXPECT_EQ(lister_click(session), ListingResult::not_run);
  EXPECT_EQ(session.file_table.file_row_count(), 0);
}

// The window shows the table through a model, which costs the rows on
// screen however many are added: the table stays in view while it fills.
TEST_F(ListingTest, LargeFolderWithoutPreReadingKeepsTheTableShownAndReadsOnlyTheFirstCheckedFile) {
  for (int i = 0; i < 200; ++i) write_data("f" + std::to_string(1000 + i) + ".csv");
  EXPECT_EQ(lister_tableau(session), ListingResult::completed);
  EXPECT_EQ(ui.visible.count("StringGrid1"), 0u);
  EXPECT_EQ(ui.visible.count("Panel3"), 0u);
  ASSERT_EQ(session.file_table.file_row_count(), 200);
  EXPECT_EQ(cell(1, "date dep"), "01/01/2021 00:00:00");
  for (int row = 2; row <= 200; ++row) {
    for (const char* title : {"date dep", "date fin", "n.données", "nb Colonnes", "n°Lig intitulés"})
      ASSERT_EQ(cell(row, title), " ---") << row << title;
  }
  EXPECT_EQ(session.file_table.facts(2), nullptr);
  EXPECT_EQ(ui.captions["Label_nb_fic"], "200 fichiers");
  EXPECT_EQ(ui.process_events_calls, 200);
}

TEST_F(ListingTest, ChecksComeBackOnTheSameFilesAfterAListing) {
  for (const char* name : {"a.csv", "b.csv", "d.csv"}) write_data(name);
  session.set_caption("Label54", "3");
  ASSERT_EQ(lister_click(session), ListingResult::completed);
  session.file_table.ecrire_case(2, " x", "x");
  session.file_table.ecrire_case(3, " x", "x");
  session.table_state.checked_files = checked_file_names(session.file_table);
  write_data("a0.csv");  // sorts in second: the rows move
  write_data("c.csv");
  ASSERT_EQ(lister_click(session), ListingResult::completed);
  EXPECT_EQ(column("fichier"), (Texts{"a.csv", "a0.csv", "b.csv", "c.csv", "d.csv"}));
  EXPECT_EQ(column(" x"), (Texts{"", "", "x", "", "x"}));
  // The first checked file is pre-read though pre-reading of all is off;
  // row 1 was still the first checked row when it was made.
  EXPECT_EQ(session.table_state.first_checked_row, 3);
  EXPECT_EQ(column("date dep"),
            (Texts{"01/01/2021 00:00:00", " ---", "01/01/2021 00:00:00", " ---", " ---"}));
}

TEST_F(ListingTest, PreReadingAllWithChecksReadsTheCheckedFilesByName) {
  for (const char* name : {"a.csv", "b.csv", "c.csv"}) write_data(name);
  session.description.assign("CheckBox_prelire_tous.Checked", "true");
  ASSERT_EQ(lister_tableau(session), ListingResult::completed);
  session.file_table.ecrire_case(3, " x", "x");
  session.table_state.checked_files = checked_file_names(session.file_table);
  write_data("0.csv");  // moves c.csv to row 4: pre-reading follows the name
  ASSERT_EQ(lister_tableau(session), ListingResult::completed);
  EXPECT_EQ(column("fichier"), (Texts{"0.csv", "a.csv", "b.csv", "c.csv"}));
  // Row 1 is the first checked row until c.csv is met.
  EXPECT_EQ(column("date dep"), (Texts{"01/01/2021 00:00:00", " ---", " ---", "01/01/2021 00:00:00"}));
  EXPECT_EQ(session.table_state.first_checked_row, 4);
}

TEST_F(ListingTest, NoMatchingFileIsToldAndTheOldTableDropped) {
  dir.write("data/a.txt", "x");
  session.file_table.add_row();
  EXPECT_EQ(lister_tableau(session), ListingResult::no_file);
  EXPECT_EQ(ui.texts(), Texts{"aucun fichier ne correspond au filtre <csv>\n\n dans " + data});
  EXPECT_EQ(ui.captions["Label_nb_fic"], "0 fichier");
  EXPECT_EQ(session.file_table.row_count(), 1);
}

TEST_F(ListingTest, StopButtonEndsAfterTheCurrentFileAndStillShowsTotals) {
  for (const char* name : {"a.csv", "b.csv", "c.csv"}) write_data(name);
  ui.on_process_events = [&](int) { session.flags.stop = true; };
  EXPECT_EQ(lister_tableau(session), ListingResult::stopped);
  EXPECT_EQ(column("fichier"), Texts{"a.csv"});
  EXPECT_EQ(ui.captions["Label_patienter"], " --- ");
  EXPECT_EQ(ui.captions["Label_nb_fic"], "3 fichiers");
  // The next listing clears the flag again.
  ui.on_process_events = nullptr;
  EXPECT_EQ(lister_tableau(session), ListingResult::completed);
  EXPECT_EQ(session.file_table.file_row_count(), 3);
}

TEST_F(ListingTest, NoListingWhileAnotherLongTaskRuns) {
  write_data("a.csv");
  session.flags.busy = true;
  EXPECT_EQ(lister_tableau(session), ListingResult::not_run);
  session.set_caption("Label54", "1");
  EXPECT_EQ(lister_click(session), ListingResult::not_run);
  EXPECT_EQ(session.file_table.file_row_count(), 0);
  EXPECT_TRUE(session.flags.busy);
}

// The window lets events run after each file: a click on "1", "2" or "3"
// then must not start another task in the middle of the listing.
TEST_F(ListingTest, NothingElseStartsWhileAListingLetsEventsThrough) {
  for (const char* name : {"a.csv", "b.csv", "c.csv"}) write_data(name);
  session.period.start_caption = "01/01/2021 00:00:00";
  session.period.end_caption = "01/01/2021 02:00:00";
  session.period.step_time = 1.0 / 24;
  session.period.step_kind = StepKind::Time;
  int tried = 0;
  bool inside = false;  // a task started from here lets events run too
  ui.on_process_events = [&](int) {
    if (inside) return;
    inside = true;
    ++tried;
    EXPECT_TRUE(session.flags.busy);
    EXPECT_EQ(lister_tableau(session), ListingResult::not_run);
    EXPECT_EQ(traiter_fichier_click(session), RunOutcome::NotStarted);
    GridTarget target{session, session.grid, session.result_list, 0.0};
    EXPECT_EQ(create_grid(target).outcome, GridOutcome::Abandoned);
    inside = false;
  };
  EXPECT_EQ(lister_tableau(session), ListingResult::completed);
  EXPECT_GE(tried, 3);
  EXPECT_EQ(column("fichier"), (Texts{"a.csv", "b.csv", "c.csv"}));
  EXPECT_TRUE(session.grid.empty());
  EXPECT_FALSE(session.flags.busy);
}

TEST_F(ListingTest, EditedTableSurvivesIndirectListingsButNotTheButton) {
  write_data("a.csv");
  write_data("b.csv");
  ASSERT_EQ(lister_tableau(session), ListingResult::completed);
  session.file_table.erase_rows(1, 1);
  session.flags.table_edited = true;
  EXPECT_EQ(lister_tableau(session), ListingResult::not_run);
  session.description.mark_modified();
  EXPECT_EQ(relister_apres_entree(session), 2);  // counted, the table left alone
  EXPECT_EQ(column("fichier"), Texts{"b.csv"});
  EXPECT_EQ(reafficher_tableau_complet(session), ListingResult::completed);
  EXPECT_FALSE(session.flags.table_edited);
  EXPECT_EQ(column("fichier"), (Texts{"a.csv", "b.csv"}));
}

TEST_F(ListingTest, EnterInAModifiedDescriptionRebuildsTheTable) {
  write_data("a.csv");
  EXPECT_EQ(relister_apres_entree(session), -1);  // not modified: nothing runs
  EXPECT_EQ(session.file_table.file_row_count(), 0);
  session.description.set_text("Edit_f_station.text", "ST");
  EXPECT_EQ(relister_apres_entree(session), 1);
  EXPECT_EQ(column("Station"), Texts{"ST"});
  EXPECT_EQ(ui.captions["Label54"], "1");
}

TEST_F(ListingTest, CorrectedTitleChoiceListsAgain) {
  dir.write("data/a.csv", "2021-01-01 00:00:00;1.5;2.5;3\r\n2021-01-01 01:00:00;1.5;2.5;4\r\n");
  session.description.assign("Edit_num_ligne_intitule_col.text", "1");
  ui.answer(Answer::Cancel);  // the digits question: keep going
  ui.answer(Answer::Yes);     // the date-characters question: no titles, list again
  EXPECT_EQ(lister_tableau(session), ListingResult::completed);
  EXPECT_EQ(ui.boxes.size(), 2u);
  EXPECT_EQ(session.description.choice("RadioGroup_avec_sans_intitule_ItemIndex"), 1);
  EXPECT_EQ(cell(1, "date dep"), "01/01/2021 00:00:00");
  EXPECT_EQ(cell(1, "n.données"), "2");
  EXPECT_EQ(session.file_table.facts(1)->titles_tab, "A1\tB2\tC3\tD4");
}

TEST_F(ListingTest, SingleColumnResetsTheTable) {
  write_data("a.csv");
  session.description.assign("RadioGroup_separateur_colonne_ItemIndex", "3");
  EXPECT_EQ(lister_tableau(session), ListingResult::stopped);
  EXPECT_EQ(session.file_table.row_count(), 1);
  EXPECT_EQ(ui.opened_in_editor, Texts{data + "a.csv"});
}

TEST_F(ListingTest, CheckStopKeepsTheRowsMadeSoFar) {
  write_data("a.csv");
  dir.write("data/b.csv", "Date;T\r\n12:00:00;1\r\n");
  session.description.assign("CheckBox_prelire_tous.Checked", "true");
  ui.answer(Answer::Yes);  // open the file and stop
  EXPECT_EQ(lister_tableau(session), ListingResult::stopped);
  EXPECT_EQ(column("fichier"), (Texts{"a.csv", "b.csv"}));
  EXPECT_EQ(ui.opened_in_editor, Texts{data + "b.csv"});
}

TEST_F(ListingTest, EmptyFileDoesNotStopTheListing) {
  session.description.assign("CheckBox_prelire_tous.Checked", "true");
  write_data("a.csv");
  dir.write("data/b.csv", "");
  write_data("c.csv");
  EXPECT_EQ(lister_tableau(session), ListingResult::completed);
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(column("date dep"), (Texts{"01/01/2021 00:00:00", "    ????", "01/01/2021 00:00:00"}));
  EXPECT_EQ(session.table_state.pre_read_since_listing, 2);
}

TEST_F(ListingTest, StationReadInsideEveryFile) {
  dir.write("data/a.csv", "Date;T\r\n2021-01-01 00:00:00;1\r\n");
  dir.write("data/b.csv", "Date;Nord\r\n2021-01-01 00:00:00;1\r\n");
  session.description.assign("Edit_f_station.text", "ligne 1, colonne 2, point-virgule");
  ASSERT_EQ(lister_tableau(session), ListingResult::completed);
  EXPECT_EQ(column("Station"), (Texts{"T", "Nord"}));
  EXPECT_EQ(column("date dep"), (Texts{"01/01/2021 00:00:00", " ---"}));
}

TEST_F(ListingTest, SubfolderFilesAreListedWithTheirFolder) {
  session.description.assign("CheckBox_recursif.Checked", "true");
  dir.mkdir("data/2021/janv");
  write_data("2021/janv/a.csv");
  ASSERT_EQ(lister_tableau(session), ListingResult::completed);
  EXPECT_EQ(column("s/répertoire"), Texts{"2021/janv/"});
  EXPECT_EQ(cell(1, "date dep"), "01/01/2021 00:00:00");
  EXPECT_EQ(row_file_path(session, 1), data + "2021/janv/a.csv");
}

TEST_F(ListingTest, SizesDatesAndBoundsOfTheListing) {
  session.description.assign("Edit_f_date_fichier.text", "aaaammjj,2");
  session.description.assign("CheckBox_prelire_tous.Checked", "true");
  write_data("st_20210110.csv", "2021-01-10", 3);
  write_data("st_20210105.csv", "2021-01-05", 24);
  dir.write("data/st_20210120.csv", std::string(512 * 1024, ' '));  // 0,5 Mo, not readable
  session.file_table.add_row();
  session.file_table.ecrire_case(1, " x", "x");  // only the first two are pre-read
  session.file_table.add_row();
  session.file_table.ecrire_case(2, " x", "x");
  session.file_table.ecrire_case(1, "fichier", "st_20210105.csv");
  session.file_table.ecrire_case(2, "fichier", "st_20210110.csv");
  EXPECT_EQ(lister_tableau(session), ListingResult::completed);
  EXPECT_EQ(column("date_NOM_Fichier"), (Texts{"2021/01/05", "2021/01/10", "2021/01/20"}));
  EXPECT_EQ(column("taille (Mo)"), (Texts{" 0", " 0", " 0,51"}));
  EXPECT_EQ(ui.captions["Label_date_heure_min"], "05/01/2021");
  EXPECT_EQ(ui.captions["Label_date_heure_max"], "10/01/2021 02:00:00");
  // The last pre-read file sets the bounds, then the next file-name date
  // raises the end.
  EXPECT_EQ(ui.captions["Label_date_min"], "10/01/2021");
  EXPECT_EQ(ui.captions["Label_date_max"], "20/01/2021");
  EXPECT_EQ(session.table_state.bounds.min_colour, LabelColour::Blue);
  EXPECT_EQ(session.table_state.bounds.max_colour, LabelColour::Blue);
  EXPECT_EQ(ui.captions["Label8"], "taille totale 0,51 Mo");
  EXPECT_EQ(ui.captions["Label10"], "Total 0,51 Mo");
}

TEST_F(ListingTest, WithoutAnyPreReadTheBoundsStayRed) {
  write_data("a.csv");
  session.table_state.first_checked_row = 5;  // no row is read
  ASSERT_EQ(lister_tableau(session), ListingResult::completed);
  EXPECT_EQ(ui.captions["Label_date_heure_min"], "15/03/2024 08:30:00");
  EXPECT_EQ(ui.captions["Label_date_heure_max"], "01/01/1900");
  EXPECT_EQ(session.table_state.bounds.min_colour, LabelColour::Red);
  EXPECT_EQ(session.table_state.bounds.max_colour, LabelColour::Red);
  EXPECT_EQ(session.table_state.pre_read_since_listing, 0);
}

TEST_F(ListingTest, ClipboardFileIsTheOnlyFile) {
  session.flags.input_mode = InputMode::Clipboard;
  session.description.assign("Edit_masque.text", "ppp");
  std::ofstream(clipboard_file_path(), std::ios::binary)
      << "Date;T\r\n2021-01-01 00:00:00;1\r\n2021-01-01 01:00:00;2\r\n2021-01-01 02:00:00;2\r\n";
  EXPECT_EQ(lister_click(session), ListingResult::completed);
  EXPECT_EQ(ui.captions["SpeedButton_lister"], "1- Valider le presse-papier");
  EXPECT_EQ(column("fichier"), Texts{"~presse-papier.ppp"});
  EXPECT_EQ(column("Station"), Texts{""});
  EXPECT_EQ(cell(1, "date fin"), "01/01/2021 02:00:00");
  EXPECT_TRUE(
      has_line(session.log.lines(), "       --> Lire le presse-papier <" + clipboard_file_path() + ">"));
}

}  // namespace
}  // namespace talve
