// SPDX-License-Identifier: GPL-3.0-or-later
// The window's own rules on the real window: the modified indication, the
// controls of each input mode, Escape and quitting, the start-up questions.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "core/input_mode_controls.h"
#include "core/parameter_file.h"
#include "core/program_folder.h"
#include "core/working_files.h"
#include "session/session.h"
#include "text/encoding.h"
#include "ui/window_fixture.h"

namespace talve::testing {
namespace {

class WindowRules : public WindowTest {
 protected:
  std::string write_description(const std::string& name, const std::string& mask) {
    return dir.write(name, "dossier_choisi= " + dir.path() + "\r\ndossier_choisi_sortie= " + dir.path() +
                               "\r\nEdit_masque.text= " + mask + "\r\n");
  }
  bool red(const char* button) { return caption_colour(find(button)) == QColor(Qt::red); }
};

TEST_F(WindowRules, AModifiedDescriptionTurnsItsSaveButtonRedUntilSaved) {
  open(write_description("station.dsc", "csv"));
  EXPECT_FALSE(red("SpeedButton_Enregistrer_dsc"));
  QTest::keyClicks(find<QLineEdit>("Edit_masque"), "v");
  EXPECT_TRUE(window->session().description.modified());
  // A description folder is chosen: "Enregistrer" tells it.
  EXPECT_TRUE(red("SpeedButton_Enregistrer_dsc"));
  EXPECT_FALSE(red("SpeedButton_enreg_description"));
  answers.box(" Enregistrer les modifications de la description de données  ", "Oui");
  click("SpeedButton_Enregistrer_dsc");
  EXPECT_FALSE(window->session().description.modified());
  EXPECT_FALSE(red("SpeedButton_Enregistrer_dsc"));
  EXPECT_NE(read_bytes(dir.file("station.dsc")).find("Edit_masque.text= csvv\r\n"), std::string::npos);
}

// Screen readers and automation tools find each control by its accessible
// name: every command, setting and list has one.
TEST_F(WindowRules, EveryControlHasAnAccessibleName) {
  open();
  QStringList unnamed;
  int controls = 0;
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    const bool control = qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget) ||
                         qobject_cast<QAbstractSpinBox*>(widget) || qobject_cast<QComboBox*>(widget) ||
                         qobject_cast<QAbstractItemView*>(widget) || qobject_cast<QPlainTextEdit*>(widget);
    // A picker's own field and a view's inner parts belong to their owner.
    if (!control || widget->objectName().isEmpty() || qobject_cast<QAbstractSpinBox*>(widget->parentWidget()))
      continue;
    ++controls;
    if (widget->accessibleName().trimmed().isEmpty()) unnamed << widget->objectName();
  }
  EXPECT_GT(controls, 150);
  EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(", ").toStdString();
}

// A 1920 x 1080 screen holds the whole window with its frame, title bar and
// a desktop panel.
TEST_F(WindowRules, TheWindowFitsAFullHdScreen) {
  open();
  EXPECT_LE(window->minimumSizeHint().width(), 1900);
  EXPECT_LE(window->minimumSizeHint().height(), 980);
}

TEST_F(WindowRules, EachInputModeShowsItsOwnControls) {
  const struct {
    const char* mask;
    InputMode mode;
    const char* listing;
  } cases[] = {{"csv", InputMode::Files, "1- Valider et Lister les fichiers   csv"},
               {"xls", InputMode::Spreadsheet, "1- Valider le fichier xls"},
               {"ppp", InputMode::Clipboard, "1- Valider le presse-papier"}};
  // A description of the clipboard reads the clipboard again.
  QApplication::clipboard()->setText("date\tv\n01/01/2024 00:00:00\t1\n");
  for (const auto& c : cases) {
    open(write_description(std::string(c.mask) + ".dsc", c.mask));
    if (c.mode == InputMode::Clipboard) {
      EXPECT_EQ(read_bytes(program_file("~presse-papier.ppp")), "date;v\r\n01/01/2024 00:00:00;1\r\n");
    }
    for (const InputModeRow& row : input_mode_rows()) {
      QWidget* control = find(std::string(row.control).c_str());
      ASSERT_NE(control, nullptr) << row.control;
      EXPECT_EQ(!control->isHidden(), shown_in_mode(row, c.mode)) << c.mask << " " << row.control;
    }
    auto* listing = find<QAbstractButton>("SpeedButton_lister");
    EXPECT_EQ(listing->text().toStdString(), c.listing);
    EXPECT_EQ(listing->toolTip().toStdString(), cp1252_to_utf8(listing_hint(c.mode)));
    close_window();
  }
}

