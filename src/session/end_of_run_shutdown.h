// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace talve {

class Session;

// After a processing run: when "éteindre le PC à la fin du traitement " is
// checked, the five-minute shutdown countdown starts (see
// core/shutdown_countdown.h). The window then drives
// `session.shutdown_countdown` with its 200 ms timer and its key handler.
// Returns true when the countdown started.
bool start_end_of_run_shutdown(Session& session);

}  // namespace talve
