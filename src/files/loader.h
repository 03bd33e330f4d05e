// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "files/loaded_file.h"

namespace talve {

class Workspace;

// Loads one data file for the pre-reading and for a processing run. The
// file is read once into memory; NUL bytes become 0x01 (and, for the
// separator choice "Tabulation", every tab becomes ";"), giving the same
// lines a working copy on disk would give. When the file has fewer lines
// than the first data line number + 2, or when unreadable characters are to
// be handled (`CheckBox_car_null`), it is loaded "a second time" in its
// cleaner form: NUL becomes "_" unless the separator is "Tabulation". In
// clipboard mode that second load is refused instead, with a warning.
//
// Settings read from ws.description: the separator choice, the first data
// line number, `CheckBox_car_null`, `Edit_masque`; the input mode from
// ws.flags. Returns false (and the caller stops) when the clipboard file is
// missing or its short-content warning was shown; a missing or empty file is
// reported and loads as no line at all, with true.
[[nodiscard]] bool load_data_file(Workspace& ws, const std::string& path, LoadedFile& out);

}  // namespace talve
