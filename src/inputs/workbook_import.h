// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace talve {

class Workspace;

// The longest a workbook conversion may take before it is stopped.
inline constexpr double kWorkbookLimitSeconds = 120;

struct WorkbookImport {
  bool imported = false;  // "~tmp_xls.csv" holds the sheet
  double seconds = 0;     // how long the import took
};

// Reads sheet `Edit_num_feuille_excel` (below 1: the first) of the workbook
// at `workbook` (a text path) into "~tmp_xls.csv" in the program's folder,
// its cells separated by ";". The workbook itself is never opened: a copy
// "~tmp.xls" is converted by LibreOffice, while the window keeps answering
// so that "stop" stops the conversion. The sheet's name goes into
// `Label_nom_feuille`, the converted text into `Memo1`; `Label6` and
// `Label10` show the time spent. A copy that fails, a missing LibreOffice,
// an empty sheet, a conversion stopped or too long are told and leave the
// converted file as it was.
WorkbookImport import_workbook(Workspace& ws, const std::string& workbook);

}  // namespace talve
