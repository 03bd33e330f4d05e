// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/table_editing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "listing_fixture.h"
#include "session/listing.h"

namespace talve {
namespace {

class TableEditing : public ListingTest {
 protected:
  // Rows named f01..fNN, listed from disk.
  void list(int count) {
    for (int i = 1; i <= count; ++i)
      write_data(std::string("f") + (i < 10 ? "0" : "") + std::to_string(i) + ".csv");
    ASSERT_EQ(lister_tableau(session), ListingResult::completed);
    ui.boxes.clear();
  }
};

TEST_F(TableEditing, SelectedRowsAreRemovedAfterConfirmation) {
  list(10);
  session.file_table.ecrire_case(4, " x", "x");
  session.file_table.ecrire_case(7, " x", "x");
  session.table_state.checked_files = {"f04.csv", "f07.csv"};
  ui.answer(Answer::Yes);
  EXPECT_TRUE(effacer_selection(session, {3, 5}));
  EXPECT_EQ(ui.texts(), Texts{"effacer toutes les lignes sélectionnées ?\n  de la ligne 3  à la ligne 5"});
  EXPECT_EQ(ui.boxes[0].type, MessageType::Confirmation);
  EXPECT_EQ(ui.boxes[0].buttons, kYesNo);
  EXPECT_EQ(column("n"), (Texts{"1", "2", "6", "7", "8", "9", "10"}));
  EXPECT_TRUE(session.flags.table_edited);
  EXPECT_EQ(session.table_state.checked_files, Texts{"f07.csv"});
  EXPECT_EQ(ui.captions["Label_nb_fic"], "7  fichiers");
}

TEST_F(TableEditing, OneSelectedRowHasItsOwnQuestionAndNoKeepsIt) {
  list(3);
  ui.answer(Answer::No);
  EXPECT_FALSE(effacer_selection(session, {2, 2}));
  EXPECT_EQ(ui.texts(), Texts{"effacer la lignes sélectionnée  L2  ?\n"});
  EXPECT_EQ(session.file_table.file_row_count(), 3);
  EXPECT_FALSE(session.flags.table_edited);
}

TEST_F(TableEditing, SelectionOutsideTheRowsIsRefused) {
  list(3);
  ui.answer(Answer::Yes);
  EXPECT_FALSE(effacer_selection(session, {2, 7}));
  ASSERT_EQ(ui.boxes.size(), 2u);
  EXPECT_EQ(ui.boxes[1].text, "Invalid row range");
  EXPECT_EQ(ui.boxes[1].type, MessageType::Error);
  EXPECT_EQ(session.file_table.file_row_count(), 3);
  EXPECT_FALSE(session.flags.table_edited);
}

TEST_F(TableEditing, EmptyTableAsksNothing) {
  EXPECT_FALSE(effacer_selection(session, {1, 1}));
  EXPECT_FALSE(effacer_vers_le_bas(session, 1));
  EXPECT_EQ(effacer_hors_periode(session), 0);
  EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(TableEditing, UpwardsAndDownwards) {
  struct Case {
    bool upwards;
    int current;
    Texts left;
  };
  const Case cases[] = {
      {false, 1, {}},
      {false, 3, {"f01.csv", "f02.csv"}},
      {true, 3, {"f04.csv", "f05.csv"}},
      {true, 5, {}},  // titles only: no empty row is left to be taken for a file
  };
  list(5);
  for (const Case& c : cases) {
    ASSERT_EQ(reafficher_tableau_complet(session), ListingResult::completed);
    ui.boxes.clear();
    ui.answer(Answer::Yes);
    const bool removed =
        c.upwards ? effacer_vers_le_haut(session, c.current) : effacer_vers_le_bas(session, c.current);
    EXPECT_TRUE(removed);
    EXPECT_EQ(ui.texts(), Texts{c.upwards ? "effacer toutes les lignes vers le haut, courante comprise ?"
                                          : "effacer toutes les lignes vers le bas, courante comprise ?"});
    EXPECT_EQ(column("fichier"), c.left) << c.upwards << c.current;
  }
}

TEST_F(TableEditing, RowsOutsideThePeriodGo) {
  session.description.assign("Edit_f_date_fichier.text", "aaaammjj,2");
  for (const char* name : {"s_20201231.csv", "s_20211231.csv", "s_nodate.csv", "s_20220101.csv"})
    write_data(name);
  ASSERT_EQ(lister_tableau(session), ListingResult::completed);
  ui.boxes.clear();
  session.period.start_caption = "01/01/2021 06:00:00";
  session.period.end_caption = "31/12/2021 12:00:00";
  ui.answer(Answer::Yes);
  EXPECT_EQ(effacer_hors_periode(session), 2);
  EXPECT_EQ(ui.texts(), Texts{"effacer les lignes hors intervalle = période ciblée ?"});
  EXPECT_EQ(column("fichier"), (Texts{"s_20211231.csv", "s_nodate.csv"}));
  EXPECT_TRUE(session.flags.table_edited);
}

TEST_F(TableEditing, RowsOutsideThePeriodWithoutConfirmationOrRefused) {
  session.description.assign("Edit_f_date_fichier.text", "aaaammjj,2");
  for (const char* name : {"s_20201231.csv", "s_20210601.csv", "s_20210602.csv"}) write_data(name);
  ASSERT_EQ(lister_tableau(session), ListingResult::completed);
  ui.boxes.clear();
  session.period.start_caption = "01/01/2021 00:00:00";
  session.period.end_caption = "31/12/2021 00:00:00";
  ui.answer(Answer::No);
  EXPECT_EQ(effacer_hors_periode(session), 0);
  EXPECT_EQ(session.file_table.file_row_count(), 3);
  EXPECT_FALSE(session.flags.table_edited);
  EXPECT_EQ(ui.captions["Label_date_min"], "31/12/2020");  // refreshed all the same
  session.no_confirmation = true;
  EXPECT_EQ(effacer_hors_periode(session), 1);
  EXPECT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.captions["Label_date_min"], "01/06/2021");
}

TEST_F(TableEditing, DoubleClicksOnTheTitleOfNSortUpThenDown) {
  list(3);
  double_clic_tableau(session, 0, "n");
  EXPECT_EQ(column("n"), (Texts{"1", "2", "3"}));
  EXPECT_EQ(double_clic_tableau(session, 0, "n"), DoubleClickEffect::sorted);
  EXPECT_EQ(column("n"), (Texts{"3", "2", "1"}));
  EXPECT_EQ(session.file_table.facts(3)->first_line, 1);  // facts came along
  EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(TableEditing, SizeColumnSortsAsText) {
  list(3);
  session.file_table.ecrire_case(1, "taille (Mo)", " 10");
  session.file_table.ecrire_case(2, "taille (Mo)", " 9");
  session.file_table.ecrire_case(3, "taille (Mo)", " 1,5");
  double_clic_tableau(session, 0, "taille (Mo)");
  EXPECT_EQ(column("taille (Mo)"), (Texts{" 1,5", " 10", " 9"}));
}

TEST_F(TableEditing, CheckColumnTogglesOnFilesAndSortsTheOtherWayOnItsTitle) {
  list(3);
  EXPECT_EQ(double_clic_tableau(session, 2, " x"), DoubleClickEffect::toggled);
  EXPECT_EQ(session.table_state.checked_files, Texts{"f02.csv"});
  // The shared direction is ascending: " x" sorts descending ("x" first).
  EXPECT_EQ(double_clic_tableau(session, 0, " x"), DoubleClickEffect::sorted);
  EXPECT_EQ(column(" x"), (Texts{"x", "", ""}));
  EXPECT_FALSE(session.table_state.sort_ascending);
}

TEST_F(TableEditing, FileNameOpensTheFile) {
  list(2);
  EXPECT_EQ(double_clic_tableau(session, 2, "fichier"), DoubleClickEffect::opened);
  EXPECT_EQ(ui.opened_in_editor, Texts{data + "f02.csv"});
}

// A row's own first instant becomes the period start: the table does not
// move first, which would put another file's date under the mouse.
TEST_F(TableEditing, StartDateOfTheClickedRowBecomesThePeriodStartWithoutSorting) {
  session.description.assign("CheckBox_prelire_tous.Checked", "true");
  write_data("a.csv", "2021-02-01");
  write_data("b.csv", "2020-12-15");
  write_data("c.csv", "2021-01-10");
  ASSERT_EQ(lister_tableau(session), ListingResult::completed);
  session.grid.entries = {"_intitulés des colonnes", "x"};
  ui.answer(Answer::Yes);
  EXPECT_EQ(double_clic_tableau(session, 1, "date dep"), DoubleClickEffect::bound_offered);
  EXPECT_EQ(column("fichier"), (Texts{"a.csv", "b.csv", "c.csv"}));
  EXPECT_EQ(ui.texts(), Texts{" récupérer la date dep comme date min ?\n01/02/2021 00:00:00"});
  EXPECT_EQ(session.period.start_caption, "01/02/2021 00:00:00");
  EXPECT_EQ(ui.captions["Label_temps_deb"], "01/02/2021 00:00:00");
  EXPECT_TRUE(session.description.modified());
  EXPECT_TRUE(session.grid.empty());
  EXPECT_TRUE(session.period.changed);
  EXPECT_TRUE(session.table_state.sort_ascending);  // no sort took place
}

TEST_F(TableEditing, EndDateOfTheClickedRowOfferedAndRefused) {
  session.description.assign("CheckBox_prelire_tous.Checked", "true");
  write_data("a.csv", "2021-02-01");
  write_data("b.csv", "2020-12-15");
  ASSERT_EQ(lister_tableau(session), ListingResult::completed);
  const std::string end = session.period.end_caption;
  ui.answer(Answer::No);
  EXPECT_EQ(double_clic_tableau(session, 2, "date fin"), DoubleClickEffect::bound_offered);
  EXPECT_EQ(ui.texts(), Texts{" récupérer la date fin comme date max?\n15/12/2020 01:00:00"});
  EXPECT_EQ(session.period.end_caption, end);
  EXPECT_FALSE(session.description.modified());
  EXPECT_EQ(column("fichier"), (Texts{"a.csv", "b.csv"}));
}

// The titles of the two date columns sort by instant, both ways; the
// day-first texts would sort by day of the month as text, and not at all as
// numbers.
TEST_F(TableEditing, DateTitlesSortByInstantBothWays) {
  session.description.assign("CheckBox_prelire_tous.Checked", "true");
  write_data("a.csv", "2021-02-01");
  write_data("b.csv", "2020-12-15");
  write_data("c.csv", "2021-01-10");
  ASSERT_EQ(lister_tableau(session), ListingResult::completed);
  for (const char* title : {"date dep", "date fin"}) {
    SCOPED_TRACE(title);
    session.table_state.sort_ascending = true;
    EXPECT_EQ(double_clic_tableau(session, 0, title), DoubleClickEffect::sorted);
    EXPECT_EQ(column("fichier"), (Texts{"b.csv", "c.csv", "a.csv"}));
    EXPECT_EQ(double_clic_tableau(session, 0, title), DoubleClickEffect::sorted);
    EXPECT_EQ(column("fichier"), (Texts{"a.csv", "c.csv", "b.csv"}));
  }
  EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(TableEditing, DateNotReadIsNotOfferedAndTheColumnSorts) {
  list(3);  // only row 1 was pre-read; the others show " ---"
  EXPECT_EQ(double_clic_tableau(session, 2, "date dep"), DoubleClickEffect::sorted);
  EXPECT_EQ(column("fichier"), (Texts{"f02.csv", "f03.csv", "f01.csv"}));
  EXPECT_TRUE(ui.boxes.empty());
}

// While a listing or a run works on the table, the period and the grid,
// none of the gestures reaches them: no box, no change.
TEST_F(TableEditing, NothingIsEditedWhileALongTaskRuns) {
  session.description.assign("CheckBox_prelire_tous.Checked", "true");
  write_data("a.csv", "2021-02-01");
  write_data("b.csv", "2020-12-15");
  ASSERT_EQ(lister_tableau(session), ListingResult::completed);
  session.grid.entries = {"_intitulés des colonnes", "x"};
  const Texts files = column("fichier");
  const Texts marks = column(" x");
  const std::string start = session.period.start_caption;
  for (bool running : {false, true}) {
    session.flags.busy = !running;
    session.flags.running = running;
    EXPECT_FALSE(effacer_selection(session, {1, 1}));
    EXPECT_FALSE(effacer_vers_le_haut(session, 1));
    EXPECT_FALSE(effacer_vers_le_bas(session, 1));
    EXPECT_EQ(effacer_hors_periode(session), 0);
    for (const char* title : {"n", "date dep", " x", "fichier"})
      EXPECT_EQ(double_clic_tableau(session, 1, title), DoubleClickEffect::none) << title;
    EXPECT_EQ(double_clic_tableau(session, 0, "n"), DoubleClickEffect::none);
    clic_droit_tableau(session, 1, "Station");
  }
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_TRUE(ui.opened_in_editor.empty());
  EXPECT_EQ(column("fichier"), files);
  EXPECT_EQ(column(" x"), marks);
  EXPECT_FALSE(session.table_state.check_panel.open);
  EXPECT_EQ(session.period.start_caption, start);
  EXPECT_FALSE(session.grid.empty());
}

TEST_F(TableEditing, StationPanelChecksTheRowsOfTheClickedStation) {
  session.description.assign("Edit_f_station.text", "1");
  for (const char* name : {"S_1.csv", "T_1.csv", "S_2.csv", "T_2.csv"}) write_data(name);
  ASSERT_EQ(lister_tableau(session), ListingResult::completed);
  session.set_caption("Label1_graph", "Graphiques");
  // Rows: S_1, S_2, T_1, T_2.
  clic_droit_tableau(session, 2, "Station");
  EXPECT_TRUE(ui.visible["Panel_coche"]);
  EXPECT_EQ(ui.captions["RadioButton1"], "ne cocher que les <S>");
  EXPECT_EQ(ui.captions["RadioButton6"], "cocher toutes les lignes ");
  choisir_coche_station(session, StationChoice::only_station);
  EXPECT_EQ(column(" x"), (Texts{"x", "x", "", ""}));
  EXPECT_EQ(session.table_state.checked_files, (Texts{"S_1.csv", "S_2.csv"}));
  EXPECT_FALSE(ui.visible["Panel_coche"]);
  EXPECT_EQ(ui.captions["Label1_graph"], "Station S");

  // From the " x" column, the stations are still compared.
  clic_droit_tableau(session, 3, " x");
  EXPECT_EQ(ui.captions["RadioButton2"], "cocher les <T> en plus");
  choisir_coche_station(session, StationChoice::add_station);
  EXPECT_EQ(column(" x"), (Texts{"x", "x", "x", "x"}));
  EXPECT_EQ(ui.captions["Label1_graph"], "Station S+T");
}

TEST_F(TableEditing, SecondRightClickClosesThePanelAndOtherColumnsIgnoreIt) {
  list(2);
  clic_droit_tableau(session, 0, "fichier");
  EXPECT_FALSE(session.table_state.check_panel.open);
  clic_droit_tableau(session, 0, "Station");  // the title row names row 1's station
  EXPECT_EQ(session.table_state.check_panel.station, "f01");
  clic_droit_tableau(session, 1, "Station");
  EXPECT_FALSE(session.table_state.check_panel.open);
  EXPECT_FALSE(ui.visible["Panel_coche"]);
}

}  // namespace
}  // namespace talve
