// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace talve {

class Workspace;

// The period file, "talve.2dt" in the program's own folder: the target
// period and step kept between sessions, one value a line:
//   1 start caption, 2 end caption, 3 step time hh:nn:ss, 4 count caption,
//   5 step count, 6 date test (0, 1), 7 step kind (0 to 3).
std::string period_file_path();

// Restores the period from the file: each non-empty line that reads as its
// kind of value replaces the current one; an unreadable line keeps the
// current value, a missing file keeps them all. The captions (start, end,
// weekdays, count) and the step-kind display follow, and the period is left
// marked unchanged since it now matches the file.
void read_period_file(Workspace& ws);

// Writes the seven lines and clears the period's changed flag. Returns false
// (flag kept) when the file could not be written.
[[nodiscard]] bool write_period_file(Workspace& ws);

// Shows the step kind: the step picker for hh:mn:ss, else the step count
// with its unit ("jour", "mois", "année") in `Label56`.
void show_step_kind(Workspace& ws);

}  // namespace talve
