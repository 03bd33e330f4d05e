// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a user meets it, on the points where it used to let them
// down: the tracking window covering commands, a pasted mask, a pattern
// warned twice, labels and zones moving, a small screen, the keys acting
// on their press, the previous description's rows, the program's own
// results listed as data, the result buttons before any result, and the
// pickers that took one section at a time.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimeEdit>
#include <algorithm>
#include <fstream>
#include <map>

#include "core/period_file.h"
#include "listed_window.h"
#include "session/session.h"
#include "text/encoding.h"

namespace talve::testing {
namespace {

class LooseEnds : public ListedWindow {
 protected:
  // The commands a user may need at any time: buttons, check boxes and
  // radio buttons, fields, pickers, lists to choose from. The floating
  // panels are left out (they come over the zones when asked for).
  std::vector<QWidget*> commands() {
    std::vector<QWidget*> found;
    for (QWidget* widget : window->surface()->findChildren<QWidget*>()) {
      if (widget->objectName().isEmpty() || !widget->isVisibleTo(window->surface())) continue;
      if (inside_floating_panel(widget)) continue;
      const auto* edit = qobject_cast<QLineEdit*>(widget);
      const bool own_field =
          edit && !edit->isReadOnly() && !qobject_cast<QAbstractSpinBox*>(widget->parentWidget());
      const bool command = qobject_cast<QAbstractButton*>(widget) || own_field ||
                           (qobject_cast<QAbstractSpinBox*>(widget) &&
                            !qobject_cast<QAbstractSpinBox*>(widget->parentWidget())) ||
                           qobject_cast<QComboBox*>(widget);
      if (command) found.push_back(widget);
    }
    return found;
  }
  // The zones are the surface's "Zone_" children; its other children float.
  bool inside_floating_panel(const QWidget* widget) const {
    for (const QWidget* w = widget; w && w != window->surface(); w = w->parentWidget())
      if (w->parentWidget() == window->surface()) return !w->objectName().startsWith("Zone_");
    return false;
  }
  QRect on_surface(const QWidget* widget) const {
    return QRect(widget->mapTo(window->surface(), QPoint(0, 0)), widget->size());
  }
  void type_into(QWidget* picker, const char* typed) {
    auto* field = picker->findChild<QLineEdit*>();
    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(6, field->height() / 2));
    QTest::qWait(10);
    QTest::keyClicks(picker, QString::fromUtf8(typed));
  }
  std::string caption(const char* label) { return find<QLabel>(label)->text().toStdString(); }
};

// Neither size of the tracking window covers a command, on a full HD screen
// or on a laptop's, "fenêtre de suivi" and every zone-5 button included;
// "petite" does not cover the file table either.
TEST_F(LooseEnds, TheTrackingWindowCoversNoCommand) {
  open();
  for (const QSize screen : {QSize(1920, 1080), QSize(1366, 768)}) {
    window->resize(screen);
    QWidget* tracking = find("Panel1");
    if (!tracking->isVisible()) click("Panel_button_suivi");
    for (const char* size : {"RadioButton_fen_suivi_petite", "RadioButton_fen_suivi_grande"}) {
      QTest::mouseClick(find<QRadioButton>(size), Qt::LeftButton, {}, QPoint(6, 6));
      QApplication::processEvents();
      ASSERT_TRUE(tracking->isVisible());
      const QRect covered = on_surface(tracking);
      EXPECT_TRUE(window->surface()->rect().contains(covered));
      EXPECT_GE(covered.height(), 135) << size;
      int zone5_buttons = 0;
      for (QWidget* command : commands()) {
        EXPECT_FALSE(covered.intersects(on_surface(command)))
            << size << " at " << screen.width() << " covers " << command->objectName().toStdString();
        if (find("Zone_sortie")->isAncestorOf(command) && qobject_cast<QAbstractButton*>(command))
          ++zone5_buttons;
      }
      EXPECT_GT(zone5_buttons, 10);
      if (std::string(size) == "RadioButton_fen_suivi_petite") {
        EXPECT_FALSE(covered.intersects(on_surface(find("StringGrid1"))));
      }
    }
  }
}

// A mask pasted whole obeys the rule typed keys obey: no "*", no ".".
TEST_F(LooseEnds, APastedMaskLosesItsStarAndPoint) {
  open(description);
  QApplication::clipboard()->setText("*.txt");
  auto* mask = find<QLineEdit>("Edit_masque");
  mask->setFocus();
  mask->selectAll();
  QTest::keyClick(mask, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(mask->text().toStdString(), "txt");
  EXPECT_EQ(window->session().description.text("Edit_masque.text"), "txt");
}

// A pattern with four "m" is warned of once: Enter does not check it, the
// field is checked when left.
TEST_F(LooseEnds, APatternIsWarnedOfOnce) {
  open(description);
  auto* pattern = find<QLineEdit>("Edit_format_datetime_mesure");
  pattern->setFocus(Qt::MouseFocusReason);
  pattern->selectAll();
  QTest::keyClicks(pattern, "aaaa_mm_jj_hh_mm_ss");
  QTest::keyClick(pattern, Qt::Key_Return);
  EXPECT_TRUE(answers.texts.isEmpty());
  answers.box("il y a 4 \"m\"", "OK");
  find<QLineEdit>("Edit_NA")->setFocus(Qt::TabFocusReason);
  EXPECT_TRUE(answers.idle());
  EXPECT_EQ(answers.texts.size(), 1);
}

// Escape and Delete act when the key is let go, not when it goes down.
TEST_F(LooseEnds, EscapeAndDeleteActWhenLetGo) {
  open_and_list();
  QTest::keyPress(window.get(), Qt::Key_Escape);
  QApplication::processEvents();
  EXPECT_TRUE(answers.texts.isEmpty());
  answers.box("Quitter  ?", "Non");
  QTest::keyRelease(window.get(), Qt::Key_Escape);
  EXPECT_TRUE(answers.idle());

  select_rows(1, 1);
  QTest::keyPress(table(), Qt::Key_Delete);
  QApplication::processEvents();
  EXPECT_EQ(answers.texts.size(), 1);
  answers.box("effacer la lignes sélectionnée  L2  ?", "Oui");
  QTest::keyRelease(table(), Qt::Key_Delete);
  EXPECT_TRUE(answers.idle());
  EXPECT_EQ(column("fichier").size(), 3u);
  EXPECT_TRUE(window->isVisible());
}

// On a 1366 x 768 screen every command can be scrolled into view, whole.
TEST_F(LooseEnds, EveryCommandIsReachableOnALaptopScreen) {
  open();
  EXPECT_LE(window->minimumSizeHint().width(), 1366);
  EXPECT_LE(window->minimumSizeHint().height(), 768);
  window->resize(1366, 768);
  QApplication::processEvents();
  auto* scroll = find<QScrollArea>("ScrollBox_zones");
  const std::vector<QWidget*> all = commands();
  EXPECT_GT(all.size(), 120u);
  for (QWidget* command : all) {
    // Scrolled as a user scrolls: just enough for the whole control.
    const QRect wanted(command->mapTo(window->surface(), QPoint(0, 0)), command->size());
    const auto bring = [](QScrollBar* bar, int low, int high, int shown) {
      if (high > bar->value() + shown - 1) bar->setValue(high - shown + 1);
      if (low < bar->value()) bar->setValue(low);
    };
    bring(scroll->horizontalScrollBar(), wanted.left(), wanted.right(), scroll->viewport()->width());
    bring(scroll->verticalScrollBar(), wanted.top(), wanted.bottom(), scroll->viewport()->height());
    QApplication::processEvents();
    const QRect shown(command->mapTo(scroll->viewport(), QPoint(0, 0)), command->size());
    EXPECT_TRUE(scroll->viewport()->rect().contains(shown)) << command->objectName().toStdString();
  }
}

// Counts, dates and weekdays change while the user works: nothing beside
// them moves, and the window keeps its width.
TEST_F(LooseEnds, NothingMovesWhenCountsAndDatesChange) {
  open();
  QApplication::processEvents();
  std::map<QWidget*, QRect> before;
  for (QWidget* command : commands()) before[command] = on_surface(command);
  const int width = window->width();
  const int surface_width = window->surface()->minimumSizeHint().width();
  Session& s = window->session();
  const std::pair<const char*, const char*> long_texts[] = {
      {"Label_jour_semaine_deb", "mercredi"},
      {"Label_jour_semaine_fin", "mercredi"},
      {"Label25", "9 999 999 => 99 999 jours"},
      {"Label_nr_final", "999 999 999"},
      {"Label_nlig_impliquee", "123 456 789 lignes extraites"},
      {"Label5", "120 colonnes (avec temps et nb)"},
      {"Label19", "118 colonnes de données"},
      {"Label6", "durées   1- 00:12:34   2- 00:00:01   3- 01:23:45   total 01:36:20"},
      {"Label10", "00:10:00 >> 17:45:00    1234,56 Mo"},
      {"Label_fic", "12  station_avec_un_nom_de_fichier_tres_long_2021-06-01.csv"},
      {"Label1", "1234,56 Mo"},
      {"Label26", "12 345 678"},
      {"Label21", "resultat_avec_un_nom_tres_long du 07-11-2021 au 08-11-2021 (137).txt"},
      {"Label_nb_fic", "12345 fichiers"},
      {"Label8", "taille totale 12345,67 Mo"},
      {"Label54", "12345"},
      {"Label_date_heure_min", "01/01/2021 00:00:00"},
      {"Label_min_dsc", "01/01/2021 00:00:00"},
  };
  for (const auto& [label, text] : long_texts) s.set_caption(label, utf8_to_cp1252(text));
  s.set_visible("Label_patienter", true);
  QApplication::processEvents();
  for (const auto& [command, place] : before)
    EXPECT_EQ(on_surface(command), place) << command->objectName().toStdString();
  EXPECT_EQ(window->width(), width);
  EXPECT_EQ(window->surface()->minimumSizeHint().width(), surface_width);
}

// Another description, or a new one: the rows, counts and dates of the
// previous one go.
TEST_F(LooseEnds, AnotherDescriptionClearsThePreviousListing) {
  const std::string other = dir.write("autre.dsc", "dossier_choisi= " + dir.mkdir("vide") +
                                                       "\r\ndossier_choisi_sortie= " + dir.path() +
                                                       "out/\r\nEdit_masque.text= dat\r\n");
  const struct {
    const char* name;
    std::function<void()> act;
  } cases[] = {
      {"Choix du fichier de description",
       [&] {
         answers.dialog(QString::fromStdString(other));
         click("SpeedButton_desc_bd");
       }},
      {"Nouveau",
       [&] {
         answers.box("Nouvelle description ?", "Oui")
             .dialog(QString::fromStdString(dir.path() + "nouvelle.dsc"))
             .box(" Choisir le répertoire des données", "OK");
         click("SpeedButton_nouveau_dsc");
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    open_and_list();
    Session& s = window->session();
    s.set_caption("Label_nlig_impliquee", "12 lignes extraites");
    ASSERT_NE(caption("Label_date_heure_min"), "---");
    c.act();
    EXPECT_TRUE(answers.idle());
    EXPECT_EQ(table()->model()->rowCount(), 0);
    EXPECT_TRUE(s.table_state.checked_files.empty());
    EXPECT_EQ(caption("Label_nb_fic"), "0 fichier");
    for (const char* label : {"Label8", "Label_date_min", "Label_date_max", "Label_date_heure_min",
                              "Label_date_heure_max", "Label6", "Label10"})
      EXPECT_EQ(caption(label), "---") << label;
    for (const char* counter : {"Label_nlig_impliquee", "Label5", "Label19"})
      EXPECT_EQ(caption(counter), "--") << counter;
    answers.texts.clear();
    close_window();
  }
}

// The output folder inside the data folder: a listing leaves out the
// result and report a run wrote there, and says so; the result buttons
// wait for that result.
TEST_F(LooseEnds, TheProgramsOwnResultsAreNoDataAndTheResultButtonsWaitForThem) {
  const std::string folder = dir.mkdir("releves");
  for (const char* name : {"s_20210601.txt", "t_20210601.txt"}) {
    std::string text = "Date;T\r\n";
    for (int h = 0; h < 6; ++h)
      text += "2021-06-01 0" + std::to_string(h) + ":00:00;" + std::to_string(h) + "\r\n";
    dir.write(std::string("releves/") + name, text);
  }
  const std::string own =
      dir.write("releves.dsc", "dossier_choisi= " + folder + "\r\ndossier_choisi_sortie= " + folder +
                                   "\r\nEdit_masque.text= txt\r\nCheckBox_recursif.Checked= true\r\n"
                                   "RadioGroup_separateur_colonne_ItemIndex= 2\r\n"
                                   "Edit_format_datetime_mesure.text= aaaa_mm_jj_hh_mn_ss\r\n"
                                   "Edit_nom_fic_sortie.text= res\r\nCheckBox_inc_nom.Checked= false\r\n");
  std::ofstream(period_file_path(), std::ios::binary)
      << "01/06/2021 00:00:00\r\n01/06/2021 06:00:00\r\n01:00:00\r\n\r\n1\r\n0\r\n0\r\n";
  open(own);
  for (const char* button : {"SpeedButton_edit", "SpeedButton_suivi", "SpeedButton_sans_coldate"})
    EXPECT_FALSE(find<QAbstractButton>(button)->isEnabled()) << button;
  click("SpeedButton_lister");
  ASSERT_EQ(column("fichier").size(), 2u);
  answers.box(" Créer une nouvelle liste de dates régulières ?", "Oui");
  click("SpeedButton_creer_listes_date_clean");
  answers.box("3- TRAITEMENT EFFECTUÉ", "OK");
  click("SpeedButton_traiter_fichier");
  ASSERT_TRUE(answers.idle());
  const std::string result = window->session().run.result_path;
  ASSERT_FALSE(result.empty());
  for (const char* button : {"SpeedButton_edit", "SpeedButton_suivi", "SpeedButton_sans_coldate"})
    EXPECT_TRUE(find<QAbstractButton>(button)->isEnabled()) << button;

  click("SpeedButton_lister");
  EXPECT_EQ(column("fichier"), (std::vector<std::string>{"s_20210601.txt", "t_20210601.txt"}));
  int told = 0;
  for (const std::string& line : window->session().log.lines())
    if (line.find(utf8_to_cp1252("laissé hors du listage")) != std::string::npos) ++told;
  EXPECT_EQ(told, 2);
  EXPECT_TRUE(answers.texts.filter("intitulé").isEmpty()) << answers.texts.join("\n---\n").toStdString();
}

// "sauver ->" with no data waiting says that only the description was saved.
TEST_F(LooseEnds, SavingWithoutDataWaitingSaysSo) {
  open_and_list();
  answers.box("seule la description a été enregistrée dans \n" + QString::fromStdString(description), "OK");
  click("SpeedButton_enregistrer");
  EXPECT_TRUE(answers.idle());
  EXPECT_FALSE(answers.texts.join("").contains("Données extraites enregistrées"));
}

// Out of a long task "stop" has nothing to stop: it is greyed, and drawn so
// even after a listing gave it its live colour.
TEST_F(LooseEnds, StopIsGreyedOutsideALongTask) {
  open_and_list();
  auto* stop = find<QAbstractButton>("SpeedButton_stop");
  EXPECT_FALSE(stop->isEnabled());
  const QPalette theme = QApplication::palette(stop);
  EXPECT_EQ(stop->palette().color(QPalette::Disabled, QPalette::ButtonText),
            theme.color(QPalette::Disabled, QPalette::ButtonText));
}

// A whole time or date typed into a picker, with or without separators.
TEST_F(LooseEnds, PickersTakeAWholeDateOrTimeTyped) {
  open();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  Session& s = window->session();
  type_into(find("TimePicker_pas"), "0130");
  EXPECT_EQ(find<QTimeEdit>("TimePicker_pas")->time(), QTime(1, 30, 0));
  EXPECT_DOUBLE_EQ(s.period.step_time * 1440, 90.0);
  type_into(find("DatePicker_deb"), "16/04/2023");
  EXPECT_EQ(s.period.start_caption, "16/04/2023 00:00:00");
  type_into(find("TimePicker_deb"), "12:34:56");
  EXPECT_EQ(s.period.start_caption, "16/04/2023 12:34:56");
  type_into(find("DatePicker_fin"), "01052023");
  EXPECT_EQ(s.period.end_caption.substr(0, 10), "01/05/2023");
}

}  // namespace
}  // namespace talve::testing
