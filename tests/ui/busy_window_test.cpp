// SPDX-License-Identifier: GPL-3.0-or-later
// While a run lets the window work, only "stop" and the tracking window
// answer: every other button and every setting is greyed and starts
// nothing, Escape and the window's close button wait, and "stop" ends the
// run at its next check.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <fstream>

#include "core/period_file.h"
#include "session/session.h"
#include "text/encoding.h"
#include "ui/busy_state.h"
#include "ui/window_fixture.h"

namespace talve::testing {
namespace {

constexpr int kLines = 400000;

class BusyWindow : public WindowTest {
 protected:
  // One large logger file, one value every second from 01/01/2021, and its
  // description; the period file covers it.
  void SetUp() override {
    std::string text = "Date;T;H\r\n";
    text.reserve(static_cast<std::size_t>(kLines) * 30);
    for (int i = 0; i < kLines; ++i) {
      const int h = i / 3600, m = i / 60 % 60, s = i % 60;
      char line[64];
      std::snprintf(line, sizeof line, "2021-01-%02d %02d:%02d:%02d;%d.5;7\r\n", 1 + h / 24, h % 24, m, s,
                    i % 100);
      text += line;
    }
    dir.write("data/grand_1.csv", text);
    dir.mkdir("out");
    description =
        dir.write("grand.dsc",
                  "dossier_choisi= " + dir.path() + "data/\r\ndossier_choisi_sortie= " + dir.path() +
                      "out/\r\nEdit_masque.text= csv\r\n" + "RadioGroup_separateur_colonne_ItemIndex= 2\r\n" +
                      "Edit_format_datetime_mesure.text= aaaa_mm_jj_hh_mn_ss\r\n" +
                      "Edit_nom_fic_sortie.text= res\r\nCheckBox_inc_nom.Checked= false\r\n");
    write_period("01/01/2021 00:00:00", "05/01/2021 00:00:00");
  }

  // The period file of the program's folder: start, end, a 15-minute step.
  void write_period(const std::string& start, const std::string& end) {
    std::ofstream(period_file_path(), std::ios::binary) << start << "\r\n"
                                                        << end << "\r\n00:15:00\r\n\r\n1\r\n0\r\n0\r\n";
  }

  std::string description;
};

TEST_F(BusyWindow, OnlyStopAnswersDuringARunAndItStopsTheRun) {
  open(description);
  click("SpeedButton_lister");
  answers.box(" Créer une nouvelle liste de dates régulières ?", "Oui");
  click("SpeedButton_creer_listes_date_clean");
  ASSERT_TRUE(answers.idle());

  Session& session = window->session();
  bool acted = false;
  int greyed = 0;
  int pickers_greyed = 0;
  answers.on_tick = [&] {
    if (acted || !session.flags.running || !session.flags.busy || session.run.size_done == 0) return;
    acted = true;
    EXPECT_TRUE(find<QWidget>("SpeedButton_stop")->isVisibleTo(window.get()));
    for (QAbstractButton* button : window->surface()->findChildren<QAbstractButton*>()) {
      if (!button->isVisibleTo(window.get()) || button->objectName().isEmpty()) continue;
      bool usable = false;
      for (QWidget* w = button; w; w = w->parentWidget())
        usable = usable || ui::BusyState::always_enabled().contains(w->objectName());
      if (usable) continue;
      EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();
      ++greyed;
      QTest::mouseClick(button, Qt::LeftButton);
    }
    // The settings too: date and time pickers, spin boxes, lists to choose
    // from and fields, whose changes would move the period or the
    // description under the run.
    for (QWidget* widget : window->surface()->findChildren<QWidget*>()) {
      auto* edit = qobject_cast<QLineEdit*>(widget);
      const bool setting = qobject_cast<QAbstractSpinBox*>(widget) || qobject_cast<QComboBox*>(widget) ||
                           (edit && !edit->isReadOnly() && !qobject_cast<QAbstractSpinBox*>(edit->parent()));
      if (!setting || !widget->isVisibleTo(window.get()) || widget->objectName().isEmpty()) continue;
      bool usable = false;
      for (QWidget* w = widget; w; w = w->parentWidget())
        usable = usable || ui::BusyState::always_enabled().contains(w->objectName());
      if (usable) continue;
      EXPECT_FALSE(widget->isEnabled()) << widget->objectName().toStdString();
      if (qobject_cast<QAbstractSpinBox*>(widget)) ++pickers_greyed;
    }
    // Escape and the close button wait for the run.
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->close());
    answers.box("Stopper le traitement  ?", "Oui");
    // From the run's own turn of the event loop: the answerer's timer must
    // be free to answer the question.
    QTimer::singleShot(0, window.get(), [this] { click("SpeedButton_stop"); });
  };
  answers.always("3- TRAITEMENT STOPPÉ", "OK");
  // The large table hides the period zone, where "stop" is, until a run starts.
  click("CheckBox_grand_tableau");
  ASSERT_FALSE(find<QWidget>("SpeedButton_stop")->isVisibleTo(window.get()));
  click("SpeedButton_traiter_fichier");
  answers.on_tick = nullptr;

  ASSERT_TRUE(acted);
  EXPECT_GT(greyed, 20);
  EXPECT_GE(pickers_greyed, 6);
  EXPECT_TRUE(answers.idle());
  // The summary says the run was stopped, and how far it went.
  ASSERT_EQ(answers.texts.size(), 3);
  const QString summary = answers.texts.back();
  EXPECT_TRUE(summary.contains("arrêté par « stop » au fichier 1 sur 1 : ")) << summary.toStdString();
  EXPECT_FALSE(summary.contains("EFFECTUÉ"));
  // Stopped in the first file: the result holds its title row only.
  const std::string result = read_bytes(dir.path() + "out/res.txt");
  EXPECT_EQ(std::count(result.begin(), result.end(), '\n'), 1) << result.substr(0, 200);
  // Everything but the chart button (no chart window yet) answers again.
  for (const char* name : {"SpeedButton_lister", "SpeedButton_traiter_fichier", "SpeedButton_exit2",
                           "SpeedButton_desc_bd", "SpeedButton_graphique"})
    EXPECT_TRUE(find<QAbstractButton>(name)->isEnabled()) << name;
  EXPECT_TRUE(window->isVisible());
  expect_names_resolved();
}

}  // namespace
}  // namespace talve::testing
