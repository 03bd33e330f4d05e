// SPDX-License-Identifier: GPL-3.0-or-later
// The chart window's benchmark, under Qt's offscreen platform:
//   chart_bench ROWS COLUMNS [REPEAT] [--hold SECONDS]
// fills the session's ResultTable with ROWS one-minute rows of COLUMNS
// data columns (waves, noise, spikes and missing runs), then times, on a
// 1860 x 1000 window: "graphiques..." until every chart is drawn, the first
// time (the series' summaries made) and again (the median of REPEAT,
// closed between), a wheel zoom, a pan step of the right button, a
// double-click that resets the zoom (each the median of REPEAT), and the
// memory the charts took (the resident size after the first opening less
// before). With --hold the window stays
// shown that long (run it on a display to look at it).
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QSpinBox>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "session/session.h"
#include "text/tdatetime.h"
#include "ui/chart_plot.h"
#include "ui/chart_window.h"
#include "ui/window_interface.h"

namespace {

using talve::ResultTable;

long resident_kb() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * 4;
}

// A result of `rows` rows from 01/01/2014 at one minute, as a run leaves it.
void fill_result(ResultTable& table, int rows, int data) {
  table.rows = rows + 3;
  table.columns = data + 5;
  table.grid_count = rows;
  table.cells.reset(static_cast<std::size_t>(table.rows), static_cast<std::size_t>(table.columns));
  table.instants.assign(static_cast<std::size_t>(rows) + 1, 0.0);
  table.map.count = data + 2;
  table.map.titles.assign(static_cast<std::size_t>(data) + 3, "");
  table.map.sources.assign(static_cast<std::size_t>(data) + 3, 0);
  for (int j = 2; j < data + 2; ++j)
    table.map.titles[static_cast<std::size_t>(j)] = "capteur_" + std::to_string(j - 1);
  table.map.titles[static_cast<std::size_t>(data) + 2] = "nb";
  std::mt19937 random(2014);
  std::uniform_real_distribution<double> noise(-0.3, 0.3);
  const double start = 41640;  // 01/01/2014
  int gap = 0;
  for (int r = 1; r <= rows; ++r) {
    table.instants[static_cast<std::size_t>(r)] = start + (r - 1) / 1440.0;
    if (gap == 0 && random() % 20000 == 0) gap = 1 + static_cast<int>(random() % 600);
    if (gap > 0) {
      --gap;
      continue;
    }
    for (int j = 0; j < data; ++j) {
      talve::ResultCell& cell = table.at(r, j + 2);
      cell.value = 10 * (j + 1) + 8 * std::sin(r * 2 * M_PI / 525960.0) +
                   3 * std::sin(r * 2 * M_PI / 1440.0) + noise(random) + (random() % 100000 == 0 ? 40 : 0);
      cell.ok_count = 1;
    }
    table.set_nb(r, 1);
  }
  ++table.generation;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

// Lets the window run until nothing waits (the queued redraws).
void settle() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

double time_ms(const std::function<void()>& action) {
  QElapsedTimer clock;
  clock.start();
  action();
  settle();
  return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "chart_bench ROWS COLUMNS [REPEAT] [--hold SECONDS]\n");
    return 2;
  }
  const int rows = std::stoi(argv[1]);
  const int data = std::stoi(argv[2]);
  int repeat = 5, hold = 0;
  for (int i = 3; i < argc; ++i) {
    if (std::strcmp(argv[i], "--hold") == 0 && i + 1 < argc)
      hold = std::stoi(argv[++i]);
    else
      repeat = std::stoi(argv[i]);
  }

  QWidget host;
  talve::ui::WindowInterface ui(&host);
  talve::Session session(ui);
  fill_result(session.results, rows, data);
  // The period of the rows, as the header shows it.
  session.period.start_caption = talve::format_canonical(session.results.instants[1]);
  session.period.end_caption =
      talve::format_canonical(session.results.instants[static_cast<std::size_t>(rows)]);
  session.period.step_time = 60.0 / 86400.0;
  session.period.count_caption = std::to_string(rows) + " => " + std::to_string(rows / 1440) + " jours";

  talve::ui::ChartWindow window(session);
  window.resize(1860, 1000);
  window.findChild<QSpinBox*>("UpDown1")->setValue(rows > 10000 ? 1 : 3);
  settle();

  const auto open = [&] {
    return time_ms([&] {
      window.toggle();
      window.grab();
    });
  };
  const long before = resident_kb();
  const double first_opening = open();
  const long memory = resident_kb() - before;
  std::vector<double> opening;
  for (int i = 0; i < repeat; ++i) {
    window.toggle();
    opening.push_back(open());
  }

  talve::ui::ChartPlot* chart = window.chart(1);
  const QPoint centre = chart->axisRect()->rect().center();
  std::vector<double> wheel, pan, reset;
  for (int i = 0; i < repeat; ++i) {
    wheel.push_back(time_ms([&] {
      QWheelEvent event(centre, chart->mapToGlobal(centre), {}, {0, i % 2 ? -120 : 120}, Qt::NoButton, {},
                        Qt::NoScrollPhase, false);
      QApplication::sendEvent(chart, &event);
    }));
  }
  QTest::mousePress(chart, Qt::RightButton, {}, centre);
  for (int i = 1; i <= repeat; ++i) {
    pan.push_back(time_ms([&] {
      QMouseEvent move(QEvent::MouseMove, centre - QPoint(10 * i, 0),
                       chart->mapToGlobal(centre - QPoint(10 * i, 0)), Qt::NoButton, Qt::RightButton, {});
      QApplication::sendEvent(chart, &move);
    }));
  }
  QTest::mouseRelease(chart, Qt::RightButton, {}, centre - QPoint(10 * repeat, 0));
  for (int i = 0; i < repeat; ++i)
    reset.push_back(time_ms([&] { QTest::mouseDClick(chart, Qt::LeftButton, {}, centre); }));

  std::printf(
      "%d lignes x %d colonnes : ouverture %.0f ms (puis %.0f ms), roulette %.1f ms, déplacement %.1f ms, "
      "zoom initial %.1f ms, mémoire des graphiques %.0f Mo\n",
      rows, data, first_opening, median(opening), median(wheel), median(pan), median(reset),
      static_cast<double>(memory) / 1024);
  std::fflush(stdout);
  if (hold > 0) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < hold * 1000) QApplication::processEvents(QEventLoop::AllEvents, 50);
  }
  return 0;
}
