// SPDX-License-Identifier: GPL-3.0-or-later
// The help that follows the mouse and the frames of the five zones, through
// the real window and the mouse.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTest>
#include <fstream>

#include "listed_window.h"
#include "session/session.h"
#include "ui/help_entries.h"

namespace talve::testing {
namespace {

class FloatingHelpTest : public ListedWindow {
 protected:
  QPlainTextEdit* area() { return find<QPlainTextEdit>("Memo2"); }
  QPlainTextEdit* box() { return find<QPlainTextEdit>("Memo3"); }
  // The mouse comes onto a control (at `at`, its centre by default).
  void hover(QWidget* control, QPoint at = {}) {
    // Twice: the platform hands a move over with the next one.
    for (int i = 0; i < 2; ++i) {
      QTest::mouseMove(control, at.isNull() ? control->rect().center() : at);
      QApplication::processEvents();
    }
  }
  void hover(const char* name) { hover(find<QWidget>(name)); }
  void check_floating_help() {
    auto* check = find<QAbstractButton>("CheckBox_aide_flottante");
    if (!check->isChecked()) QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
  }
  static QStringList blocks(QPlainTextEdit* edit) { return edit->toPlainText().split('\n'); }
};

// The lines an entry shows: up to its last line, at least two.
QStringList shown(const std::array<const char*, 6>& lines) {
  QStringList texts;
  for (const char* line : lines) texts << QString::fromUtf8(line ? line : "");
  while (texts.size() > 2 && texts.back().isEmpty()) texts.removeLast();
  return texts;
}

// Every control an entry names shows that entry when the mouse comes onto
// it, disabled ones included ("éditer =>" before any result); a control
// named twice shows the first entry naming it.
TEST_F(FloatingHelpTest, EveryBoundControlShowsItsEntry) {
  open_and_list();
  ASSERT_FALSE(find<QWidget>("SpeedButton_edit")->isEnabled());
  QSet<QString> seen;
  int hovered = 0;
  for (const ui::HelpEntry& entry : ui::help_entries()) {
    for (const QString& name : QString::fromLatin1(entry.controls).split(' ', Qt::SkipEmptyParts)) {
      if (seen.contains(name)) continue;
      seen.insert(name);
      auto* control = window->surface()->findChild<QWidget*>(name);
      ASSERT_NE(control, nullptr) << name.toStdString();
      // Panels and fields of another input mode are not under the mouse.
      if (!control->isVisibleTo(window.get()) || control->visibleRegion().isEmpty()) continue;
      // Its top left corner: a group's title, not the controls it holds.
      hover(control, QPoint(3, 3));
      EXPECT_EQ(blocks(area()), shown(entry.lines)) << name.toStdString();
      ++hovered;
    }
  }
  EXPECT_GE(hovered, 150);
}

// The texts the window's users know, byte for byte.
TEST_F(FloatingHelpTest, QuotedEntriesReadAsWritten) {
  open();
  const struct {
    const char* control;
    QStringList lines;
  } cases[] = {
      {"Edit_equiv_na",
       {"9-   équivalences successives des valeurs NA séparées par des point-virgules", " ",
        "          pas plus que 7 équivalences", "     ex:  NA;-1;-99999;-99999.000;-99990.0 "}},
      {"Edit_NA",
       {"10-   valeur à utiliser pour NA", "      V ou v = vide      E ou e = espace",
        "                            un espace sera représenté par une valeur nulle",
        "                     note:  Excel nécessite #N/A ou un VIDE pour les graphiques "}},
      {"Edit_nom_fic_sortie",
       {"8-   Nom du fichier de sortie sans l'extention qui sera par défaut *.txt",
        "      - la présence d'un \"#\" sera remplacé par la durée du traitement ",
        "      - un deuxième fichier avec l'extension \".txt.TXT\" est généré, il contient la liste des "
        "fichiers traités",
        "      - pour incrémenter les fichiers, cocher à côté => ",
        "      - la présence d'un \"§\" sera remplacé par la période ciblée et le nombre de résultats "}},
      {"RadioButton3_methode",
       {"24-  méthode de traitement des n mesures correspondant à chaque date horodatée et interpolation "
        "éventuelle (cas 5) ",
        "   1- moyenne,       2- ponctuel,       3- max,         4- min ", "   6- cumul ",
        "   5- moy ET si vide = prec+suiv /2 ( pour ne combler que les \"mono-lacune\" ) "}},
      {"CheckBox_car_null",
       {"30-  les lignes contenant des caractères illisibles seront ignorées mais répertoriées dans le "
        "fichier "
        "de suivi ",
        "     code ASCII autorisés : 32 à 255, 9(Tab), 10(LF), 13(CR)",
        "   remarque :  le test de la présence des NULL(0) est réalisé quelquesoit ce choix",
        "     code ASCII interdits : 0..31 sauf 9, 10, 13"}},
      {"SpeedButton_fin",
       {"19-  Ces deux dates Debut et Fin (Min et Max) sont récupérables par clik ci-dessus parmi les 6 "
        "dates",
        "", "  Affiner les deux dates et l'heure au clavier ou avec les boutons "}},
  };
  for (const auto& c : cases) {
    hover(c.control);
    EXPECT_EQ(blocks(area()), c.lines) << c.control;
    EXPECT_EQ(area()->font().pointSize(), 10);
  }
  // The examples of file names in 8 points.
  hover("Edit_f_date_fichier");
  EXPECT_TRUE(area()->toPlainText().startsWith("5-   date (aaaa/mm/jj)"));
  EXPECT_EQ(area()->font().pointSize(), 8);
}

// The FileTable explains the column under the mouse; over a file's name
// its hint is that name.
TEST_F(FloatingHelpTest, FileTableExplainsTheColumnUnderTheMouse) {
  open_and_list();
  QTableView* view = table();
  const QString header_line =
      "      ====>  un double-clik sur un intitulé de colonne => tri croissant / décroissant";
  const auto over_cell = [&](const char* title) {
    const QModelIndex index = view->model()->index(0, column_index(title));
    view->scrollTo(index);
    hover(view->viewport(), view->visualRect(index).center());
    return blocks(area());
  };
  EXPECT_EQ(
      over_cell("Station"),
      QStringList({" éventuellement extraite du nom du fichier ",
                   "   =>  un clik droit permet de cocher/décocher un sous-ensemble en fonction du nom de la "
                   "\"Station\""}));
  EXPECT_EQ(over_cell("date dep"),
            QStringList({" date minimale dans chaque fichier ",
                         "un double-click permet de la récupérer comme date de début"}));
  const QString name = view->model()->index(0, column_index("fichier")).data().toString().trimmed();
  EXPECT_EQ(over_cell("fichier"),
            QStringList({"       un double-clik pour éditer le fichier", header_line, "     " + name}));
  EXPECT_EQ(view->toolTip(), name);
  EXPECT_EQ(over_cell("n.extraites"),
            QStringList({" nombre de données untilisées de ce fichier ", header_line}));
  QHeaderView* header = view->horizontalHeader();
  hover(header->viewport(),
        QPoint(header->sectionViewportPosition(column_index("n.extraites")) + 5, header->height() / 2));
  EXPECT_EQ(blocks(area()), QStringList({"", header_line}));
  EXPECT_NE(view->toolTip(), name);
}

// Moving within one entry's controls writes nothing; the floating box
// follows its size and place rules.
TEST_F(FloatingHelpTest, FloatingBoxSizeAndPlace) {
  open();
  EXPECT_FALSE(box()->isVisible());
  hover("Label_min_na");
  const int revision = area()->document()->revision();
  ASSERT_TRUE(area()->toPlainText().startsWith("64-"));
  hover("Edit_max_na");
  EXPECT_EQ(area()->document()->revision(), revision);
  EXPECT_FALSE(box()->isVisible());

  check_floating_help();
  EXPECT_TRUE(box()->isVisible());
  EXPECT_TRUE(window->session().description.modified());
  // One line: two lines shown, the second empty, in a box 45 pixels high,
  // the entry's number hidden.
  hover("CheckBox_recursif");
  EXPECT_EQ(blocks(box()), QStringList({"  -  avec sous-dossiers : les fichiers des sous-dossiers du "
                                        "répertoire de données sont aussi listés",
                                        ""}));
  EXPECT_EQ(box()->height(), 45);
  const QPoint mouse = find<QWidget>("CheckBox_recursif")
                           ->mapTo(window->surface(), find<QWidget>("CheckBox_recursif")->rect().center());
  EXPECT_EQ(box()->x(), mouse.x());
  EXPECT_EQ(box()->y(), mouse.y() + 20);
  // Near the right edge the box ends 20 pixels before it.
  auto* exit = find<QWidget>("SpeedButton_exit2");
  hover(exit, QPoint(exit->width() - 2, exit->height() / 2));
  EXPECT_EQ(box()->geometry().right() + 1, window->surface()->width() - 20);
  // Entry 19 sits above the period zone, at the top of "Tableau (date_NOM)".
  hover("SpeedButton_deb");
  EXPECT_EQ(box()->y(), find<QWidget>("Label_tableau_date_nom")->mapTo(window->surface(), QPoint(0, 0)).y());
  EXPECT_TRUE(blocks(box()).front().startsWith("  -  Ces deux dates"));
  // Unchecked, the box goes and the help area still follows.
  auto* check = find<QAbstractButton>("CheckBox_aide_flottante");
  QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
  EXPECT_FALSE(box()->isVisible());
  hover("SpeedButton_stop");
  EXPECT_FALSE(box()->isVisible());
  EXPECT_TRUE(area()->toPlainText().startsWith("35-"));
}

// A description read with "aide flottante" checked shows the box.
TEST_F(FloatingHelpTest, ReadingADescriptionAppliesTheFloatingHelpSetting) {
  std::ofstream(description, std::ios::binary | std::ios::app) << "CheckBox_aide_flottante.Checked= true\r\n";
  open(description);
  EXPECT_TRUE(find<QAbstractButton>("CheckBox_aide_flottante")->isChecked());
  EXPECT_TRUE(box()->isVisible());
  hover("SpeedButton_stop");
  EXPECT_TRUE(box()->toPlainText().startsWith("  -  stop"));
}

// "?+" frames the zones with their titles; any key let go hides them and
// does nothing else: Escape asks nothing, Delete removes no row.
TEST_F(FloatingHelpTest, OverlayHidesOnAnyKeyAndDoesNothingElse) {
  open_and_list();
  const auto panels_shown = [this] {
    int count = 0;
    for (QWidget* w : window->surface()->findChildren<QWidget*>())
      if ((w->objectName().contains("_cadre_") || w->objectName().endsWith("_titre") ||
           w->objectName() == "Zone_periode_note") &&
          w->isVisible())
        ++count;
    return count;
  };
  click("SpeedButton_help22");
  EXPECT_EQ(panels_shown(), 26);
  auto* title = find<QLabel>("Zone_listage_titre");
  EXPECT_EQ(title->text(), "2- Listage des fichiers impliqués");
  // The frame of zone 2 is the file list's group box as it lies now.
  const QWidget* zone = find<QWidget>("Zone_listage");
  EXPECT_EQ(find<QWidget>("Zone_listage_cadre_1")->geometry().topLeft(),
            zone->mapTo(window->surface(), QPoint(0, 0)));
  QTest::keyClick(window->surface(), Qt::Key_Escape);
  QTest::qWait(50);
  EXPECT_EQ(panels_shown(), 0);
  EXPECT_TRUE(answers.texts.isEmpty());
  EXPECT_TRUE(window->isVisible());

  select_rows(1, 1);
  table()->setFocus();
  click("SpeedButton_help2");
  EXPECT_EQ(panels_shown(), 20);
  QTest::keyClick(table(), Qt::Key_Delete);
  QTest::qWait(50);
  EXPECT_EQ(panels_shown(), 0);
  EXPECT_EQ(window->session().file_table.file_row_count(), 4);
  EXPECT_TRUE(answers.texts.isEmpty());
  // A second click on the button hides it too.
  click("SpeedButton_help22");
  click("SpeedButton_help22");
  EXPECT_EQ(panels_shown(), 0);
}

}  // namespace
}  // namespace talve::testing
