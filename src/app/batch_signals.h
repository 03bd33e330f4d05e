// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace talve {

// SIGINT (Ctrl-C), SIGTERM and SIGHUP (the terminal closed) request the
// interruption of the batch run (core/interruption.h) instead of killing
// the program on the spot, so that it ends without a temporary file left
// and with the previous result intact. A second signal ends the program at
// once, as the system would.
void install_interruption_handlers();

// The exit status of an interrupted run: 129 after SIGHUP, as a shell
// reports a program that a closed terminal ended; 130 otherwise.
int interrupted_exit_status();

}  // namespace talve
