// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/chart_plot.h"

#include <QMouseEvent>
#include <QRubberBand>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "text/system_locale.h"
#include "text/tdatetime.h"
#include "ui/chart_overlay.h"
#include "ui/text_edge.h"

namespace talve::ui {
namespace {

// TDateTime 25569 is 01/01/1970, where QCustomPlot's dates count from.
constexpr double kUnixEpochDay = 25569.0;
constexpr double kSecondsPerDayD = 86400.0;
constexpr int kAnimationSteps = 32;
constexpr int kAnimationTickMs = 10;
// A click this close to a point (pixels) is a click on it.
constexpr double kPointReach = 6;
// The note goes when the pointer moves farther than this from the click.
constexpr int kNoteReach = 20;
// A drag shorter than this is a click.
constexpr int kDragThreshold = 4;
// Left axis labels at least this far apart (pixels).
constexpr int kLeftLabelSpacing = 40;
constexpr int kBottomLabelSpacing = 140;

const char* const kDateFormats[] = {"dd-MM-yyyy hh:mm", "dd-MM-yyyy", "hh:mm", "MMM-yyyy"};
// The least step between two date labels of each format: a format without
// the time of day would repeat a day under each hour.
constexpr double kLeastLabelStep[] = {60, kSecondsPerDayD, 60, 28 * kSecondsPerDayD};

// Date labels no finer than their format shows.
class DateTicker : public QCPAxisTickerDateTime {
 public:
  explicit DateTicker(double least_step) : m_least_step(least_step) {}

 protected:
  double getTickStep(const QCPRange& range) override {
    const double step = QCPAxisTickerDateTime::getTickStep(range);
    if (step >= m_least_step) return step;
    // Whole days from a midnight, or the same day of each month.
    mDateStrategy = m_least_step >= 28 * kSecondsPerDayD ? dsUniformDayInMonth : dsNone;
    return m_least_step >= 28 * kSecondsPerDayD ? 30 * kSecondsPerDayD : m_least_step;
  }

