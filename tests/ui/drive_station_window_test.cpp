// SPDX-License-Identifier: GPL-3.0-or-later
// The drive panel behind "Résumé des DSC", the station panel of the file
// table and the double-click on the description's name, on files the tests
// write.
#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <filesystem>

#include "files/check_marks.h"
#include "session/session.h"
#include "ui/panel_fixture.h"

namespace talve::testing {
namespace {

namespace fs = std::filesystem;

class DrivePanelWindow : public WindowTest {
 protected:
  // Two "disks", C and E, as folders of the temporary folder: C holds the
  // data, output and description folders, E only a data folder.
  void SetUp() override {
    c = dir.mkdir("C");
    e = dir.mkdir("E");
    dir.mkdir("C/data");
    dir.mkdir("C/out");
    dir.mkdir("E/data");
    desc = dir.mkdir("C/desc");
    station = write_description("station.dsc");
    write_description("autre.dsc");
  }
  std::string write_description(const std::string& name) {
    return dir.write("C/desc/" + name, "Edit_masque.text= csv\r\ndossier_choisi= " + c +
                                           "data/\r\ndossier_choisi_sortie= " + c +
                                           "out/\r\ndossier_description= " + desc + "\r\n");
  }
  QRect in_surface(const char* name) {
    QWidget* widget = find(name);
    return QRect(widget->mapTo(window->surface(), QPoint(0, 0)), widget->size());
  }
  QString report() { return find<QPlainTextEdit>("Memo8")->toPlainText(); }

