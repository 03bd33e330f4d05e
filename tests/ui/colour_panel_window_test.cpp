// SPDX-License-Identifier: GPL-3.0-or-later
// The colour panel and the colours of the window's controls, read back from
// the window after each change of scheme and colour.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QColorDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <fstream>

#include "core/parameter_file.h"
#include "core/parameter_storage.h"
#include "core/program_folder.h"
#include "session/session.h"
#include "ui/panel_fixture.h"

namespace talve::testing {
namespace {

// The four colours of a scheme.
struct Pots {
  QColor background, buttons, fields, numbers;
};
enum class Pot { Background, Buttons, Fields, Numbers };

QColor colour_of(const Pots& pots, Pot pot) {
  switch (pot) {
    case Pot::Background:
      return pots.background;
    case Pot::Buttons:
      return pots.buttons;
    case Pot::Fields:
      return pots.fields;
    case Pot::Numbers:
      break;
  }
  return pots.numbers;
}

// Which colour each control takes: the window's background, the button
// colour (button panels, floating panels, the min/max and "Fichier *.dsc"
// date labels), the field colour (the file table, the lists, the text
// areas, the text fields, the period and step pickers) and the number
// colour (the help area, the column, line-number and output-name fields).
// The flat command buttons, all in the button colour but the two of the
// tracking window, are checked apart.
const std::pair<const char*, Pot> kPainted[] = {
    {"surface", Pot::Background},
    {"SpeedButton_clear", Pot::Background},
    {"SpeedButton_fermer_suivi", Pot::Background},
    {"Panel1", Pot::Buttons},
    {"Panel_dir", Pot::Buttons},
    {"Panel_coche", Pot::Buttons},
    {"Panel_lecteur", Pot::Buttons},
    {"Panel_des_couleurs", Pot::Buttons},
    {"Label_date_min", Pot::Buttons},
    {"Label_date_max", Pot::Buttons},
    {"Label_date_heure_min", Pot::Buttons},
    {"Label_date_heure_max", Pot::Buttons},
    {"Label_min_dsc", Pot::Buttons},
    {"Label_max_dsc", Pot::Buttons},
    {"Label_pas_dsc", Pot::Buttons},
    {"StringGrid1", Pot::Fields},
    {"ListBox_date_clean", Pot::Fields},
    {"ListBox_DONNEE_date_clean", Pot::Fields},
    {"Memo5", Pot::Fields},
    {"Memo1", Pot::Fields},
    {"Edit_masque", Pot::Fields},
    {"Edit_f_station", Pot::Fields},
    {"Edit_f_date_fichier", Pot::Fields},
    {"Edit_intitule_origine", Pot::Fields},
    {"Edit_new_desc_colonne", Pot::Fields},
    {"Edit_col_cochee", Pot::Fields},
    {"Edit_nb_decimale", Pot::Fields},
    {"Edit_equiv_na", Pot::Fields},
    {"Edit_NA", Pot::Fields},
    {"Edit_format_datetime_mesure", Pot::Fields},
    {"Edit_format_date_mesure_seule", Pot::Fields},
    {"Edit_format_time_mesure_seul", Pot::Fields},
    {"Edit_name_prog_blocnote", Pot::Fields},
    {"Edit_balise_deb", Pot::Fields},
    {"Edit_balise_fin", Pot::Fields},
    {"Edit_num_feuille_excel", Pot::Fields},
    {"DatePicker_deb", Pot::Fields},
    {"TimePicker_deb", Pot::Fields},
    {"DatePicker_fin", Pot::Fields},
    {"TimePicker_fin", Pot::Fields},
    {"TimePicker_pas", Pot::Fields},
    {"SpinEdit_pas_jour_mois_annee", Pot::Fields},
    // The offset fields while their box is checked.
    {"SpinEdit_decalage_jour", Pot::Fields},
    {"TimePicker_decalage", Pot::Fields},
    {"Memo2", Pot::Numbers},
    {"Edit_num_col_datetime", Pot::Numbers},
    {"Edit_num_col_date", Pot::Numbers},
    {"Edit_num_col_time", Pot::Numbers},
    {"Edit_num_ligne_donnee", Pot::Numbers},
    {"Edit_num_ligne_intitule_col", Pot::Numbers},
    {"Edit_nom_fic_sortie", Pot::Numbers},
};

const Pots kGreyLevels{QColor(240, 240, 240), QColor(215, 215, 215), QColor(230, 230, 230),
                       QColor(220, 220, 220)};
// What the test's parameter file holds.
const Pots kFileColours{QColor(250, 240, 230), QColor(200, 180, 160), QColor(190, 230, 200),
                        QColor(170, 240, 250)};

class ColourPanelWindow : public PanelTest {
 protected:
  void SetUp() override {
    PanelTest::SetUp();
    set_in_description("CheckBox_decalage_actif.Checked", "true");
    // The description keeps its scheme; lines 2 to 5 of the parameter file
    // the colours.
    set_in_description("RadioGroup_coul_nb.ItemIndex", "1");
    std::ofstream(parameter_file_path(), std::ios::binary)
        << "\r\n250,240,230\r\n200,180,160\r\n190,230,200\r\n170,240,250\r\n1\r\n";
  }

