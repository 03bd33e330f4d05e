// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>

#include "core/workspace.h"

namespace talve {

class Workspace;

// Which controls of the description zone each input mode shows: the data
// files of a folder, one spreadsheet file, or the clipboard.
struct InputModeRow {
  std::string_view control;
  bool files;
  bool spreadsheet;
  bool clipboard;
};

// One row per control, whatever group it belongs to: the "Presse-papier"
// button; the mask with its label and the file count; the station and
// file-name date fields with their labels and suggestion button, and the
// first file's name; the spreadsheet file, sheet number and sheet name.
std::span<const InputModeRow> input_mode_rows();

bool shown_in_mode(const InputModeRow& row, InputMode mode);

// The hint of the listing button in each mode.
std::string_view listing_hint(InputMode mode);

// Shows and hides the controls for the current input mode, and resets the
// durations, size and remaining-time labels to "---" and the counters of
// measurements and columns to "--".
void show_input_mode(Workspace& ws);

}  // namespace talve
