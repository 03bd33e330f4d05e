// SPDX-License-Identifier: GPL-3.0-or-later
// manual_builder FOLDER OUTPUT.pdf: writes the user manual from its chapters.
#include <QGuiApplication>
#include <cstdio>

#include "manual_document.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("usage : manual_builder DOSSIER_DES_CHAPITRES MANUEL.pdf\n", stderr);
    return 2;
  }
  QGuiApplication application(argc, argv);
  const QString error = talve::write_manual(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
  if (!error.isEmpty()) {
    std::fprintf(stderr, "manual_builder : %s\n", error.toUtf8().constData());
    return 1;
  }
  return 0;
}