 private:
  double m_least_step;
};

QString number_text(double y) {
  char text[64];
  std::snprintf(text, sizeof text, "%5.3f ", y);
  QString out = QString::fromLatin1(text);
  if (system_decimal_separator() != '.') out.replace('.', QChar::fromLatin1(system_decimal_separator()));
  return out;
}

}  // namespace

ChartPlot::ChartPlot(QWidget* parent, int number) : QCustomPlot(parent) {
  setObjectName(QStringLiteral("Chart%1").arg(number));
  setAccessibleName(QStringLiteral("graphique %1").arg(number));
  setLocale(QLocale(QLocale::French, QLocale::France));
  setInteractions(QCP::Interactions());
  setBackground(Qt::white);
  setNoAntialiasingOnDrag(true);
  axisRect()->setBackground(Qt::white);
  legend->setFont(QFont(font().family(), 7));
  legend->setBrush(QColor(255, 255, 255, 210));
  legend->setIconSize(18, 8);
  legend->setRowSpacing(0);
  axisRect()->insetLayout()->setInsetAlignment(0, Qt::AlignTop | Qt::AlignRight);
  // The ribbons of 3D and the value marks lie over the series, under the
  // axes and the legend.
  addLayer(QStringLiteral("ribbons"), layer(QStringLiteral("main")), QCustomPlot::limAbove);
  m_overlay = new ChartOverlay(this, QStringLiteral("ribbons"));
  // The note of a point goes when the pointer moves away, buttons up.
  setMouseTracking(true);
  m_band = new QRubberBand(QRubberBand::Rectangle, this);
  m_animation.setInterval(kAnimationTickMs);
  connect(&m_animation, &QTimer::timeout, this, &ChartPlot::animate_step);
  apply_look();
}

ChartPlot::~ChartPlot() = default;

double ChartPlot::key_of(double x) const {
  return m_look.row_numbers() ? x : (x - kUnixEpochDay) * kSecondsPerDayD;
}

double ChartPlot::x_of(double key) const {
  return m_look.row_numbers() ? key : key / kSecondsPerDayD + kUnixEpochDay;
}

void ChartPlot::set_look(const ChartLook& look) {
  m_look = look;
  apply_look();
}

// The axes, their labels, the markers and the 3D room follow the look.
void ChartPlot::apply_look() {
  const bool dates = !m_look.row_numbers();
  if (dates) {
    const int format = std::clamp(m_look.abscissa, 0, 3);
    auto ticker = QSharedPointer<DateTicker>::create(kLeastLabelStep[format]);
    ticker->setDateTimeFormat(QString::fromLatin1(kDateFormats[format]));
    ticker->setTimeZone(QTimeZone::utc());
    xAxis->setTicker(ticker);
  } else {
    xAxis->setTicker(QSharedPointer<QCPAxisTicker>::create());
  }
  xAxis->ticker()->setTickCount(std::max(2, width() / kBottomLabelSpacing));
  yAxis->ticker()->setTickCount(std::max(2, height() / kLeftLabelSpacing));
  const bool has_series = !m_series.empty();
  const bool projected = m_look.three_d && !m_look.orthogonal;
  for (QCPAxis* axis : {xAxis, yAxis}) {
    axis->setVisible(has_series && m_look.axes && !projected);
    axis->setBasePen(QPen(Qt::black, 1));
  }
  legend->setVisible(has_series);
  // Room for the depth behind the front face of an oblique 3D chart; a
  // turned chart draws its own axes inside fixed margins.
  const int depth = m_look.three_d ? ChartOverlay::depth_pixels(*this) : 0;
  if (projected) {
    axisRect()->setAutoMargins(QCP::msNone);
    axisRect()->setMargins(QMargins(60, 20, 20, 30));
  } else {
    axisRect()->setAutoMargins(QCP::msAll);
    axisRect()->setMinimumMargins(QMargins(0, depth > 0 ? depth + 4 : 0, depth > 0 ? depth + 4 : 0, 0));
  }
  for (const auto& series : m_series) {
    QCPGraph* graph = series->graph;
    graph->setVisible(!m_look.three_d);
    graph->setPen(QPen(series->colour, 1));
    if (m_look.three_d) {
      graph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssNone));
    } else if (m_look.point_size <= 1) {
      graph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDot, series->colour, 1));
    } else {
      graph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, series->colour, series->colour,
                                             2 * m_look.point_size + 1));
    }
  }
}

void ChartPlot::clear_series() {
  m_animation.stop();
  clearGraphs();
  m_series.clear();
  apply_look();
  replot(rpQueuedReplot);
}

void ChartPlot::add_series(const SeriesValues& values, std::shared_ptr<const SeriesSummary> summary,
                           const QString& title, const QColor& colour) {
  auto series = std::make_unique<ChartSeries>(values, std::move(summary), title, colour);
  series->graph = addGraph();
  series->graph->setName(title);
  series->graph->setAdaptiveSampling(false);  // the points are already at the screen's resolution
  m_series.push_back(std::move(series));
}

void ChartPlot::show_all() {
  apply_look();
  if (m_series.empty()) return;
  double least = 0, greatest = 0;
  bool any = false;
  for (const auto& series : m_series) {
    if (series->summary->empty()) continue;
    least = any ? std::min(least, series->summary->least()) : series->summary->least();
    greatest = any ? std::max(greatest, series->summary->greatest()) : series->summary->greatest();
    any = true;
  }
  m_bounds = left_axis_bounds(least, greatest, any, m_bounds);
  const SeriesValues& first = m_series.front()->values;
  const ChartAbscissa abscissa(first.table(), m_look.row_numbers());
  m_full_min = abscissa.x(first.first_row());
  m_full_max = abscissa.x(std::max(first.first_row(), first.last_row()));
  if (m_full_max <= m_full_min) {
    // One row: half a step on each side.
    m_full_min -= 0.5;
    m_full_max += 0.5;
  }
  reset_zoom();
}

