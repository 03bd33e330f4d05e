// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractItemView>
#include <QTableView>
#include <string>
#include <vector>

#include "ui/window_fixture.h"

namespace talve::testing {

// A window opened on four small logger files whose names and first dates
// sort differently (p_20211231, q_20201231, r_20220101, s_20210601, each
// starting on its file-name day), every file pre-read, the period of 2021,
// and a text editor that notes the files it is given in `opened.txt`.
class ListedWindow : public WindowTest {
 protected:
  void SetUp() override;
  // Opens the window on the description and lists the files.
  void open_and_list();

  QTableView* table() { return find<QTableView>("StringGrid1"); }
  // The model's cells of a column, top to bottom.
  std::vector<std::string> column(const char* title);
  // The view's column of a title.
  static int column_index(const char* title);
  // A double-click on a data cell (model row) or on a title, as the mouse
  // gives it.
  void double_click_cell(int model_row, const char* title);
  void double_click_title(const char* title);
  // Selects the model rows first..last as a mouse drag would.
  void select_rows(int first, int last);
  // The files the editor was given.
  std::vector<std::string> opened_files();

  std::string description;
  std::string data;
  std::string editor_log;
};

}  // namespace talve::testing
