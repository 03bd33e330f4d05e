// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

namespace talve {

// How a sheet conversion ended.
enum class ConversionEnd {
  Converted,    // the sheet's text is in `text_path`
  NoConverter,  // no LibreOffice on this computer
  Failed,       // LibreOffice ran but wrote no text (unreadable workbook, no such sheet...)
  TimedOut,     // stopped after the time limit
  Stopped,      // stopped because the user asked to
};

struct SheetConversion {
  ConversionEnd end = ConversionEnd::Failed;
  std::string text_path;   // the sheet as TAB-separated Windows-1252 text, LF or CR LF lines
  std::string sheet_name;  // as the file system gave it (UTF-8)
  std::string problem;     // what went wrong, in French (Failed)
};

// Sheet `sheet` (1 for the first) of `workbook` converted by LibreOffice
// headless, started from an argument list with a profile folder of its own
// (a LibreOffice the user has open is left alone), each cell as the sheet
// shows it. The text goes into a fresh folder `output_folder`. While
// LibreOffice works, `keep_waiting` is called about every 20 ms: the
// conversion stops, killing LibreOffice, when it returns false or once
// `limit_seconds` have gone by.
SheetConversion convert_sheet(const std::string& workbook, int sheet, const std::string& output_folder,
                              double limit_seconds, const std::function<bool()>& keep_waiting);

// The LibreOffice program found on the PATH ("soffice", else
// "libreoffice"); empty when there is none.
std::string find_converter();

}  // namespace talve
