// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <qcustomplot.h>

namespace talve::ui {

class ChartPlot;

// What a chart draws over its plot: the value of every point when the
// marks are asked for, and the whole 3D view. In 3D each series is a
// ribbon one slice of the depth behind the one before, in the light colour
// of its palette entry with a black outline: seen obliquely behind the
// chart's own axes (several charts), or turned by the rotation and
// elevation and scaled by the zoom (one chart alone).
class ChartOverlay : public QCPLayerable {
 public:
  ChartOverlay(ChartPlot* plot, const QString& layer);

  // The depth of the 3D view in pixels: a percentage of the plot's height.
  static int depth_pixels(const ChartPlot& plot);

 protected:
  void applyDefaultAntialiasingHint(QCPPainter* painter) const override;
  void draw(QCPPainter* painter) override;

 private:
  void draw_marks(QCPPainter* painter) const;
  void draw_oblique(QCPPainter* painter) const;
  void draw_turned(QCPPainter* painter) const;

  ChartPlot* m_plot;
};

}  // namespace talve::ui
