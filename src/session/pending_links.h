// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace talve {

class Session;

// Links from the description operations to parts of the program that are
// still being written. Each is called where the operation needs it; the ones
// marked "nothing yet" will be filled in by their owners.

// The period file is saved again when the period changed since it was last
// saved (`Period::changed`); writing it clears that flag.
void save_period_file(Session& session);

// In clipboard mode the clipboard working file is read again after a
// description is read.
void reread_clipboard_file(Session& session);

// Choosing another description empties the list of checked files kept for
// the FileTable (`ListBox_fic_coche`) and makes row 1 the first checked row
// again.
void clear_checked_files(Session& session);

}  // namespace talve
