// SPDX-License-Identifier: GPL-3.0-or-later
// manual_builder FOLDER OUTPUT.pdf: writes the user manual from its chapters.
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>

#include "manual_document.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("usage : manual_builder DOSSIER_DES_CHAPITRES MANUEL.pdf\n", stderr);
    return 2;
  }
  // A build has no session: Qt's platform plugin would warn on every build
  // that it lacks a runtime folder; a private one is made for the run.
  QTemporaryDir runtime;
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.isValid())
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
  QGuiApplication application(argc, argv);
  const QString error = talve::write_manual(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
  if (!error.isEmpty()) {
    std::fprintf(stderr, "manual_builder : %s\n", error.toUtf8().constData());
    return 1;
  }
  return 0;
}
