// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_main.h"

#include <QApplication>
#include <QString>

#include "core/program_title.h"
#include "text/encoding.h"
#include "ui/main_window.h"

namespace talve::ui {

int window_main(int argc, char** argv) {
  QApplication app(argc, argv);
  MainWindow window;
  window.setWindowTitle(QString::fromStdString(cp1252_to_utf8(program_title())));
  window.resize(1200, 800);
  window.show();
  return app.exec();
}

}  // namespace talve::ui
