// SPDX-License-Identifier: GPL-3.0-or-later
#include "listed_window.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "core/period_file.h"
#include "files/file_table.h"
#include "session/session.h"
#include "text/encoding.h"

namespace talve::testing {
namespace {

std::string logger_file(const std::string& day, int lines) {
  std::string text = "Date;T\r\n";
  for (int h = 0; h < lines; ++h)
    text += day + " " + (h < 10 ? "0" : "") + std::to_string(h) + ":00:00;" + std::to_string(h) + ".5\r\n";
  return text;
}

}  // namespace

void ListedWindow::SetUp() {
  data = dir.mkdir("data");
  dir.mkdir("out");
  dir.write("data/p_20211231.csv", logger_file("2021-12-31", 3));
  dir.write("data/q_20201231.csv", logger_file("2020-12-31", 2));
  dir.write("data/r_20220101.csv", logger_file("2022-01-01", 12));
  dir.write("data/s_20210601.csv", logger_file("2021-06-01", 5));
  editor_log = dir.path() + "opened.txt";
  const std::string editor = dir.write("editeur", "#!/bin/sh\necho \"$1\" >> '" + editor_log + "'\n");
  std::filesystem::permissions(editor, std::filesystem::perms::owner_all);
  description =
      dir.write("station.dsc", "dossier_choisi= " + data + "\r\ndossier_choisi_sortie= " + dir.path() +
                                   "out/\r\ndossier_description= " + dir.path() +
                                   "\r\nEdit_masque.text= csv\r\n"
                                   "RadioGroup_separateur_colonne_ItemIndex= 2\r\n"
                                   "Edit_format_datetime_mesure.text= aaaa_mm_jj_hh_mn_ss\r\n"
                                   "CheckBox_prelire_tous.Checked= true\r\n"
                                   "Edit_f_station.text= 1\r\n"
                                   "Edit_f_date_fichier.text= aaaammjj,2\r\n"
                                   "Edit_name_prog_blocnote.text= " +
                                   editor + "\r\n");
  std::ofstream(period_file_path(), std::ios::binary)
      << "01/01/2021 00:00:00\r\n31/12/2021 00:00:00\r\n00:15:00\r\n\r\n1\r\n0\r\n0\r\n";
}

void ListedWindow::open_and_list() {
  open(description);
  click("SpeedButton_lister");
  ASSERT_EQ(window->session().file_table.file_row_count(), 4);
}

std::vector<std::string> ListedWindow::column(const char* title) {
  std::vector<std::string> cells;
  QAbstractItemModel* model = table()->model();
  const int c = column_index(title);
  for (int row = 0; row < model->rowCount(); ++row)
    cells.push_back(model->index(row, c).data().toString().trimmed().toStdString());
  return cells;
}

int ListedWindow::column_index(const char* title) {
  const auto& columns = FileTable::columns();
  for (std::size_t i = 0; i < columns.size(); ++i)
    if (columns[i].title == utf8_to_cp1252(title)) return static_cast<int>(i);
  ADD_FAILURE() << "no column " << title;
  return 0;
}

void ListedWindow::double_click_cell(int model_row, const char* title) {
  QTableView* view = table();
  const QModelIndex index = view->model()->index(model_row, column_index(title));
  view->scrollTo(index);
  const QPoint at = view->visualRect(index).center();
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
}

void ListedWindow::double_click_title(const char* title) {
  QHeaderView* header = table()->horizontalHeader();
  const int section = column_index(title);
  table()->scrollTo(table()->model()->index(0, section));
  const QPoint at(header->sectionViewportPosition(section) + header->sectionSize(section) / 2,
                  header->height() / 2);
  QTest::mouseDClick(header->viewport(), Qt::LeftButton, {}, at);
}

void ListedWindow::select_rows(int first, int last) {
  QTableView* view = table();
  view->setFocus();
  view->selectionModel()->setCurrentIndex(view->model()->index(first, 0), QItemSelectionModel::NoUpdate);
  view->selectionModel()->select(
      QItemSelection(view->model()->index(first, 0), view->model()->index(last, 0)),
      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

std::vector<std::string> ListedWindow::opened_files() {
  std::vector<std::string> files;
  std::ifstream log(editor_log);
  for (std::string line; std::getline(log, line);) files.push_back(line);
  return files;
}

}  // namespace talve::testing
