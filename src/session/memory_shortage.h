// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace talve {

class Session;

// What a run or a listing says when the memory it asked for could not be
// had: the task ends there, with this reason, instead of the program.
inline const std::string kMemoryShortage = "mémoire insuffisante";

// After a failed allocation (std::bad_alloc) stopped a long task: the
// results of the task are released, so that the messages at least can be
// written, the reason goes to `run.failure` and the tracking log, and an
// error box tells the user what to change.
void report_memory_shortage(Session& session);

}  // namespace talve
