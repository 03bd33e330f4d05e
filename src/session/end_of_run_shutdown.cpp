// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/end_of_run_shutdown.h"

#include "session/session.h"

namespace talve {

bool start_end_of_run_shutdown(Session& session) {
  if (!session.shutdown_after_run || session.shutdown_countdown.running()) return false;
  session.shutdown_countdown.start();
  return true;
}

}  // namespace talve
