// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/zones.h"

namespace talve::ui {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), m_surface(new QWidget(this)) {
  setObjectName("Form1");
  m_surface->setObjectName("surface");
  setCentralWidget(m_surface);
  // About two hundred controls share the window: a compact font keeps it
  // within a 1920 x 1080 screen.
  QFont compact = font();
  compact.setPointSize(8);
  setFont(compact);
  // Zone 1 is the top band; the file list and the output format share the
  // middle row, the period (left) and the results (right) the bottom one.
  // Each row divides its width on its own.
  auto* rows = new QVBoxLayout(m_surface);
  rows->setContentsMargins(4, 4, 4, 4);
  rows->setSpacing(4);
  rows->addWidget(build_description_zone(m_surface));
  auto* middle = new QHBoxLayout;
  middle->addWidget(build_files_zone(m_surface), 1);
  middle->addWidget(build_output_zone(m_surface));
  rows->addLayout(middle, 1);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(build_period_zone(m_surface), 1);
  bottom->addWidget(build_results_zone(m_surface));
  rows->addLayout(bottom);
  build_floating_panels(m_surface);
}

}  // namespace talve::ui
