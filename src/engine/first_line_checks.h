// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "files/data_block.h"
#include "files/loaded_file.h"
#include "text/tdatetime.h"

namespace talve {

class FileTable;
class Workspace;
struct DecodeSettings;

// The earliest and latest data dates over the files of a run.
struct DataSpan {
  bool any = false;
  TDateTime earliest = 0;
  TDateTime latest = 0;

  // A date that did not read (0) tells nothing about the span.
  void widen(TDateTime date) {
    if (date == 0) return;
    if (!any || date < earliest) earliest = date;
    if (!any || date > latest) latest = date;
    any = true;
  }
};

// The first and last dates of a file, as texts and as values.
struct FileDates {
  std::string first_text;
  std::string last_text;
  TDateTime first = 0;
  TDateTime last = 0;
};

enum class [[nodiscard]] FileCheck{go_on, abandon};

// The checks on the first and last data lines of a file before it is read,
// and the FileTable cells they fill ("n°Lig intitulés", "date dep", "date
// fin", "correction", "nb Colonnes"). A first data line that looks like
// titles, or a first date holding "//", asks "Annuler ce traitement ?"; Yes
// gives abandon.
FileCheck check_first_lines(Workspace& ws, FileTable& table, int row, std::string_view path,
                            const LoadedFile& file, const DataBlock& block, const DecodeSettings& settings,
                            FileDates& dates, DataSpan& span);

}  // namespace talve