void ChartPlot::reset_zoom() {
  m_animation.stop();
  yAxis->setRange(m_bounds.least, m_bounds.greatest);
  set_x_range(m_full_min, m_full_max);
}

AxisBounds ChartPlot::left_axis() const { return {yAxis->range().lower, yAxis->range().upper}; }

void ChartPlot::set_x_range(double x_min, double x_max) {
  m_x_min = x_min;
  m_x_max = x_max;
  xAxis->setRange(key_of(x_min), key_of(x_max));
  refill();
  replot(rpQueuedReplot);
}

// The pixel columns the series are reduced to: the plot's width, where
// the horizontal axis runs.
int ChartPlot::plot_columns() {
  const int columns = axisRect()->width();
  return columns > 10 ? columns : std::max(width(), 10);
}

// The points of the view, from the ResultTable.
void ChartPlot::refill() {
  if (m_series.empty() || (rows_readable && !rows_readable())) return;
  const int columns = plot_columns();
  for (const auto& series : m_series) {
    const ChartAbscissa abscissa(series->values.table(), m_look.row_numbers());
    series->points = reduce_series(series->values, *series->summary, abscissa, m_x_min, m_x_max, columns);
    QVector<QCPGraphData> drawn;
    drawn.reserve(static_cast<qsizetype>(series->points.size()));
    for (const ChartPoint& p : series->points) drawn.append(QCPGraphData(key_of(p.x), p.y));
    series->graph->data()->set(drawn, true);
  }
}

void ChartPlot::zoom_to(double x_min, double x_max, double y_min, double y_max) {
  if (!(x_max > x_min) || !(y_max > y_min)) return;
  m_from_x = xAxis->range();
  m_from_y = yAxis->range();
  m_to_x = QCPRange(key_of(x_min), key_of(x_max));
  m_to_y = QCPRange(y_min, y_max);
  m_x_min = x_min;
  m_x_max = x_max;
  m_step = 0;
  m_animation.start();
}

// One step of the zoom: the ranges move a 32nd of the way with the points
// already there; the last step reads the rows of the new range.
void ChartPlot::animate_step() {
  ++m_step;
  const double t = static_cast<double>(m_step) / kAnimationSteps;
  const auto between = [t](const QCPRange& a, const QCPRange& b) {
    return QCPRange(a.lower + (b.lower - a.lower) * t, a.upper + (b.upper - a.upper) * t);
  };
  xAxis->setRange(between(m_from_x, m_to_x));
  yAxis->setRange(between(m_from_y, m_to_y));
  if (m_step >= kAnimationSteps) {
    m_animation.stop();
    refill();
  }
  replot(rpQueuedReplot);
}

QImage ChartPlot::picture() { return toPixmap(width(), height()).toImage(); }

QPointF ChartPlot::position_of(double x, double y) const {
  return {xAxis->coordToPixel(key_of(x)), yAxis->coordToPixel(y)};
}

void ChartPlot::resizeEvent(QResizeEvent* event) {
  QCustomPlot::resizeEvent(event);
  redraw();
}

void ChartPlot::redraw() {
  apply_look();
  if (m_series.empty()) return;
  // The plot's margins follow its labels and its depth: the layout first,
  // then the points for the width it leaves.
  plotLayout()->update(QCPLayoutElement::upPreparation);
  plotLayout()->update(QCPLayoutElement::upMargins);
  plotLayout()->update(QCPLayoutElement::upLayout);
  refill();
  replot(rpQueuedReplot);
}

