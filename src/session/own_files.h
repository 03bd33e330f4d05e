// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace talve {

class Session;

// The program's own files (the period, the parameter file, the recent
// folders) only spare the user work at the next start: one that cannot be
// written stops nothing. Each failure is traced; the first one is also told
// in a box, once for the session, so that the user learns that the next
// start will not find them, without a box at every save.
// `line` is the tracking line, naming the file.
void tell_own_file_unwritten(Session& session, const std::string& line);

}  // namespace talve
