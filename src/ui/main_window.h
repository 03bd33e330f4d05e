// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

namespace talve::ui {

// The main window "Form1": the five zones laid out on its central surface,
// with the floating panels raised over them.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);

  // The central widget: the zones' parent and the floating panels' surface.
  QWidget* surface() const { return m_surface; }

 private:
  QWidget* m_surface;
};

}  // namespace talve::ui
