// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QWidget>
#include <memory>
#include <string>

#include "session/startup.h"
#include "support/temp_dir.h"
#include "ui/main_window.h"
#include "ui/modal_answerer.h"

namespace talve::testing {

// A window test: a fresh program folder (TALVE_HOME), a temporary folder,
// the boxes answered as scripted, and the real main window opened on them.
class WindowTest : public ::testing::Test {
 protected:
  // Opens the window and waits for its start-up sequence to end; `argument`
  // is the description given on the command line ("" for none).
  void open(const std::string& argument = {});
  // Destroys the window (no quitting question).
  void close_window() { window.reset(); }

  template <typename W = QWidget>
  W* find(const char* name) const {
    W* widget = window->findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << "no control " << name;
    return widget;
  }
  // A click on a button as the mouse gives it.
  void click(const char* name);
  void double_click(const char* name);
  // Lets the window work until `done` holds (false after `seconds`).
  static bool wait_for(const std::function<bool()>& done, double seconds = 20);
  // The demo of examples/ copied into `folder` of the temporary folder;
  // returns the description's path.
  std::string copy_demo(const std::string& folder);
  // Every control name the core sent resolved in the window, but the
  // window's own title.
  void expect_names_resolved() const;

  ProgramHome home;
  TempDir dir;
  ModalAnswerer answers;
  std::unique_ptr<ui::MainWindow> window;
};

// The text colour of a control's caption, as it shows when enabled.
QColor caption_colour(const QWidget* widget);

}  // namespace talve::testing
