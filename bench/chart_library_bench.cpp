// SPDX-License-Identifier: GPL-3.0-or-later
// The two charting libraries the chart window could draw with, on the same
// series: Qt Charts (a line with gaps is one series per segment) and
// QCustomPlot (NaN breaks a line), each fed every row or the rows reduced
// to the first, lowest, highest and last value of each pixel column. Prints
// the time to give a chart its data and draw it, the time to draw it again
// after a pan (the view moved by a tenth) and the memory the charts took.
//
//   chart_library_bench rows series variant   (offscreen platform)
// variant: 0 QCustomPlot reduced, 1 Qt Charts reduced, 2 QCustomPlot every
// row, 3 Qt Charts every row; one variant per process, so that each
// measures its own memory.
#include <qcustomplot.h>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QElapsedTimer>
#include <QLineSeries>
#include <QPixmap>
#include <QValueAxis>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 1700;
constexpr int kHeight = 190;

struct Series {
  std::vector<double> x;  // seconds since 1970
  std::vector<double> y;  // NaN where the row is missing
};

// A one-minute series with a daily wave, noise and missing runs.
Series make_series(int rows, unsigned seed) {
  Series s;
  s.x.resize(static_cast<std::size_t>(rows));
  s.y.resize(static_cast<std::size_t>(rows));
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> noise(-0.5, 0.5);
  int gap = 0;
  for (int r = 0; r < rows; ++r) {
    s.x[static_cast<std::size_t>(r)] = 1.6e9 + 60.0 * r;
    if (gap == 0 && random() % 2000 == 0) gap = 1 + static_cast<int>(random() % 30);
    if (gap > 0) {
      --gap;
      s.y[static_cast<std::size_t>(r)] = std::nan("");
    } else {
      s.y[static_cast<std::size_t>(r)] = 10 + 5 * std::sin(r * 2 * M_PI / 1440) + noise(random);
    }
  }
  return s;
}

// The first, lowest, highest and last value of each pixel column of the
// range [x0, x1), NaN between columns separated by a missing row.
Series reduce(const Series& s, double x0, double x1) {
  Series out;
  const double width = (x1 - x0) / kWidth;
  std::size_t r = static_cast<std::size_t>(std::lower_bound(s.x.begin(), s.x.end(), x0) - s.x.begin());
  bool broken = false;
  for (int c = 0; c < kWidth && r < s.x.size(); ++c) {
    const double end = x0 + (c + 1) * width;
    std::size_t first = SIZE_MAX, last = 0, lo = 0, hi = 0;
    for (; r < s.x.size() && s.x[r] < end; ++r) {
      if (std::isnan(s.y[r])) {
        broken = true;
        continue;
      }
      if (first == SIZE_MAX) {
        first = lo = hi = r;
        if (broken && !out.x.empty()) {
          out.x.push_back(s.x[r]);
          out.y.push_back(std::nan(""));
        }
        broken = false;
      }
      last = r;
      if (s.y[r] < s.y[lo]) lo = r;
      if (s.y[r] > s.y[hi]) hi = r;
    }
    if (first == SIZE_MAX) continue;
    for (std::size_t k : {first, std::min(lo, hi), std::max(lo, hi), last}) {
      if (!out.x.empty() && out.x.back() == s.x[k]) continue;
      out.x.push_back(s.x[k]);
      out.y.push_back(s.y[k]);
    }
  }
  return out;
}

long resident_kb() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * 4;
}

struct Figures {
  double first_ms = 0;
  double pan_ms = 0;
  long memory_kb = 0;
};

// Qt Charts: one QLineSeries per run of rows without a gap.
void fill_qtcharts(QChart* chart, const std::vector<Series>& data) {
  chart->removeAllSeries();
  for (const Series& s : data) {
    QList<QPointF> points;
    auto flush = [&] {
      if (points.isEmpty()) return;
      auto* line = new QLineSeries;
      line->replace(points);
      chart->addSeries(line);
      for (QAbstractAxis* axis : chart->axes()) line->attachAxis(axis);
      points.clear();
    };
    for (std::size_t i = 0; i < s.x.size(); ++i) {
      if (std::isnan(s.y[i]))
        flush();
      else
        points.append(QPointF(s.x[i] * 1000, s.y[i]));
    }
    flush();
  }
}

