// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "engine/time_grid.h"
#include "text/text_rows.h"

namespace talve {

class Workspace;

// What the time grid operations work on: the workspace (period, captions,
// flags, questions), the TimeGrid itself and the result preview list
// `ListBox_DONNEE_date_clean`, which is emptied with the grid.
struct GridTarget {
  Workspace& ws;
  TimeGrid& grid;
  TextRows& result_list;
  // How long the "100%" progress text stays up at the end of a build, with
  // events still handled meanwhile.
  double progress_hold_seconds = 1.0;
};

}  // namespace talve
