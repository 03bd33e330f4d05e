// SPDX-License-Identifier: GPL-3.0-or-later
// The setting handlers as a user meets them: text typed into the real
// fields, the field left (focus elsewhere) or confirmed (Enter), then what
// the field shows, the box that came and the stored value; the pattern
// pickers, the date fields of the one/two-column choice, the mutually
// exclusive options and the column-title preview.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTest>
#include <string>
#include <utility>
#include <vector>

#include "session/session.h"
#include "text/encoding.h"
#include "ui/settings_binder.h"
#include "ui/window_fixture.h"

namespace talve::testing {
namespace {

enum class Leave { Focus, Enter };

class FieldHandlersWindow : public WindowTest {
 protected:
  // A description with one-column (or two-column) dates at columns 1 and 2,
  // extraction on, titles on line 2 and data from line 3.
  std::string write_description(bool two_columns) {
    return dir.write("station.dsc",
                     "dossier_choisi= " + dir.path() + "\r\ndossier_choisi_sortie= " + dir.path() +
                         "\r\ndossier_description= " + dir.path() +
                         "\r\nEdit_masque.text= csv\r\nRadioGroup_datetime_nb_col_ItemIndex= " +
                         (two_columns ? "1" : "0") +
                         "\r\nEdit_num_col_datetime.text= 1\r\nEdit_num_col_date.text= 1\r\n"
                         "Edit_num_col_time.text= 2\r\nCheckBox_col_cochee.Checked= true\r\n"
                         "RadioGroup_avec_sans_intitule_ItemIndex= 0\r\n"
                         "Edit_num_ligne_intitule_col.text= 2\r\nEdit_num_ligne_donnee.text= 3\r\n"
                         "RadioGroup_numlig_balise_ItemIndex= 0\r\n");
  }
  void open_station(bool two_columns = false) {
    open(write_description(two_columns));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }
  // Replaces the field's text as typed keys, then leaves it.
  void type(const char* name, const char* typed, Leave how) {
    auto* field = find<QLineEdit>(name);
    if (!field) return;
    field->setFocus(Qt::MouseFocusReason);
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, QString::fromUtf8(typed));
    if (how == Leave::Enter)
      QTest::keyClick(field, Qt::Key_Return);
    else
      find<QLineEdit>("Edit_NA")->setFocus(Qt::TabFocusReason);
  }
  std::string text_of(const char* name) {
    return utf8_to_cp1252(find<QLineEdit>(name)->text().toStdString());
  }
  // A click on a check box's square, as the mouse gives it.
  void tick(const char* name) {
    if (auto* box = find<QCheckBox>(name))
      QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
  }
  // A double-click on a list entry: press, release, then the double-click
  // and its release, as the desktop sends them.
  static void double_click_item(QListWidget* list, QListWidgetItem* item) {
    const QPoint at = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QMouseEvent twice(QEvent::MouseButtonDblClick, at, list->viewport()->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &twice);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
  }
  bool shown(const char* name) { return find(name)->isVisibleTo(window.get()); }
  std::string preview() { return find<QLabel>("Label_col_alternatives")->text().toStdString(); }
};

TEST_F(FieldHandlersWindow, EachEntryRuleCorrectsItsFieldOnLeavingOrEnter) {
  const char* four_m =
      " il y a 4 \"m\", vérifier que les minutes soient \"mn\" et non \"mm\" comme les mois !";
  const char* refused_line =
      " la valeur 2 n'est pas valide comme n° de ligne de donnée par rapport à celui de l'intitulés de "
      "colonnes : 2 ...";
  const struct {
    const char* field;
    const char* typed;
    Leave how;
    const char* key;    // the stored value checked
    const char* value;  // UTF-8
    const char* box;    // the box that comes, nullptr for none
    bool two_columns = false;
  } rows[] = {
      {"Edit_col_cochee", "1;4. 5", Leave::Focus, "Edit_col_cochee.text", "4,5",
       " Il a fallu enlever le n° de la colonne date/time de la liste des colonnes à extraire\n\n  de <1;4. "
       "5>\n\n   à <4,5>"},
      {"Edit_col_cochee", "4,,5,", Leave::Enter, "Edit_col_cochee.text", "4,5", nullptr},
      {"Edit_col_cochee", "3;2;1", Leave::Focus, "Edit_col_cochee.text", "3", "   à <3>", true},
      {"Edit_equiv_na", "NA,X", Leave::Focus, "Edit_equiv_na.text", "NA;X", nullptr},
      {"Edit_equiv_na", "-99999,5;NA", Leave::Enter, "Edit_equiv_na.text", "-99999,5;NA", nullptr},
      {"Edit_equiv_na", "a;b;c;d;e;f;g;h", Leave::Enter, "Edit_equiv_na.text", "a;b;c;d;e;f;g;h",
       "seules les 7 première équivalences seront prises en compte"},
      {"Edit_masque", "*.c*sv.", Leave::Focus, "Edit_masque.text", "csv", nullptr},
      {"Edit_format_datetime_mesure", "jj/mm/aaaa hh;mm", Leave::Focus, "Edit_format_datetime_mesure.text",
       "jj/mm/aaaahh:mn", nullptr},
      {"Edit_format_datetime_mesure", "aaaa_mm_jj_hh_mm_ss", Leave::Focus, "Edit_format_datetime_mesure.text",
       "aaaa_mm_jj_hh_mm_ss", four_m},
      // The time pattern's field corrects the date-time pattern, whichever
      // layout is shown.
      {"Edit_format_time_mesure_seul", "hh;mn", Leave::Focus, "Edit_format_time_mesure_seul.text", "hh;mn",
       nullptr, true},
      {"Edit_format_date_mesure_seule", "jj/mm/aaaa hh:mm", Leave::Focus,
       "Edit_format_date_mesure_seule.text", "jj/mm/aaaa", nullptr, true},
      {"Edit_f_date_fichier", "aaaa.mm.jj, 3", Leave::Focus, "Edit_f_date_fichier.text", "aaaa,mm,jj,3",
       nullptr},
      {"Edit_num_ligne_donnee", "2", Leave::Enter, "Edit_num_ligne_donnee.text", "2", refused_line},
      {"Edit_num_ligne_donnee", "5", Leave::Enter, "Edit_num_ligne_donnee.text", "5", nullptr},
      // The columns extracted are 1,2,3 (the list's If-absent value), the
      // date column 1.
      {"Edit_methode_par_colonne", " Cumul : 3 ; max:2", Leave::Focus, "Edit_methode_par_colonne.text",
       "cumul:3;max:2", nullptr},
      {"Edit_methode_par_colonne", "moyene:3", Leave::Enter, "Edit_methode_par_colonne.text", "moyene:3",
       " Méthodes par colonne : méthode inconnue <moyene> : les méthodes possibles sont moyenne, ponctuel, "
       "max, min, moy_si_vide, cumul, somme"},
      {"Edit_methode_par_colonne", "somme:1", Leave::Focus, "Edit_methode_par_colonne.text", "somme:1",
       " Méthodes par colonne : la colonne 1 est celle de la date/heure"},
      {"Edit_methode_par_colonne", "somme:7", Leave::Enter, "Edit_methode_par_colonne.text", "somme:7",
       " Méthodes par colonne : la colonne 7 n'est pas dans les colonnes à extraire (1,2,3)"},
      {"Edit_taux_min", " 75", Leave::Enter, "Edit_taux_min.text", "75", nullptr},
      {"Edit_taux_min", "150", Leave::Focus, "Edit_taux_min.text", "150",
       " Le taux minimum de mesures <150> n'est pas valide"},
      // A date over several columns; a malformed list is kept as typed and
      // explained.
      {"Edit_num_col_datetime", "2+3+4", Leave::Focus, "Edit_num_col_datetime.text", "2+3+4", nullptr},
      {"Edit_num_col_datetime", "2++3", Leave::Focus, "Edit_num_col_datetime.text", "2++3",
       " la valeur <2++3> n'est pas valide comme n° de colonne de la date-heure :\n\n   un n° de colonne "
       "(2), "
       "ou les n° des colonnes d'une date écrite sur plusieurs colonnes,\n   joints par \"+\" dans leur "
       "ordre "
       "de lecture (2+3+4), chacun une seule fois"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.field) + " <- " + row.typed);
    open_station(row.two_columns);
    if (row.box) answers.box(QString::fromUtf8(row.box), "OK");
    type(row.field, row.typed, row.how);
    EXPECT_TRUE(answers.idle());
    EXPECT_EQ(answers.texts.size(), row.box ? 1 : 0) << answers.texts.join("\n---\n").toStdString();
    const DataDescription& description = window->session().description;
    EXPECT_EQ(cp1252_to_utf8(description.text(row.key)), row.value);
    // The field shows what the description holds.
    EXPECT_EQ(text_of(row.field), description.text(std::string(row.field) + ".text"));
    answers.texts.clear();
    close_window();
  }
}

