// SPDX-License-Identifier: GPL-3.0-or-later
// After a run with "éteindre le PC à la fin du traitement " checked, the
// notice panel counts five minutes down on the window's 200 ms timer: any
// key pressed ends it, else the system is asked to shut down, once.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QTest>
#include <fstream>

#include "core/period_file.h"
#include "core/shutdown_countdown.h"
#include "session/session.h"
#include "ui/window_fixture.h"

namespace talve::testing {
namespace {

class CountdownWindow : public WindowTest {
 protected:
  void SetUp() override {
    dir.write("data/petit_1.csv",
              "Date;T\r\n2021-01-01 00:10:00;1\r\n2021-01-01 00:20:00;2\r\n2021-01-01 00:40:00;3\r\n");
    dir.mkdir("out");
    description =
        dir.write("petit.dsc",
                  "dossier_choisi= " + dir.path() + "data/\r\ndossier_choisi_sortie= " + dir.path() +
                      "out/\r\nEdit_masque.text= csv\r\n" + "RadioGroup_separateur_colonne_ItemIndex= 2\r\n" +
                      "Edit_format_datetime_mesure.text= aaaa_mm_jj_hh_mn_ss\r\n");
    std::ofstream(period_file_path(), std::ios::binary)
        << "01/01/2021 00:00:00\r\n01/01/2021 01:00:00\r\n00:15:00\r\n\r\n1\r\n0\r\n0\r\n";
  }
  std::string description;
};

TEST_F(CountdownWindow, AKeyEndsTheCountdownElseTheSystemIsAskedOnce) {
  const struct {
    const char* name;
    bool key;
    ShutdownCountdown::State end;
    int requests;
  } cases[] = {{"a key pressed", true, ShutdownCountdown::State::Cancelled, 0},
               {"no key", false, ShutdownCountdown::State::ShutdownRequested, 1}};
  for (const auto& c : cases) {
    open(description);
    Session& session = window->session();
    double now = 0;
    int requests = 0;
    session.shutdown_countdown.replace_sources([&now] { return now; },
                                               [&requests] {
                                                 ++requests;
                                                 return std::optional<std::string>();
                                               });
    find<QAbstractButton>("CheckBox_arret_PC")->click();
    ASSERT_TRUE(session.shutdown_after_run) << c.name;
    click("SpeedButton_lister");
    answers.box(" Créer une nouvelle liste de dates régulières ?", "Oui");
    click("SpeedButton_creer_listes_date_clean");
    // No summary box: the computer is to shut down.
    click("SpeedButton_traiter_fichier");
    ASSERT_TRUE(answers.idle()) << c.name;
    QWidget* notice = find("Panel4");
    ASSERT_TRUE(session.shutdown_countdown.running()) << c.name;
    EXPECT_TRUE(notice->isVisible()) << c.name;
    // Past the half second in which a key still held from the run counts for nothing.
    now = 1;
    ASSERT_TRUE(wait_for([&] { return find<QLabel>("Panel4")->text().endsWith(" mn"); }, 5)) << c.name;
    if (c.key) QTest::keyClick(window.get(), Qt::Key_A);
    if (!c.key) now = ShutdownCountdown::kDelaySeconds + 1;
    ASSERT_TRUE(wait_for([&] { return !session.shutdown_countdown.running(); }, 5)) << c.name;
    EXPECT_EQ(session.shutdown_countdown.state(), c.end) << c.name;
    EXPECT_EQ(requests, c.requests) << c.name;
    EXPECT_FALSE(notice->isVisible()) << c.name;
    close_window();
  }
}

}  // namespace
}  // namespace talve::testing
