// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <filesystem>

#include "session/session.h"
#include "text/encoding.h"
#include "ui/window_interface.h"

namespace talve::testing {

void WindowTest::open(const std::string& argument) {
  CommandLine command_line;
  command_line.program_path = "talve";
  command_line.argument = utf8_to_cp1252(argument);
  window = std::make_unique<ui::MainWindow>(command_line);
  // As on a full HD screen: the offscreen screen is smaller, and the window
  // would scroll over its zones.
  window->resize(1920, 1040);
  window->show();
  ASSERT_TRUE(wait_for([this] { return window->startup_done() && !QApplication::activeModalWidget(); }));
  QApplication::processEvents();
}

void WindowTest::click(const char* name) {
  auto* button = find<QAbstractButton>(name);
  if (button) QTest::mouseClick(button, Qt::LeftButton);
}

void WindowTest::double_click(const char* name) {
  if (QWidget* widget = find(name)) QTest::mouseDClick(widget, Qt::LeftButton);
}

bool WindowTest::wait_for(const std::function<bool()>& done, double seconds) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > seconds * 1000) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 10);
    QTest::qSleep(2);
  }
  return true;
}

std::string WindowTest::copy_demo(const std::string& folder) {
  namespace fs = std::filesystem;
  const fs::path target = fs::path(dir.path()) / folder;
  fs::copy(fs::path(TALVE_SOURCE_DIR) / "examples/demo", target, fs::copy_options::recursive);
  return (target / "demo.dsc").string();
}

void WindowTest::expect_names_resolved() const {
  for (const std::string& name : window->window_interface().unresolved())
    EXPECT_EQ(name, "Form1") << "no control " << name;
}

QColor caption_colour(const QWidget* widget) {
  return widget->palette().color(QPalette::Active, QPalette::ButtonText);
}

}  // namespace talve::testing
