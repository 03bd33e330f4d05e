// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <span>

namespace talve::ui {

// One numbered help entry of the window: the controls it explains and up to
// six lines, the first beginning with the entry's number ("9-   ..."). An
// entry without lines is the empty help (the window's background and the
// controls that need none). Texts are UTF-8; the window converts them where
// it shows them.
struct HelpEntry {
  // The objectNames of the controls bound to the entry, blank-separated.
  const char* controls;
  std::array<const char*, 6> lines;
  // Shown in 8 points instead of 10 (the long examples of file names).
  bool small_font = false;
};

// Every entry in the order the bindings are tested: a control named by two
// entries takes the first.
std::span<const HelpEntry> help_entries();

// The help of one column of the FileTable (over a data row), by its title.
// `lines` may hold "%1", the row's file name.
struct ColumnHelp {
  const char* title;
  std::array<const char*, 6> lines;
};
std::span<const ColumnHelp> file_table_column_help();
// The line over the header row, in the second slot.
extern const char* const kFileTableHeaderLine;
// Anywhere else over the table (an empty area, a column without help).
extern const std::array<const char*, 6> kFileTableOtherLines;

}  // namespace talve::ui
