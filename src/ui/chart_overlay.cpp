// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/chart_overlay.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

#include "text/system_locale.h"
#include "ui/chart_plot.h"

namespace talve::ui {
namespace {

const QColor kWallPen(160, 160, 160);
const QColor kBackWall(246, 246, 246);
const QColor kFloor(232, 232, 232);
const QColor kSideWall(240, 240, 240);

// A point of the plot (pixels) at a depth (pixels from the front) to the
// screen.
using Projection = std::function<QPointF(QPointF, double)>;

// Up to three decimals, with the user's decimal mark.
QString mark_text(double y) {
  QString text = QString::number(y, 'f', 3);
  while (text.endsWith('0')) text.chop(1);
  if (text.endsWith('.')) text.chop(1);
  return text.replace('.', QChar::fromLatin1(system_decimal_separator()));
}

// The series as ribbons, the farthest first: series k of n lies between
// depths k * depth / n and (k + 1) * depth / n.
void draw_ribbons(QCPPainter* painter, const ChartPlot& plot, double depth, const Projection& project,
                  const std::function<double(double)>& distance) {
  const auto& all = plot.series();
  const int count = static_cast<int>(all.size());
  std::vector<int> order(all.size());
  for (int k = 0; k < count; ++k) order[static_cast<std::size_t>(k)] = k;
  const auto middle = [&](int k) { return (k + 0.5) * depth / count; };
  std::stable_sort(order.begin(), order.end(),
                   [&](int a, int b) { return distance(middle(a)) > distance(middle(b)); });
  painter->setPen(QPen(Qt::black, 1));
  for (const int k : order) {
    const ChartSeries& series = *all[static_cast<std::size_t>(k)];
    const double near = k * depth / count, far = (k + 1) * depth / count;
    painter->setBrush(series.colour);
    QPolygonF front, back;
    const auto flush = [&] {
      if (front.size() > 1) {
        QPolygonF ribbon = front;
        for (auto it = back.crbegin(); it != back.crend(); ++it) ribbon << *it;
        painter->drawPolygon(ribbon, Qt::WindingFill);
      } else if (front.size() == 1) {
        painter->drawLine(front.front(), back.front());
      }
      front.clear();
      back.clear();
    };
    for (const ChartPoint& p : series.points) {
      if (std::isnan(p.y)) {
        flush();
        continue;
      }
      const QPointF at = plot.position_of(p.x, p.y);
      front << project(at, near);
      back << project(at, far);
    }
    flush();
  }
}

}  // namespace

ChartOverlay::ChartOverlay(ChartPlot* plot, const QString& layer) : QCPLayerable(plot, layer), m_plot(plot) {}

int ChartOverlay::depth_pixels(const ChartPlot& plot) {
  const ChartLook& look = plot.look();
  // The oblique view's depth comes out of the plot's height, above it.
  const int height = look.orthogonal ? plot.height() - 40 : plot.height();
  return std::max(4, height * look.depth / 100);
}

void ChartOverlay::applyDefaultAntialiasingHint(QCPPainter* painter) const {
  painter->setAntialiasing(false);
}

void ChartOverlay::draw(QCPPainter* painter) {
  if (m_plot->series().empty()) return;
  const ChartLook& look = m_plot->look();
  if (!look.three_d) {
    if (look.value_marks) draw_marks(painter);
  } else if (look.orthogonal) {
    draw_oblique(painter);
  } else {
    draw_turned(painter);
  }
}

// Each point's value above it; a mark that would cover the one before of
// the same series is left out.
void ChartOverlay::draw_marks(QCPPainter* painter) const {
  const QRect area = m_plot->axisRect()->rect();
  painter->save();
  painter->setClipRect(area);
  QFont small = painter->font();
  small.setPointSize(7);
  painter->setFont(small);
  const QFontMetrics metrics(small);
  for (const auto& series : m_plot->series()) {
    painter->setPen(series->colour.darker(130));
    double free_from = -1e9;
    for (const ChartPoint& p : series->points) {
      if (std::isnan(p.y)) continue;
      const QPointF at = m_plot->position_of(p.x, p.y);
      if (!area.contains(at.toPoint())) continue;
      const QString text = mark_text(p.y);
      const double width = metrics.horizontalAdvance(text);
      const double left = at.x() - width / 2;
      if (left < free_from) continue;
      painter->drawText(QPointF(left, at.y() - 5), text);
      free_from = left + width + 4;
    }
  }
  painter->restore();
}

// Several charts: the chart's own axes on the front face, the walls and the
// ribbons behind it at 45 degrees.
void ChartOverlay::draw_oblique(QCPPainter* painter) const {
  const QRect front = m_plot->axisRect()->rect();
  // Back at 45 degrees: a pixel of depth is a pixel right and a pixel up.
  const double depth = depth_pixels(*m_plot);
  const QPointF back(depth, -depth);
  const auto project = [](QPointF at, double z) { return at + QPointF(z, -z); };
  painter->save();
  painter->setPen(kWallPen);
  painter->setBrush(kBackWall);
  painter->drawRect(QRectF(front).translated(back));
  painter->setBrush(kFloor);
  painter->drawPolygon(QPolygonF() << front.bottomLeft() << front.bottomRight() << front.bottomRight() + back
                                   << front.bottomLeft() + back);
  painter->setBrush(kSideWall);
  painter->drawPolygon(QPolygonF() << front.topLeft() << front.bottomLeft() << front.bottomLeft() + back
                                   << front.topLeft() + back);
  for (const double tick : m_plot->yAxis->tickVector()) {
    const double y = m_plot->yAxis->coordToPixel(tick);
    if (y < front.top() || y > front.bottom()) continue;
    painter->drawLine(QPointF(front.left(), y), QPointF(front.left(), y) + back);
    painter->drawLine(QPointF(front.left(), y) + back, QPointF(front.right(), y) + back);
  }
  painter->setClipRect(QRectF(front).adjusted(0, -depth, depth, 0));
  draw_ribbons(painter, *m_plot, depth, project, [](double z) { return z; });
  painter->restore();
}

// One chart alone: the box of the plot, turned about its centre by the
// rotation (about the vertical) and the elevation (about the horizontal),
// seen in a slight perspective and scaled by the zoom; its walls, the left
// axis labels on the front left edge and the time labels under the front.
void ChartOverlay::draw_turned(QCPPainter* painter) const {
  const ChartLook& look = m_plot->look();
  const QRectF box = m_plot->axisRect()->rect();
  const double depth = depth_pixels(*m_plot);
  const QPointF centre = box.center();
  const double turn = (look.rotation - 360) * std::numbers::pi / 180;
  const double tilt = (look.elevation - 360) * std::numbers::pi / 180;
  const double scale = look.zoom / 100.0;
  const double viewer = 4.0 * std::max(box.width(), box.height());
  const auto turned = [&](QPointF at, double z, double* distance) {
    const double x = at.x() - centre.x(), y = at.y() - centre.y(), zz = z - depth / 2;
    const double x1 = x * std::cos(turn) - zz * std::sin(turn);
    const double z1 = x * std::sin(turn) + zz * std::cos(turn);
    const double y2 = y * std::cos(tilt) - z1 * std::sin(tilt);
    const double z2 = y * std::sin(tilt) + z1 * std::cos(tilt);
    if (distance) *distance = z2;
    const double perspective = viewer / (viewer + z2);
    return centre + QPointF(x1, y2) * perspective * scale;
  };
  const Projection project = [&](QPointF at, double z) { return turned(at, z, nullptr); };
  const auto polygon = [&](std::initializer_list<std::pair<QPointF, double>> corners) {
    QPolygonF out;
    for (const auto& [at, z] : corners) out << project(at, z);
    return out;
  };
  painter->save();
  painter->setPen(kWallPen);
  painter->setBrush(kFloor);
  painter->drawPolygon(polygon({{box.bottomLeft(), 0},
                                {box.bottomRight(), 0},
                                {box.bottomRight(), depth},
                                {box.bottomLeft(), depth}}));
  painter->setBrush(kBackWall);
  painter->drawPolygon(polygon({{box.topLeft(), depth},
                                {box.topRight(), depth},
                                {box.bottomRight(), depth},
                                {box.bottomLeft(), depth}}));
  painter->setBrush(kSideWall);
  painter->drawPolygon(polygon(
      {{box.topLeft(), 0}, {box.bottomLeft(), 0}, {box.bottomLeft(), depth}, {box.topLeft(), depth}}));
  const QFontMetrics metrics(painter->font());
  const QVector<double> y_ticks = m_plot->yAxis->tickVector();
  const QVector<QString> y_labels = m_plot->yAxis->tickVectorLabels();
  for (int i = 0; i < y_ticks.size(); ++i) {
    const double y = m_plot->yAxis->coordToPixel(y_ticks[i]);
    if (y < box.top() || y > box.bottom()) continue;
    painter->setPen(kWallPen);
    painter->drawPolyline(
        polygon({{{box.left(), y}, 0}, {{box.left(), y}, depth}, {{box.right(), y}, depth}}));
    painter->setPen(Qt::black);
    const QPointF at = project({box.left(), y}, 0);
    const QString& label = y_labels.value(i);
    painter->drawText(at + QPointF(-metrics.horizontalAdvance(label) - 4, metrics.ascent() / 2.0), label);
  }
  const QVector<double> x_ticks = m_plot->xAxis->tickVector();
  const QVector<QString> x_labels = m_plot->xAxis->tickVectorLabels();
  for (int i = 0; i < x_ticks.size(); ++i) {
    const double x = m_plot->xAxis->coordToPixel(x_ticks[i]);
    if (x < box.left() || x > box.right()) continue;
    const QPointF at = project({x, box.bottom()}, 0);
    const QString& label = x_labels.value(i);
    painter->drawText(at + QPointF(-metrics.horizontalAdvance(label) / 2.0, metrics.ascent() + 4), label);
  }
  draw_ribbons(painter, *m_plot, depth, project, [&](double z) {
    double distance = 0;
    static_cast<void>(turned(centre, z, &distance));
    return distance;
  });
  painter->restore();
}

}  // namespace talve::ui
