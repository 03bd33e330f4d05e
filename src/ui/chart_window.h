// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>
#include <string>

#include "output/chart_summaries.h"
#include "session/chart_content.h"
#include "ui/chart_plot.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSlider;
class QSpinBox;

namespace talve {
class Session;
}

namespace talve::ui {

// The chart window "TForm2": up to five stacked charts of the last result,
// each beside its column list and its derivative list. A window of its own,
// not a child of the main window: several of its controls bear the names
// of main window controls (`Label1`, `Label5`, `Memo3`...), which the
// main window's lookups must not find.
class ChartWindow : public QWidget {
  Q_OBJECT

 public:
  explicit ChartWindow(Session& session);
  ~ChartWindow() override;

  // "graphiques...": hides the window when it is shown; otherwise opens it
  // on the current result (small points above 10,000 grid instants).
  void toggle();
  // The chart title the FileTable's check actions set (`Label1`).
  void set_title(const std::string& cp1252);
  // A task started or ended: while one runs the window is disabled and its
  // charts read nothing; when a run gave a new result, a shown window
  // opens on it.
  void follow_session();

  ChartPlot* chart(int number) const { return m_charts[static_cast<std::size_t>(number - 1)]; }
  // The single-chart mode: 0, or the number of the chart shown alone.
  int single() const { return m_single; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void build_charts();
  void build_controls();
  void open_content();
  void fill_lists();
  void draw_all();
  struct PlannedSeries {
    int chart;
    SeriesValues values;
    QString title;
    QColor colour;
  };
  std::vector<PlannedSeries> plan_series() const;
  ChartLook look_for(int number) const;
  ChartChecks checks(int first_list) const;
  void lay_out();
  void set_single(int number, bool alone);
  void follow_track_bars();
  void copy_chart();
  void check_all_columns();
  void show_note(const QString& note, const QPoint& global);

  Session& m_session;
  ChartContent m_content;
  SeriesSummaries m_summaries;
  std::array<ChartPlot*, kChartCount> m_charts{};
  std::array<QCheckBox*, kChartCount> m_modes{};
  std::array<QListWidget*, 2 * kChartCount> m_lists{};
  std::array<QSlider*, 4> m_track_bars{};
  std::array<QLabel*, 4> m_track_labels{};
  QWidget* m_strip = nullptr;
  QLabel* m_title = nullptr;
  QLabel* m_help = nullptr;
  QLabel* m_note = nullptr;
  QCheckBox* m_axes = nullptr;
  QCheckBox* m_three_d = nullptr;
  QCheckBox* m_marks = nullptr;
  QSpinBox* m_point_size = nullptr;
  QButtonGroup* m_abscissa = nullptr;
  QPushButton* m_copy = nullptr;
  int m_single = 0;
  bool m_saved_three_d = false;
  bool m_busy = false;
};

}  // namespace talve::ui
