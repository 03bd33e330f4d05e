// SPDX-License-Identifier: GPL-3.0-or-later
// The colours the core keeps for named controls are the colours the window
// shows, after the start-up (the scheme painted over the window), a grid
// build, a run and an edit: the traiter and grid buttons, "stop", the count
// label, the min/max date labels, the save buttons and the bound fields.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <string>
#include <utility>

#include "core/parameter_colours.h"
#include "session/session.h"
#include "ui/window_fixture.h"

namespace talve::testing {
namespace {

class IndicationColours : public WindowTest {
 protected:
  QColor shown(const char* name, ColourPart part) {
    QWidget* widget = find(name);
    if (part == ColourPart::Text) return caption_colour(widget);
    const bool base = qobject_cast<QLineEdit*>(widget) || qobject_cast<QAbstractItemView*>(widget) ||
                      qobject_cast<QAbstractSpinBox*>(widget);
    return widget->palette().color(base ? QPalette::Base : QPalette::Window);
  }
  // The colour the core keeps, as the window's theme paints it.
  QColor kept(const char* name, ColourPart part) {
    const std::optional<ControlColour> colour = window->session().colour(name, part);
    if (!colour) return {};
    if (!colour->window_text) return QColor(colour->rgb.red, colour->rgb.green, colour->rgb.blue);
    const QPalette theme = QApplication::palette(find(name));
    return part == ColourPart::Text ? theme.color(QPalette::ButtonText) : theme.color(QPalette::Base);
  }
  // Every control the core colours shows the colour it keeps.
  void expect_shown_as_kept(const char* step) {
    const std::pair<const char*, ColourPart> controls[] = {
        {"SpeedButton_traiter_fichier", ColourPart::Text},
        {"SpeedButton_creer_listes_date_clean", ColourPart::Text},
        {"SpeedButton_stop", ColourPart::Text},
        {"Label25", ColourPart::Text},
        {"Label_date_min", ColourPart::Text},
        {"Label_date_max", ColourPart::Text},
        {"SpeedButton_Enregistrer_dsc", ColourPart::Text},
        {"SpeedButton_enreg_description", ColourPart::Text},
        {"Edit_min_na", ColourPart::Background},
        {"Edit_max_na", ColourPart::Background},
    };
    for (const auto& [name, part] : controls) {
      const QColor colour = kept(name, part);
      if (!colour.isValid()) continue;  // not coloured by the core yet
      EXPECT_EQ(shown(name, part).name().toStdString(), colour.name().toStdString()) << step << ": " << name;
    }
  }
  static QColor rgb(const Rgb& colour) { return QColor(colour.red, colour.green, colour.blue); }
};

TEST_F(IndicationColours, TheWindowShowsTheColoursTheCoreKeeps) {
  open(copy_demo("demo"));
  // The demo's lower bound (-50) colours its field apart from the empty upper one.
  EXPECT_NE(kept("Edit_min_na", ColourPart::Background), kept("Edit_max_na", ColourPart::Background));
  answers.box(" récupérer la date/heure min ?", "Oui").box(" récupérer la date/heure max ?", "Oui");
  double_click("Label_min_dsc");
  double_click("Label_max_dsc");
  EXPECT_EQ(shown("SpeedButton_Enregistrer_dsc", ColourPart::Text), QColor(Qt::red));

  click("SpeedButton_lister");
  answers.box(" Créer une nouvelle liste de dates régulières ?", "Oui");
  click("SpeedButton_creer_listes_date_clean");
  ASSERT_TRUE(answers.idle());
  EXPECT_EQ(shown("SpeedButton_creer_listes_date_clean", ColourPart::Text), rgb(kBlue));
  EXPECT_EQ(shown("Label_date_min", ColourPart::Text), rgb(kBlue));
  expect_shown_as_kept("after the grid");

  answers.box("3- TRAITEMENT EFFECTUÉ", "OK");
  click("SpeedButton_traiter_fichier");
  ASSERT_TRUE(answers.idle());
  EXPECT_EQ(shown("SpeedButton_traiter_fichier", ColourPart::Text), rgb(kPurple));
  EXPECT_EQ(shown("SpeedButton_stop", ColourPart::Text), rgb(kGrey));
  expect_shown_as_kept("after the run");

  // An edit turns "Enregistrer" red; the colour scheme painted again keeps
  // the core's colours.
  QTest::keyClicks(find<QLineEdit>("Edit_masque"), "v");
  EXPECT_EQ(shown("SpeedButton_Enregistrer_dsc", ColourPart::Text), QColor(Qt::red));
  find<QGroupBox>("RadioGroup_coul_nb")->findChildren<QRadioButton*>().at(1)->click();
  expect_shown_as_kept("after the grey levels");
  EXPECT_EQ(shown("Edit_min_na", ColourPart::Background),
            rgb(colours_in_use(1, window->session().colours).number));
  expect_names_resolved();
}

}  // namespace
}  // namespace talve::testing
