// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_main.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "session/startup.h"
#include "ui/main_window.h"

namespace talve::ui {

void load_french_translations(QApplication& app) {
  // Qt's own dialogs (file dialogs, the buttons they make themselves) in
  // French, as the rest of the window.
  auto* translator = new QTranslator(&app);
  if (translator->load(QLocale(QLocale::French), "qtbase", "_",
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(translator);
}

int window_main(int argc, char** argv) {
  QApplication app(argc, argv);
  load_french_translations(app);
  const CommandLine command_line = read_command_line(argc, argv);
  MainWindow window(command_line);
  window.show();
  return app.exec();
}

}  // namespace talve::ui
