// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <qcustomplot.h>
#include <QColor>
#include <QPoint>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "output/chart_look.h"
#include "output/chart_reduction.h"

class QRubberBand;

namespace talve::ui {

class ChartOverlay;

// How a chart is drawn, from the chart window's controls.
struct ChartLook {
  bool three_d = false;
  bool orthogonal = true;  // oblique 3D: each series one slice further back
  int depth = 10;          // percent of the plot's height
  int rotation = 360;      // degrees, 360 facing the chart
  int elevation = 360;     // degrees, 360 level with the chart
  int zoom = 100;          // percent
  bool axes = true;
  int abscissa = 1;  // `RadioGroup_abscisse`: 0..3 date formats, 4 the row number
  int point_size = 3;
  bool value_marks = false;

  static constexpr int kRowNumbers = 4;
  bool row_numbers() const { return abscissa == kRowNumbers; }
};

// One series as drawn: read from the ResultTable through its values, its
// summary read once, and the points of the current view.
struct ChartSeries {
  ChartSeries(const SeriesValues& v, std::shared_ptr<const SeriesSummary> s, QString t, QColor c)
      : values(v), summary(std::move(s)), title(std::move(t)), colour(c) {}
  SeriesValues values;
  std::shared_ptr<const SeriesSummary> summary;
  QString title;
  QColor colour;
  std::vector<ChartPoint> points;
  QCPGraph* graph = nullptr;
};

// One chart of the chart window (`Chart1` ... `Chart5`): its series drawn
// at the screen's resolution, rebuilt from the ResultTable whenever the
// horizontal range or the width changes. The mouse: a rectangle dragged with
// the left button zooms in (dragged up and to the left, it resets the
// zoom), the right button pans, the wheel brings the left axis bounds in
// or out by a tenth of the range, a double-click resets the zoom and a
// click on a point asks for its note.
class ChartPlot : public QCustomPlot {
  Q_OBJECT

 public:
  ChartPlot(QWidget* parent, int number);
  ~ChartPlot() override;

  // Whether the ResultTable the series read is still there: while a run
  // rebuilds it the chart keeps what it drew and reads nothing.
  std::function<bool()> rows_readable;

  void set_look(const ChartLook& look);
  const ChartLook& look() const { return m_look; }
  // Removes every series: the chart is white, without axes.
  void clear_series();
  void add_series(const SeriesValues& values, std::shared_ptr<const SeriesSummary> summary,
                  const QString& title, const QColor& colour);
  // After the series are added: the whole time range, the left axis by the
  // margin rule (`previous` bounds kept when the rule keeps them).
  void show_all();
  // The zoom of `show_all` again.
  void reset_zoom();
  // The points read again for the plot's present size and look, and drawn.
  void redraw();
  // Zooms on a horizontal range and left axis range (data units), animated.
  void zoom_to(double x_min, double x_max, double y_min, double y_max);
  bool animating() const { return m_animation.isActive(); }

  const std::vector<std::unique_ptr<ChartSeries>>& series() const { return m_series; }
  // The horizontal range shown (days, or row numbers) and the left axis.
  double x_min() const { return m_x_min; }
  double x_max() const { return m_x_max; }
  AxisBounds left_axis() const;
  // The chart as a picture, as it is on screen.
  QImage picture();
  // The screen position of a point's data coordinates.
  QPointF position_of(double x, double y) const;
  // The key (QCustomPlot's horizontal unit: seconds since 1970 for dates)
  // of a data x, and back.
  double key_of(double x) const;
  double x_of(double key) const;

 signals:
  // A left click on a point: the note to show at `at` (global position).
  void point_note(const QString& note, const QPoint& at);
  // A right click, or the pointer gone more than 20 pixels from the click.
  void note_dismissed();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void apply_look();
  void set_x_range(double x_min, double x_max);
  void refill();
  int plot_columns();
  void animate_step();
  bool click_point(const QPoint& at);

  ChartLook m_look;
  std::vector<std::unique_ptr<ChartSeries>> m_series;
  ChartOverlay* m_overlay = nullptr;
  QRubberBand* m_band = nullptr;
  double m_x_min = 0;
  double m_x_max = 1;
  double m_full_min = 0;
  double m_full_max = 1;
  AxisBounds m_bounds;  // the left axis the last drawing chose
  // The mouse.
  QPoint m_press;
  Qt::MouseButton m_button = Qt::NoButton;
  QCPRange m_press_x, m_press_y;
  QPoint m_note_at;
  bool m_note_shown = false;
  // The zoom's animation: 32 steps from one view to the next.
  QTimer m_animation;
  int m_step = 0;
  QCPRange m_from_x, m_from_y, m_to_x, m_to_y;
};

}  // namespace talve::ui