Figures bench_qtcharts(const std::vector<Series>& rows, bool reduced) {
  Figures f;
  const long before = resident_kb();
  QElapsedTimer clock;
  clock.start();
  auto* chart = new QChart;
  chart->legend()->hide();
  auto* x_axis = new QDateTimeAxis;
  auto* y_axis = new QValueAxis;
  chart->addAxis(x_axis, Qt::AlignBottom);
  chart->addAxis(y_axis, Qt::AlignLeft);
  QChartView view(chart);
  view.resize(kWidth, kHeight);
  const double x0 = rows[0].x.front(), x1 = rows[0].x.back();
  auto draw = [&](double a, double b) {
    std::vector<Series> data;
    for (const Series& s : rows) data.push_back(reduced ? reduce(s, a, b) : s);
    fill_qtcharts(chart, data);
    x_axis->setRange(QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(a * 1000)),
                     QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(b * 1000)));
    y_axis->setRange(0, 20);
    view.grab();
  };
  draw(x0, x1);
  f.first_ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
  f.memory_kb = resident_kb() - before;
  clock.restart();
  const double shift = (x1 - x0) / 10;
  if (reduced) {
    draw(x0 + shift, x1 + shift);
  } else {
    x_axis->setRange(QDateTime::fromMSecsSinceEpoch(static_cast<qint64>((x0 + shift) * 1000)),
                     QDateTime::fromMSecsSinceEpoch(static_cast<qint64>((x1 + shift) * 1000)));
    view.grab();
  }
  f.pan_ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
  return f;
}

Figures bench_qcustomplot(const std::vector<Series>& rows, bool reduced) {
  Figures f;
  const long before = resident_kb();
  QElapsedTimer clock;
  clock.start();
  QCustomPlot plot;
  plot.resize(kWidth, kHeight);
  plot.xAxis->setTicker(QSharedPointer<QCPAxisTickerDateTime>::create());
  const double x0 = rows[0].x.front(), x1 = rows[0].x.back();
  auto draw = [&](double a, double b) {
    if (plot.graphCount() == 0 || reduced) {
      plot.clearGraphs();
      for (const Series& s : rows) {
        const Series d = reduced ? reduce(s, a, b) : s;
        QCPGraph* graph = plot.addGraph();
        graph->setData(QVector<double>(d.x.begin(), d.x.end()), QVector<double>(d.y.begin(), d.y.end()),
                       true);
      }
    }
    plot.xAxis->setRange(a, b);
    plot.yAxis->setRange(0, 20);
    plot.replot(QCustomPlot::rpImmediateRefresh);
    plot.toPixmap(kWidth, kHeight);
  };
  draw(x0, x1);
  f.first_ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
  f.memory_kb = resident_kb() - before;
  clock.restart();
  const double shift = (x1 - x0) / 10;
  draw(x0 + shift, x1 + shift);
  f.pan_ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
  return f;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const int rows = argc > 1 ? std::stoi(argv[1]) : 100000;
  const int count = argc > 2 ? std::stoi(argv[2]) : 3;
  std::vector<Series> data;
  for (int k = 0; k < count; ++k) data.push_back(make_series(rows, static_cast<unsigned>(k + 1)));
  const int variant = argc > 3 ? std::stoi(argv[3]) : 0;
  // The fonts and the platform's first drawing, before the measurement.
  QPixmap(10, 10).fill();
  QCustomPlot warm;
  warm.toPixmap(10, 10);
  static const char* const names[] = {"QCustomPlot, réduit", "Qt Charts, réduit",
                                      "QCustomPlot, toutes lignes", "Qt Charts, toutes lignes"};
  const Figures f = variant == 0   ? bench_qcustomplot(data, true)
                    : variant == 1 ? bench_qtcharts(data, true)
                    : variant == 2 ? bench_qcustomplot(data, false)
                                   : bench_qtcharts(data, false);
  std::printf("%d x %d  %-28s dessin %9.1f ms  pan %9.1f ms  mémoire %7.1f Mo\n", rows, count, names[variant],
              f.first_ms, f.pan_ms, static_cast<double>(f.memory_kb) / 1024);
  return 0;
}
