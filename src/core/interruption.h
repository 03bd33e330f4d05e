// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace talve {

// A request from outside to end the program (the batch mode's SIGINT and
// SIGTERM). The signal handler only sets the flag; the work goes on on its
// one thread until a loop's paced event check or the writing of the result
// sees it, and then ends without writing anything more, so that no file is
// left half made and the previous result stays.

// Sets the flag. Safe to call from a signal handler.
void request_interruption() noexcept;
bool interruption_requested() noexcept;
// Clears the flag (tests run several interruptions in one process).
void clear_interruption() noexcept;

}  // namespace talve
