// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace talve::testing {

// A cell of a test workbook: a text, a number shown with two decimals, or
// an instant ("2024-02-01T10:00:00") shown as "dd/mm/yyyy hh:mm:ss".
struct Cell {
  enum Kind { Text, Number, Instant } kind;
  std::string value;
};
struct Sheet {
  std::string name;  // UTF-8
  std::vector<std::vector<Cell>> rows;
};

// Writes the sheets as an OpenDocument flat spreadsheet "<stem>.fods" in
// `folder`, then has LibreOffice turn it into one workbook per extension
// ("ods", "xlsx", "xls"), all at once. Returns the workbooks' paths in the
// order of `extensions`; a workbook LibreOffice did not write fails the
// calling test.
std::vector<std::string> make_workbooks(const std::string& folder, const std::string& stem,
                                        const std::vector<Sheet>& sheets,
                                        const std::vector<std::string>& extensions);

}  // namespace talve::testing