// The point nearest to the click, when one is within reach: its note.
bool ChartPlot::click_point(const QPoint& at) {
  if (m_look.three_d || (rows_readable && !rows_readable())) return false;
  const ChartSeries* best_series = nullptr;
  const ChartPoint* best = nullptr;
  double best_distance = kPointReach + std::max(1, m_look.point_size);
  for (const auto& series : m_series) {
    for (const ChartPoint& p : series->points) {
      if (std::isnan(p.y)) continue;
      const QPointF where = position_of(p.x, p.y);
      const double distance = std::hypot(where.x() - at.x(), where.y() - at.y());
      if (distance < best_distance) {
        best_distance = distance;
        best = &p;
        best_series = series.get();
      }
    }
  }
  if (!best) return false;
  double y = best->y;
  static_cast<void>(best_series->values.value(best->row, y));
  const TDateTime instant = best_series->values.table().instants[static_cast<std::size_t>(best->row)];
  const QString note = QStringLiteral("  série   ") + best_series->title + QStringLiteral("\n  ") +
                       to_qstring(format_canonical(instant)) + QStringLiteral("\n  ") + number_text(y);
  m_note_at = at;
  m_note_shown = true;
  emit point_note(note, mapToGlobal(at));
  return true;
}

void ChartPlot::mousePressEvent(QMouseEvent* event) {
  m_press = event->pos();
  m_button = event->button();
  m_press_x = xAxis->range();
  m_press_y = yAxis->range();
  if (event->button() == Qt::RightButton && m_note_shown) {
    m_note_shown = false;
    emit note_dismissed();
  }
  event->accept();
}

void ChartPlot::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->pos();
  if (m_note_shown &&
      (std::abs(at.x() - m_note_at.x()) > kNoteReach || std::abs(at.y() - m_note_at.y()) > kNoteReach)) {
    m_note_shown = false;
    emit note_dismissed();
  }
  if (m_series.empty()) return;
  if (m_button == Qt::LeftButton) {
    m_band->setGeometry(QRect(m_press, at).normalized());
    m_band->setVisible((at - m_press).manhattanLength() > kDragThreshold);
  } else if (m_button == Qt::RightButton) {
    // Panning: the data under the pointer follows it, both ways.
    const double dx = xAxis->pixelToCoord(m_press.x()) - xAxis->pixelToCoord(at.x());
    const double dy = yAxis->pixelToCoord(m_press.y()) - yAxis->pixelToCoord(at.y());
    m_animation.stop();
    yAxis->setRange(m_press_y.lower + dy, m_press_y.upper + dy);
    set_x_range(x_of(m_press_x.lower + dx), x_of(m_press_x.upper + dx));
  }
}

void ChartPlot::mouseReleaseEvent(QMouseEvent* event) {
  const Qt::MouseButton button = m_button;
  m_button = Qt::NoButton;
  m_band->hide();
  if (button != Qt::LeftButton || m_series.empty()) return;
  const QPoint at = event->pos();
  if ((at - m_press).manhattanLength() <= kDragThreshold) {
    static_cast<void>(click_point(at));
    return;
  }
  if (at.x() < m_press.x() && at.y() < m_press.y()) {
    reset_zoom();
    return;
  }
  const QRect area = QRect(m_press, at).normalized();
  zoom_to(x_of(xAxis->pixelToCoord(area.left())), x_of(xAxis->pixelToCoord(area.right())),
          yAxis->pixelToCoord(area.bottom()), yAxis->pixelToCoord(area.top()));
}

void ChartPlot::mouseDoubleClickEvent(QMouseEvent* event) {
  event->accept();
  if (!m_series.empty()) reset_zoom();
}

// The wheel forward brings both ends of the left axis in by a tenth of the
// range, backward moves them out.
void ChartPlot::wheelEvent(QWheelEvent* event) {
  event->accept();
  if (m_series.empty() || event->angleDelta().y() == 0) return;
  const QCPRange range = yAxis->range();
  const double step = range.size() / 10 * (event->angleDelta().y() > 0 ? 1 : -1);
  yAxis->setRange(range.lower + step, range.upper - step);
  replot(rpQueuedReplot);
}

}  // namespace talve::ui
