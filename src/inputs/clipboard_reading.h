// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace talve {

class Workspace;

struct ClipboardRead {
  bool read = false;        // "~presse-papier.ppp" holds the clipboard's text
  std::uintmax_t size = 0;  // its size in bytes
  std::string text;         // the clipboard's text as it was pasted
};

// Reads the clipboard's text into "~presse-papier.ppp" in the program's
// folder, one line per line of the text with CR LF, every TAB turned into
// ";"; then the column separator becomes "Point-virgule", the mask "ppp" and
// the window shows the clipboard mode. An empty clipboard is told and leaves
// the file as it was. `Label10` and `Label6` show the time spent.
ClipboardRead read_clipboard(Workspace& ws);

// The question that shows what was read: its size and its first three lines.
std::string clipboard_contents_question(const ClipboardRead& read);

// The input mode follows the mask: the controls of the mode are shown and
// the listing button says what it lists.
void switch_input_mode(Workspace& ws);

}  // namespace talve
