// SPDX-License-Identifier: GPL-3.0-or-later
// The FileTable as a user shapes it in the real window: the removal
// buttons, the double-clicks on titles and cells, and the colours of a
// selected row on screen.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QDateEdit>
#include <QImage>
#include <QLabel>
#include <QTest>

#include "core/parameter_colours.h"
#include "listed_window.h"
#include "session/session.h"

namespace talve::testing {
namespace {

using Names = std::vector<std::string>;

class FileTableGesturesWindow : public ListedWindow {};

TEST_F(FileTableGesturesWindow, EachRemovalButtonAsksThenRemovesItsRows) {
  const struct {
    const char* name;
    const char* button;
    int first, last;  // model rows selected (first is the current row)
    bool no_confirmation;
    const char* question;  // nullptr: none
    const char* answer;
    Names left;
  } cases[] = {
      {"selection",
       "SpeedButton_effacer_selection",
       1,
       2,
       false,
       "effacer toutes les lignes sélectionnées ?\n  de la ligne 2  à la ligne 3",
       "Oui",
       {"p_20211231.csv", "s_20210601.csv"}},
      {"one row kept",
       "SpeedButton_effacer_selection",
       1,
       1,
       false,
       "effacer la lignes sélectionnée  L2  ?",
       "Non",
       {"p_20211231.csv", "q_20201231.csv", "r_20220101.csv", "s_20210601.csv"}},
      {"upwards",
       "SpeedButton_effacer_vers_le_haut",
       1,
       1,
       false,
       "effacer toutes les lignes vers le haut, courante comprise ?",
       "Oui",
       {"r_20220101.csv", "s_20210601.csv"}},
      {"downwards",
       "SpeedButton_effacer_vers_le_bas",
       2,
       2,
       false,
       "effacer toutes les lignes vers le bas, courante comprise ?",
       "Oui",
       {"p_20211231.csv", "q_20201231.csv"}},
      {"outside the period",
       "SpeedButton_effacer_ligne_hors_intervalle",
       0,
       0,
       false,
       "effacer les lignes hors intervalle = période ciblée ?",
       "Oui",
       {"p_20211231.csv", "s_20210601.csv"}},
      {"outside the period, no confirmation",
       "SpeedButton_effacer_ligne_hors_intervalle",
       0,
       0,
       true,
       nullptr,
       nullptr,
       {"p_20211231.csv", "s_20210601.csv"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    open_and_list();
    if (c.no_confirmation) find<QCheckBox>("CheckBox_sans_confirmation")->setChecked(true);
    select_rows(c.first, c.last);
    if (c.question) answers.box(QString::fromUtf8(c.question), c.answer);
    click(c.button);
    EXPECT_TRUE(answers.idle());
    EXPECT_EQ(answers.texts.size(), c.question ? 1 : 0);
    EXPECT_EQ(column("fichier"), c.left);
    const bool removed = c.left.size() < 4;
    EXPECT_EQ(window->session().flags.table_edited, removed);
    EXPECT_EQ(find<QLabel>("Label_nb_fic")->text().toStdString(),
              std::to_string(c.left.size()) + "  fichiers");
    answers.texts.clear();
    close_window();
  }
}

// "réaf tableau complet" brings back the rows removed by hand.
TEST_F(FileTableGesturesWindow, FullRelistingBringsBackTheRemovedRows) {
  open_and_list();
  select_rows(0, 2);
  answers.box("effacer toutes les lignes sélectionnées ?", "Oui");
  click("SpeedButton_effacer_selection");
  ASSERT_EQ(column("fichier").size(), 1u);
  click("SpeedButton6");
  EXPECT_EQ(column("fichier").size(), 4u);
  EXPECT_FALSE(window->session().flags.table_edited);
}

// Each double-click on a title sorts by that column's kind of key, in the
// direction shared by all columns, which turns after every sort; " x"
// takes the other one.
TEST_F(FileTableGesturesWindow, TitlesSortByTheirKeyBothWays) {
  open_and_list();
  EXPECT_TRUE(table()->toolTip().contains("double-clic : sur un intitulé, tri de la colonne"));
  double_click_cell(1, " x");  // q is checked
  const struct {
    const char* title;
    Names order;
  } steps[] = {
      {"date dep", {"q_20201231.csv", "s_20210601.csv", "p_20211231.csv", "r_20220101.csv"}},
      {"date dep", {"r_20220101.csv", "p_20211231.csv", "s_20210601.csv", "q_20201231.csv"}},
      {"n", {"p_20211231.csv", "q_20201231.csv", "r_20220101.csv", "s_20210601.csv"}},
      {"date_NOM_Fichier", {"r_20220101.csv", "p_20211231.csv", "s_20210601.csv", "q_20201231.csv"}},
      {"fichier", {"p_20211231.csv", "q_20201231.csv", "r_20220101.csv", "s_20210601.csv"}},
      {"date fin", {"r_20220101.csv", "p_20211231.csv", "s_20210601.csv", "q_20201231.csv"}},
  };
  for (const auto& step : steps) {
    double_click_title(step.title);
    EXPECT_EQ(column("fichier"), step.order) << step.title;
  }
  // The shared direction is ascending again: the marks sort descending.
  double_click_title(" x");
  EXPECT_EQ(column(" x"), (Names{"x", "", "", ""}));
  EXPECT_EQ(column("fichier").front(), "q_20201231.csv");
  EXPECT_TRUE(answers.texts.isEmpty());
}

// The table's hint tells the gestures this test makes.
TEST_F(FileTableGesturesWindow, CellDoubleClicksToggleOpenAndOfferTheRowsOwnDate) {
  open_and_list();
  const QString hint = table()->toolTip();
  for (const char* told : {"sur « x », coche ou décoche", "sur « fichier », le fichier dans l'éditeur",
                           "sur « date dep » ou « date fin », cette date comme début ou fin de la période"})
    EXPECT_TRUE(hint.contains(QString::fromUtf8(told))) << told;
  Session& session = window->session();
  double_click_cell(2, " x");
  EXPECT_EQ(column(" x"), (Names{"", "", "x", ""}));
  EXPECT_EQ(session.table_state.checked_files, Names{"r_20220101.csv"});
  double_click_cell(2, " x");
  EXPECT_TRUE(session.table_state.checked_files.empty());

  double_click_cell(3, "fichier");
  ASSERT_TRUE(wait_for([this] { return !opened_files().empty(); }, 5));
  EXPECT_EQ(opened_files(), Names{data + "s_20210601.csv"});

  // The clicked row's own first date, the table left as it is.
  answers.box(" récupérer la date dep comme date min ?\n01/06/2021 00:00:00", "Oui");
  double_click_cell(3, "date dep");
  ASSERT_TRUE(answers.idle());
  EXPECT_EQ(find<QLabel>("Label_temps_deb")->text().toStdString(), "01/06/2021 00:00:00");
  EXPECT_EQ(find<QDateEdit>("DatePicker_deb")->date(), QDate(2021, 6, 1));
  EXPECT_EQ(column("fichier").back(), "s_20210601.csv");
  answers.box(" récupérer la date fin comme date max?\n31/12/2020 01:00:00", "Non");
  double_click_cell(1, "date fin");
  ASSERT_TRUE(answers.idle());
  EXPECT_EQ(find<QLabel>("Label_temps_fin")->text().toStdString(), "31/12/2021 00:00:00");
}

// A selected row is painted in the table's selection colours: its dates on
// the field colour, its other cells on the button colour; the rows around
// it keep theirs.
TEST_F(FileTableGesturesWindow, SelectedRowsAreDrawnInTheSelectionColours) {
  open_and_list();
  select_rows(1, 1);
  QTableView* view = table();
  QApplication::processEvents();
  const QImage shot = view->viewport()->grab().toImage();
  const auto paper = [&](int row, const char* title) {
    const QRect cell = view->visualRect(view->model()->index(row, column_index(title)));
    return QColor(shot.pixel(cell.right() - 2, cell.center().y()));
  };
  const SchemeColours& scheme = window->session().colours;
  const auto rgb = [](const Rgb& c) { return QColor(c.red, c.green, c.blue); };
  EXPECT_EQ(paper(1, "date dep"), rgb(scheme.field));
  EXPECT_EQ(paper(1, "s/répertoire"), rgb(scheme.panel));
  EXPECT_EQ(paper(1, "Station"), rgb(scheme.panel));
  EXPECT_EQ(paper(0, "date dep"), rgb(scheme.number));
  EXPECT_EQ(paper(0, "n"), rgb(scheme.background));
  EXPECT_EQ(paper(2, "fichier"), rgb(scheme.field));
}

}  // namespace
}  // namespace talve::testing
