// SPDX-License-Identifier: GPL-3.0-or-later
// The window tests run in one QApplication on Qt's offscreen platform. A
// control name that the window cannot resolve is reported with a warning
// starting with "talve:", which fails the test that caused it.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "ui/window_main.h"

namespace {

QtMessageHandler g_default_handler = nullptr;

void fail_on_window_warnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtDebugMsg && type != QtInfoMsg && message.startsWith("talve:"))
    ADD_FAILURE() << message.toStdString();
  if (g_default_handler) g_default_handler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  talve::ui::load_french_translations(app);
  g_default_handler = qInstallMessageHandler(fail_on_window_warnings);
  return RUN_ALL_TESTS();
}