TEST_F(FieldHandlersWindow, EnterInTheColumnListSavesTheDescription) {
  open_station();
  type("Edit_col_cochee", "4 ;5.6", Leave::Enter);
  EXPECT_FALSE(window->session().description.modified());
  EXPECT_NE(read_bytes(dir.file("station.dsc")).find("Edit_col_cochee.text= 4,5,6\r\n"), std::string::npos);
}

TEST_F(FieldHandlersWindow, TheTimePatternFieldCorrectsTheDateTimePattern) {
  open_station(true);
  window->session().description.set_text("Edit_format_datetime_mesure.text", "aaaa_mm_jj hh;mm");
  type("Edit_format_time_mesure_seul", "hh_mn", Leave::Focus);
  EXPECT_EQ(window->session().description.text("Edit_format_datetime_mesure.text"), "aaaa_mm_jjhh:mn");
  EXPECT_EQ(text_of("Edit_format_datetime_mesure"), "aaaa_mm_jjhh:mn");
}

// A pattern without a date used to date every line 01/01/1900: leaving
// the field says it is refused, in a box.
TEST_F(FieldHandlersWindow, APatternWithoutADateIsRefusedOnLeavingItsField) {
  open_station();
  answers.box(" Format refusé : le format de date <zz> ne contient pas de date : il lui faut l'année", "OK");
  type("Edit_format_datetime_mesure", "zz", Leave::Focus);
  EXPECT_TRUE(answers.idle());
  // A date alone reads dates: nothing is said.
  type("Edit_format_datetime_mesure", "jj/mm/aaaa", Leave::Focus);
  EXPECT_EQ(answers.texts.size(), 1);
}

