// SPDX-License-Identifier: GPL-3.0-or-later
// The window's benchmark, under Qt's offscreen platform:
//   window_bench DESCRIPTION.dsc START END [REPEAT]
// presses "1- Valider et Lister les fichiers" then "3-    traiter ...  =>"
// (which builds the grid first) REPEAT times on a fresh window, every box
// answered at once with its first button, and prints the best wall time of
// the two clicks, then the largest gap between two turns of the event loop
// during that run (what a click on "stop" waits at worst). Then the FileTable and the result list
// are filled with 100,000 rows each and the time to show them is printed.
// TALVE_HOME must name a folder the benchmark may write into.
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <vector>

#include "core/period_file.h"
#include "session/session.h"
#include "text/encoding.h"
#include "ui/main_window.h"
#include "ui/window_main.h"

namespace {

using talve::ui::MainWindow;

// Every box gets its first button ("Oui" or "OK") as soon as it shows.
void answer_every_box() {
  if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      box && box->isVisible() && !box->buttons().isEmpty() && !box->property("answered").toBool()) {
    box->setProperty("answered", true);
    box->buttons().front()->click();
  }
}

struct RunFigures {
  double seconds = 0;
  double largest_gap = 0;
  double gap_99 = 0;
  std::size_t turns = 0;
};

RunFigures time_one_run(const std::string& description) {
  talve::CommandLine command_line;
  command_line.program_path = "talve";
  command_line.argument = description;
  MainWindow window(command_line);
  window.show();
  while (!window.startup_done()) QApplication::processEvents();

  QTimer answerer;
  QObject::connect(&answerer, &QTimer::timeout, answer_every_box);
  answerer.start(0);
  // A zero timer fires at every turn of the event loop: the time between two
  // of its shots is the time the window could not answer a click.
  std::vector<double> gaps;
  QElapsedTimer clock;
  double last = -1;
  QTimer turns;
  QObject::connect(&turns, &QTimer::timeout, [&] {
    const double now = clock.nsecsElapsed() / 1e9;
    const auto& flags = window.session().flags;
    if (last >= 0 && (flags.running || flags.busy)) gaps.push_back(now - last);
    last = now;
  });
  auto* listing = window.findChild<QAbstractButton*>("SpeedButton_lister");
  auto* traiter = window.findChild<QAbstractButton*>("SpeedButton_traiter_fichier");
  clock.start();
  turns.start(0);
  listing->click();
  traiter->click();
  const double seconds = clock.nsecsElapsed() / 1e9;
  turns.stop();
  RunFigures figures;
  figures.seconds = seconds;
  figures.turns = gaps.size();
  std::sort(gaps.begin(), gaps.end());
  if (!gaps.empty()) {
    figures.largest_gap = gaps.back();
    figures.gap_99 = gaps[gaps.size() * 99 / 100];
  }
  if (!window.session().run.result_written) std::fprintf(stderr, "no result file written\n");
  return figures;
}

// 100,000 rows in the FileTable and in the result list, shown.
double time_large_views() {
  QTimer answerer;
  QObject::connect(&answerer, &QTimer::timeout, answer_every_box);
  answerer.start(0);
  MainWindow window;
  window.show();
  while (!window.startup_done()) QApplication::processEvents();
  talve::Session& session = window.session();
  for (int i = 0; i < 100000; ++i) {
    const int row = session.file_table.add_row();
    session.file_table.ecrire_case(row, "fichier", "station_" + std::to_string(i) + ".csv");
    session.result_list.push_back("01/01/2021 00:15:00;1.25;2.50;3.75;" + std::to_string(i));
  }
  // From the rows in the session to the window painted with them.
  QElapsedTimer clock;
  clock.start();
  window.refresh();
  QApplication::processEvents();
  window.grab();
  return clock.nsecsElapsed() / 1e9;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (argc < 4) {
    std::fprintf(stderr, "usage: window_bench DESCRIPTION.dsc START END [REPEAT]\n");
    return 2;
  }
  QApplication app(argc, argv);
  talve::ui::load_french_translations(app);
  const std::string description = argv[1];
  const int repeat = argc > 4 ? std::max(1, std::atoi(argv[4])) : 3;
  RunFigures best;
  for (int i = 0; i < repeat; ++i) {
    // The period of the run, as the period file gives it at start-up.
    std::ofstream(talve::period_file_path(), std::ios::binary)
        << argv[2] << "\r\n"
        << argv[3] << "\r\n00:15:00\r\n\r\n1\r\n0\r\n0\r\n";
    const RunFigures run = time_one_run(description);
    if (i == 0 || run.seconds < best.seconds) best = run;
  }
  std::printf("window run (steps 1 to 3)   %.3f s\n", best.seconds);
  std::printf("largest event loop gap      %.1f ms (99th percentile %.1f ms, %zu turns)\n",
              best.largest_gap * 1e3, best.gap_99 * 1e3, best.turns);
  std::printf("100,000 rows shown          %.1f ms\n", time_large_views() * 1e3);
  return 0;
}
