// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace talve {

class Session;

// The checks and confirmations of "3-    traiter ...  =>" before a run
// starts, in their order: files listed, grid size, date offset, clock
// drift, method for cumulative values. True when the run may start; a
// refusal or a "No" leaves everything as it was.
[[nodiscard]] bool run_checks_passed(Session& session);

}  // namespace talve