TEST_F(FieldHandlersWindow, APickerListShowsItsPatternsAndADoubleClickFillsTheField) {
  open_station();
  auto* list = find<QListWidget>("ListBox_date_heure");
  click("SpeedButton_date_heure");
  ASSERT_TRUE(list->isVisible());
  EXPECT_EQ(list->count(), 19);
  QApplication::processEvents();  // the list lays its items out
  QListWidgetItem* item = list->item(1);
  double_click_item(list, item);
  EXPECT_FALSE(list->isVisible());
  EXPECT_EQ(text_of("Edit_format_datetime_mesure"), "jj_mm_aaaa_hh_mn_ss");
  EXPECT_EQ(window->session().description.text("Edit_format_datetime_mesure.text"), "jj_mm_aaaa_hh_mn_ss");
  // An entry shown with its example writes its pattern alone.
  click("SpeedButton_date_heure");
  ASSERT_TRUE(list->isVisible());
  QApplication::processEvents();
  double_click_item(list, list->item(12));
  EXPECT_EQ(text_of("Edit_format_datetime_mesure"), "mm_jj_ee_hh_mn_ss_pp");
  // Opened again, the list shows that entry selected.
  click("SpeedButton_date_heure");
  EXPECT_EQ(list->currentRow(), 12);
  click("SpeedButton_date_heure");

  // A second click on the button closes the list; entering another pattern
  // field closes the list that is open.
  click("SpeedButton_date_heure");
  ASSERT_TRUE(list->isVisible());
  click("SpeedButton_date_heure");
  EXPECT_FALSE(list->isVisible());
  click("SpeedButton_date_fic");
  auto* file_dates = find<QListWidget>("ListBox_date_fic");
  ASSERT_TRUE(file_dates->isVisible());
  EXPECT_FALSE(list->isVisible());
  find<QLineEdit>("Edit_f_date_fichier")->setFocus(Qt::MouseFocusReason);
  EXPECT_FALSE(file_dates->isVisible());
}