  std::string c, e, desc, station;
};

// The summary reports the folders of every description of the folder and
// changes nothing; "Modifier" moves to the disk typed the folders that exist
// there.
TEST_F(DrivePanelWindow, SummaryThenRelocation) {
  open(station);
  window->session().drive_panel.mount_roots = {dir.path()};
  const std::string before = read_bytes(station);
  click("SpeedButton_change_hd");
  QWidget* panel = find("Panel_lecteur");
  ASSERT_TRUE(panel->isVisible());
  const QRect button = in_surface("SpeedButton_change_hd");
  EXPECT_EQ(panel->geometry(), QRect(button.left(), button.bottom() + 1 + 5, panel->width(), 712));
  EXPECT_EQ(find<QLabel>("Label64")->text().toStdString(), desc);
  auto* drive = find<QLineEdit>("Edit_lecteur");
  EXPECT_EQ(drive->text().toStdString(), c);
  EXPECT_TRUE(report().startsWith(
      QString::fromStdString(desc + "autre.dsc\n" + desc + "station.dsc\n\nautre.dsc\n  " + c + "data/\n")))
      << report().toStdString();
  EXPECT_EQ(read_bytes(station), before);

  // The disk typed is completed when the field is confirmed.
  drive->setFocus();
  drive->selectAll();
  QTest::keyClicks(drive, QString::fromStdString(e.substr(0, e.size() - 1)));
  QTest::keyClick(drive, Qt::Key_Return);
  EXPECT_EQ(drive->text().toStdString(), e);

  answers.box(
      " Confimation du changement de lecteur dans les fichiers DSC  (" + QString::fromStdString(e) + ")  ",
      "Oui");
  click("SpeedButton_modifier");
  ASSERT_TRUE(answers.idle());
  const std::string moved = read_bytes(station);
  EXPECT_NE(moved.find("dossier_choisi= " + e + "data/\r\n"), std::string::npos) << moved;
  EXPECT_NE(moved.find("dossier_choisi_sortie= " + c + "out/\r\n"), std::string::npos) << moved;
  EXPECT_TRUE(report().contains(QString::fromStdString("  échec  " + c + "out/=>" + e + "out/")));
  EXPECT_TRUE(report().contains(" mise à jour des 2 fichiers de description, 2 modif. avec le lecteur "));
  EXPECT_EQ(find<QLabel>("Label_repertoire")->text().toStdString(), e + "data/");

  // The test again: the files as they now stand.
  click("Label_test_existence");
  EXPECT_TRUE(report().contains(QString::fromStdString("\n  " + e + "data/\n")));
  EXPECT_FALSE(report().contains("mise à jour"));
  click("SpeedButton_fermer_lecteur");
  EXPECT_FALSE(panel->isVisible());
  EXPECT_FALSE(window->session().drive_panel.shown);
}

TEST_F(DrivePanelWindow, WithoutADescriptionFolderTheChooserOpensForIt) {
  open();
  answers.box(" D'abord choisir un répertoire des fichiers de description \n", "OK");
  click("SpeedButton_change_hd");
  ASSERT_TRUE(answers.idle());
  EXPECT_FALSE(find("Panel_lecteur")->isVisible());
  EXPECT_TRUE(find("Panel_dir")->isVisible());
  EXPECT_EQ(caption_colour(find("SpeedButton_choix_rep_desc")), QColor(255, 0, 0));
}

class StationPanelWindow : public PanelTest {
 protected:
  // Two stations, alpha and beta, named by the files.
  void SetUp() override {
    PanelTest::SetUp();
    fs::rename(data + "kervel_20240301.csv", data + "alpha_20240301.csv");
    fs::rename(data + "kervel_20240302.csv", data + "beta_20240302.csv");
    fs::rename(data + "kervel_20240303.csv", data + "alpha_20240303.csv");
  }
  // A right click, as the mouse gives it, on a cell (row from 1) or on a
  // title (row 0).
  void right_click(int row, std::string_view title) {
    auto* table = find<QTableView>("StringGrid1");
    const auto& columns = FileTable::columns();
    int column = 0;
    while (columns[static_cast<std::size_t>(column)].title != title) ++column;
    table->scrollTo(table->model()->index(std::max(row - 1, 0), column));
    QWidget* target = table->viewport();
    QPoint at;
    if (row == 0) {
      target = table->horizontalHeader()->viewport();
      at = QPoint(table->horizontalHeader()->sectionViewportPosition(column) + 5, 5);
    } else {
      at = table->visualRect(table->model()->index(row - 1, column)).center();
    }
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
    QApplication::sendEvent(target, &event);
  }
  std::string marks() {
    std::string text;
    const FileTable& table = window->session().file_table;
    for (int row = 1; row <= table.file_row_count(); ++row) text += is_checked(table, row) ? 'x' : '.';
    return text;
  }
};

TEST_F(StationPanelWindow, EachChoiceChecksTheRowsOfItsStation) {
  open(description);
  click("SpeedButton_lister");
  const FileTable& table = window->session().file_table;
  ASSERT_EQ(table.file_row_count(), 3);
  ASSERT_EQ(table.lire_case(3, "Station"), "beta");
  QWidget* panel = find("Panel_coche");
  const struct {
    int row;
    std::string_view column;
    const char* choice;
    const char* caption;  // of the choice, naming the clicked row's station
    const char* marks;    // alpha, alpha, beta
    const char* chart_title;
  } steps[] = {{3, "Station", "RadioButton1", "ne cocher que les <beta>", "..x", "Station beta"},
               {1, "Station", "RadioButton2", "cocher les <alpha> en plus", "xxx", "Station beta+alpha"},
               {3, " x", "RadioButton5", "décocher juste les  <beta>", "xx.", "Graphiques"},
               {2, "Station", "RadioButton4", "décocher toutes les lignes", "...", "Graphiques"},
               {0, " x", "RadioButton6", "cocher toutes les lignes ", "xxx", "Graphiques"}};
  for (const auto& step : steps) {
    SCOPED_TRACE(step.choice);
    right_click(step.row, step.column);
    ASSERT_TRUE(panel->isVisible());
    const int left =
        step.column == "Station"
            ? 88
            : find("CheckBox_sans_confirmation")->mapTo(window->surface(), QPoint(0, 0)).x() - 40;
    EXPECT_EQ(panel->x(), left);
    for (QRadioButton* choice : panel->findChildren<QRadioButton*>()) EXPECT_FALSE(choice->isChecked());
    EXPECT_EQ(find<QRadioButton>(step.choice)->text().toStdString(), step.caption);
    click_radio(step.choice);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(marks(), step.marks);
    EXPECT_EQ(window->session().caption("Label1_graph"), step.chart_title);
  }

  // A second right click closes the panel, and so does "esc".
  right_click(1, "Station");
  right_click(1, "Station");
  EXPECT_FALSE(panel->isVisible());
  right_click(1, " x");
  click("SpeedButton9");
  EXPECT_FALSE(panel->isVisible());
  EXPECT_FALSE(window->session().table_state.check_panel.open);
  // Other columns have no panel.
  right_click(1, "fichier");
  EXPECT_FALSE(panel->isVisible());
  EXPECT_EQ(marks(), "xxx");
}

// A double-click on the description's name opens its file in the editor.
TEST_F(StationPanelWindow, DoubleClickOnTheDescriptionNameEditsIt) {
  open();
  answers.box(" Aucun fichier de description ", "OK");
  double_click("Label_description_bd");
  ASSERT_TRUE(answers.idle());
  EXPECT_TRUE(edited().empty());
  close_window();

  open(description);
  double_click("Label_description_bd");
  ASSERT_TRUE(wait_for_edits(1));
  EXPECT_EQ(edited(), std::vector<std::string>{description});
}

}  // namespace
}  // namespace talve::testing
