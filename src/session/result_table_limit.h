// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/size_limits.h"

namespace talve {

class Session;

// Whether the ResultTable of a run over the grid and the data columns stays
// within kMaxDataColumns and kMaxResultCells (engine/size_limits.h). True
// when it does; otherwise tells the user why, notes the reason in
// `session.run.failure` and in the log, and returns false.
[[nodiscard]] bool result_table_fits(Session& session, long long grid_count, long long data_columns);

}  // namespace talve
