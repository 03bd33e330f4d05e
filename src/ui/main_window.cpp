// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window.h"

#include <QGridLayout>
#include <QGroupBox>

#include "ui/zones.h"

namespace talve::ui {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), m_surface(new QWidget(this)) {
  setObjectName("Form1");
  m_surface->setObjectName("surface");
  setCentralWidget(m_surface);
  // Zone 1 is the top band; the file list and the output format share the
  // middle; the period sits at the bottom left and the results at the bottom
  // right.
  auto* grid = new QGridLayout(m_surface);
  grid->setContentsMargins(4, 4, 4, 4);
  grid->setSpacing(4);
  grid->addWidget(build_description_zone(m_surface), 0, 0, 1, 2);
  grid->addWidget(build_files_zone(m_surface), 1, 0);
  grid->addWidget(build_output_zone(m_surface), 1, 1);
  grid->addWidget(build_period_zone(m_surface), 2, 0);
  grid->addWidget(build_results_zone(m_surface), 2, 1);
  grid->setRowStretch(1, 1);
  grid->setColumnStretch(0, 3);
  grid->setColumnStretch(1, 2);
  build_floating_panels(m_surface);
}

}  // namespace talve::ui
