// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace talve {

// SIGINT (Ctrl-C) and SIGTERM request the interruption of the batch run
// (core/interruption.h) instead of killing the program on the spot, so
// that it ends without a temporary file left and with the previous result
// intact. A second signal ends the program at once, as the system would.
void install_interruption_handlers();

}  // namespace talve
