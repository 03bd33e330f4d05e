// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "core/period.h"
#include "engine/column_map.h"

namespace talve {

class FileTable;
class Workspace;

// The processing report written beside each result file (its path is the
// result path followed by ".TXT"): a header describing the run, the
// FileTable, then the whole tracking log.

// "(inf ou =)" or "(inf strict)".
std::string date_test_caption(DateTest test);

// What the header tells, taken from the settings at the end of a run.
struct ReportHeader {
  std::string description_name;  // `Label_description_bd`
  std::string mask;              // `Edit_masque.text`
  std::string separator_caption;
  std::string method_caption;
  // Each data column's method when some columns have their own (else
  // empty): "   <title> = (<method caption>)".
  std::vector<std::string> column_methods;
  bool delta = false;       // `CheckBox_delta_Y`
  bool derivative = false;  // `CheckBox_derivees`
  // The name pattern with its "#" and "§" removed ("" without them), or the
  // path chosen in the save dialog.
  std::string pattern_line;
  DateTest date_test = DateTest::LessOrEqual;
  std::string step_text;  // the step as the report describes it
  std::string start_caption;
  std::string end_caption;
  int grid_count = 0;

  static ReportHeader read(const Workspace& ws, std::string pattern_line, int grid_count);
};

// The lines of ReportHeader::column_methods for the columns of a run.
std::vector<std::string> column_method_lines(const ColumnMap& map);

// The header lines 1 to 13, up to the empty line before the FileTable.
std::vector<std::string> report_header_lines(const ReportHeader& header);

// One line per FileTable row, title row included: " \t" before each cell.
std::vector<std::string> file_table_lines(const FileTable& table);

// The whole report: header, FileTable, an empty line, " Fenêtre de suivi"
// and every line of the log.
std::vector<std::string> report_file_lines(const ReportHeader& header, const FileTable& table,
                                           const std::vector<std::string>& log);

// "  calcul des delta Y (rétro cumul)  y(i) - y(i-1) " or, for the
// derivative, "  calcul des dérivées (rétro cumul) [y(i) - y(i-1)] / pas".
std::string difference_caption(bool delta);

}  // namespace talve