  static QColor painted(const QWidget* widget) {
    const bool typing_area =
        qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QAbstractItemView*>(widget) ||
        qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget);
    return widget->palette().color(typing_area ? QPalette::Base : QPalette::Window);
  }

  // Every control of the table, and every flat command button, in its pot.
  void expect_painted(const Pots& pots, const char* step) {
    for (const auto& [name, pot] : kPainted) {
      QWidget* widget = find(name);
      if (!widget) continue;
      EXPECT_EQ(painted(widget).name().toStdString(), colour_of(pots, pot).name().toStdString())
          << step << ": " << name;
    }
    int buttons = 0;
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
      const QString name = button->objectName();
      if (!button->isFlat() || name == "SpeedButton_clear" || name == "SpeedButton_fermer_suivi") continue;
      ++buttons;
      EXPECT_EQ(painted(button).name().toStdString(), pots.buttons.name().toStdString())
          << step << ": " << name.toStdString();
    }
    EXPECT_GE(buttons, 41) << step;
  }
};

TEST_F(ColourPanelWindow, EveryControlTakesTheColoursOfTheScheme) {
  open(description);
  expect_painted(kGreyLevels, "start-up in grey levels");

  click("SpeedButton_couleurs");
  QWidget* panel = find("Panel_des_couleurs");
  ASSERT_TRUE(panel->isVisible());
  // 40 pixels right of the "format date/heure" label, 40 below the top of
  // the file table.
  QWidget* label = find("Label_format_datetime_mesure");
  EXPECT_EQ(panel->pos(), QPoint(label->mapTo(window->surface(), QPoint(label->width() + 40, 0)).x(),
                                 find("StringGrid1")->mapTo(window->surface(), QPoint(0, 40)).y()));
  click_radio("RadioGroup_coul_nb_0");
  expect_painted(kFileColours, "couleurs");
  EXPECT_TRUE(window->session().description.modified());
  click_radio("RadioGroup_coul_nb_1");
  expect_painted(kGreyLevels, "niveaux de gris");
  click_radio("RadioGroup_coul_nb_0");

  // The offset fields unchecked are light grey whatever the scheme.
  click("CheckBox_decalage_actif");
  EXPECT_EQ(painted(find("TimePicker_decalage")), QColor(240, 240, 230));
  EXPECT_EQ(painted(find("TimePicker_derive_reelle")), QColor(240, 240, 230));
}

// A colour button opens the colour dialog on the colour shown, with the
// program's custom colours; the colour chosen paints the window and
// reaches the parameter file when the description is saved.
TEST_F(ColourPanelWindow, AChosenColourPaintsTheWindowAndIsSaved) {
  set_in_description("RadioGroup_coul_nb.ItemIndex", "0");
  open(description);
  click("SpeedButton_couleurs");
  QStringList seen;
  answers.on_tick = [&] {
    auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible() || dialog->property("answered").toBool()) return;
    dialog->setProperty("answered", true);
    seen << dialog->currentColor().name();
    for (int i : {0, 1, 3, 8, 15}) seen << QColorDialog::customColor(i).name();
    dialog->setCurrentColor(QColor(1, 2, 3));
    dialog->accept();
  };
  click("SpeedButton_couleur_champs");
  answers.on_tick = nullptr;
  // The field colour, then the background, "DAFEE7" (red E7, green FE,
  // blue DA), "FFE0B3", the button colour and the last preset.
  EXPECT_EQ(seen, QStringList({"#bee6c8", "#faf0e6", "#e7feda", "#b3e0ff", "#c8b4a0", "#f5d8b0"}));
  Pots chosen = kFileColours;
  chosen.fields = QColor(1, 2, 3);
  expect_painted(chosen, "vert_clair chosen");
  EXPECT_TRUE(window->session().description.modified());

  answers.box(" Enregistrer les modifications de la description de données  ", "Oui");
  click("SpeedButton_Enregistrer_dsc");
  ASSERT_TRUE(answers.idle());
  EXPECT_EQ(lire_ligne_fichier(parameter_file_path(), 4), "1,2,3");
  EXPECT_EQ(lire_ligne_fichier(parameter_file_path(), 2), "250,240,230");

  click("SpeedButton_fermer_couleurs");
  EXPECT_FALSE(find("Panel_des_couleurs")->isVisible());
  click("SpeedButton_couleurs");
  EXPECT_TRUE(find("Panel_des_couleurs")->isVisible());
  click("SpeedButton_couleurs");
  EXPECT_FALSE(find("Panel_des_couleurs")->isVisible());
  EXPECT_FALSE(window->session().colour_panel_shown);
}

}  // namespace
}  // namespace talve::testing