TEST_F(FieldHandlersWindow, ChoicesShowTheirFieldsAndOptionsExcludeEachOther) {
  open_station();
  const std::vector<const char*> one_column = {"Edit_num_col_datetime", "Edit_format_datetime_mesure",
                                               "SpeedButton_date_heure"};
  const std::vector<const char*> two_columns = {"Edit_num_col_date", "Edit_format_date_mesure_seule",
                                                "Edit_num_col_time", "Edit_format_time_mesure_seul"};
  const std::vector<const char*> markers = {"Edit_balise_deb", "Edit_balise_fin"};
  const std::vector<const char*> title_line = {"Edit_num_ligne_intitule_col"};
  const struct {
    const char* key;
    int button;
    std::vector<const char*> shown, hidden;
  } choices[] = {
      {"RadioGroup_datetime_nb_col_ItemIndex", 1, two_columns, one_column},
      {"RadioGroup_datetime_nb_col_ItemIndex", 0, one_column, two_columns},
      {"RadioGroup_numlig_balise_ItemIndex", 1, markers, {}},
      {"RadioGroup_numlig_balise_ItemIndex", 0, {"Edit_num_ligne_donnee"}, markers},
      {"RadioGroup_avec_sans_intitule_ItemIndex", 1, {}, title_line},
      {"RadioGroup_avec_sans_intitule_ItemIndex", 0, title_line, {}},
  };
  for (const auto& choice : choices) {
    SCOPED_TRACE(std::string(choice.key) + " " + std::to_string(choice.button));
    QWidget* group = window->binder().control_of(choice.key);
    QTest::mouseClick(group->findChildren<QRadioButton*>().at(choice.button), Qt::LeftButton);
    EXPECT_EQ(window->session().description.choice(choice.key), choice.button);
    for (const auto& [names, visible] : {std::pair(choice.shown, true), std::pair(choice.hidden, false)})
      for (const char* name : names) {
        EXPECT_EQ(shown(name), visible) << name;
        // A field's label comes and goes with it.
        for (QLabel* label : window->findChildren<QLabel*>())
          if (label->buddy() == find(name)) {
            EXPECT_EQ(label->isVisibleTo(window.get()), visible) << name;
          }
      }
  }

  const DataDescription& description = window->session().description;
  auto* delta = find<QCheckBox>("CheckBox_delta_Y");
  auto* derivative = find<QCheckBox>("CheckBox_derivees");
  tick("CheckBox_delta_Y");
  tick("CheckBox_derivees");
  EXPECT_TRUE(derivative->isChecked());
  EXPECT_FALSE(delta->isChecked());
  EXPECT_FALSE(description.checked("CheckBox_delta_Y.Checked"));
  tick("CheckBox_delta_Y");
  EXPECT_FALSE(derivative->isChecked());
  EXPECT_FALSE(description.checked("CheckBox_derivees.Checked"));

  window->session().description.clear_modified();
  QTest::mouseClick(find<QRadioButton>("RadioButton_decalage_negatif"), Qt::LeftButton);
  EXPECT_TRUE(description.checked("RadioButton_decalage_negatif.Checked"));
  EXPECT_FALSE(description.checked("RadioButton_decalage_positif.Checked"));
  EXPECT_FALSE(find<QRadioButton>("RadioButton_decalage_positif")->isChecked());
  EXPECT_TRUE(description.modified());
}

TEST_F(FieldHandlersWindow, TheColumnTitlePreviewFollowsTheTitleAndColumnFields) {
  open_station();
  tick("CheckBox_int_col_alternatif");
  type("Edit_col_cochee", "4,2", Leave::Focus);
  EXPECT_EQ(preview(), "=> ? | ?");
  // Typed titles show at once (leaving the field would list the files).
  auto* titles = find<QLineEdit>("Edit_new_desc_colonne");
  titles->setFocus();
  QTest::keyClicks(titles, "Date;T;H;P");
  EXPECT_EQ(preview(), "=> P | T");
  // A list being typed ("4,2,") leaves the preview as it was.
  auto* columns = find<QLineEdit>("Edit_col_cochee");
  columns->end(false);
  QTest::keyClicks(columns, ",");
  EXPECT_EQ(preview(), "=> P | T");
  QTest::keyClicks(columns, "3");
  EXPECT_EQ(preview(), "=> P | T | H");
  // Leaving the titles lists the files again, none here.
  answers.box("aucun fichier ne correspond au filtre <csv>", "OK");
  tick("CheckBox_col_cochee");
  EXPECT_EQ(preview(), "---");
}

}  // namespace
}  // namespace talve::testing