TEST_F(WindowRules, EscapeAsksBeforeQuittingAndQuitsOnYes) {
  open();
  std::ofstream(program_file("~tmp.txt")) << "travail";
  answers.box("Quitter  ?", "Non");
  QTest::keyClick(window.get(), Qt::Key_Escape);
  ASSERT_TRUE(answers.idle());
  EXPECT_TRUE(window->isVisible());
  answers.box("Quitter  ?", "Oui");
  QTest::keyClick(window.get(), Qt::Key_Escape);
  ASSERT_TRUE(answers.idle());
  EXPECT_FALSE(window->isVisible());
  EXPECT_FALSE(std::filesystem::exists(program_file("~tmp.txt")));
}

TEST_F(WindowRules, EscapeClosesABoxOrAFloatingPanelWithoutQuitting) {
  open();
  // Escape in the box answers it (as Cancel here) and goes no further.
  answers.box(" Créer une nouvelle liste de dates régulières ?", "Escape");
  click("SpeedButton_creer_listes_date_clean");
  ASSERT_TRUE(answers.idle());
  EXPECT_TRUE(window->session().grid.empty());
  // Escape in the tracking window (shown since the start-up) closes it;
  // "fenêtre de suivi" brings it back.
  QWidget* tracking = find("Panel1");
  ASSERT_TRUE(tracking->isVisible());
  QTest::keyClick(find<QPlainTextEdit>("Memo5"), Qt::Key_Escape);
  EXPECT_FALSE(tracking->isVisible());
  EXPECT_TRUE(window->isVisible());
  click("Panel_button_suivi");
  EXPECT_TRUE(tracking->isVisible());
  EXPECT_EQ(answers.texts.size(), 1);
}

// Enter in a field that shapes the listing, once the description changed,
// lists the files; Delete removes the selected rows, which a listing started
// so no longer brings back.
TEST_F(WindowRules, EnterListsTheFilesAndDeleteRemovesTheSelectedRows) {
  open(copy_demo("demo"));
  Session& session = window->session();
  auto* table = find<QTableView>("StringGrid1");
  auto* decimals = find<QLineEdit>("Edit_nb_decimale");
  const auto confirm_new_decimals = [&](const char* typed) {
    decimals->setFocus();
    decimals->selectAll();
    QTest::keyClicks(decimals, typed);
    QTest::keyClick(decimals, Qt::Key_Return);
  };
  ASSERT_EQ(table->model()->rowCount(), 0);
  confirm_new_decimals("3");
  const int listed = session.file_table.file_row_count();
  ASSERT_GE(listed, 3);
  EXPECT_EQ(table->model()->rowCount(), listed);

  table->setFocus();
  table->selectionModel()->select(QItemSelection(table->model()->index(1, 0), table->model()->index(2, 0)),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
  answers.box("effacer toutes les lignes sélectionnées ?\n  de la ligne 2  à la ligne 3", "Oui");
  QTest::keyClick(table, Qt::Key_Delete);
  ASSERT_TRUE(answers.idle());
  EXPECT_EQ(table->model()->rowCount(), listed - 2);
  confirm_new_decimals("4");
  EXPECT_EQ(table->model()->rowCount(), listed - 2);
}

TEST_F(WindowRules, StartUpOffersTheLastDescriptionUnlessOneIsGiven) {
  const std::string last = write_description("derniere.dsc", "txt");
  const std::string given = write_description("donnee.dsc", "dat");
  ASSERT_TRUE(record_renamed_description(last));
  const struct {
    const char* name;
    std::string argument;
    const char* answer;  // to "utiliser la dernière description utilisée ?", nullptr when not asked
    const char* shown;
  } cases[] = {{"refused", "", "Non", "fichier de description de données"},
               {"accepted", "", "Oui", "derniere.dsc"},
               {"given on the command line", given, nullptr, "donnee.dsc"}};
  for (const auto& c : cases) {
    if (c.answer) answers.box("utiliser la dernière description utilisée ?", c.answer);
    open(c.argument);
    EXPECT_TRUE(answers.idle()) << c.name;
    EXPECT_EQ(answers.texts.size(), c.answer ? 1 : 0) << c.name;
    EXPECT_EQ(find<QLabel>("Label_description_bd")->text().toStdString(), c.shown) << c.name;
    answers.texts.clear();
    close_window();
  }
}

TEST_F(WindowRules, AMissingLastDescriptionIsToldAndForgotten) {
  ASSERT_TRUE(record_renamed_description(dir.file("partie.dsc")));
  answers.box(" n'existe pas ", "OK");
  open();
  EXPECT_TRUE(answers.idle());
  EXPECT_FALSE(window->session().description.is_current());
}

}  // namespace
}  // namespace talve::testing
