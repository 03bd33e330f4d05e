// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace talve {

class Session;

// How the run proper ended.
enum class RunEnd {
  NoGrid,      // the TimeGrid was empty: nothing was read
  LoadFailed,  // a file could not be loaded: no result
  Abandoned,   // the user cancelled at a question about a file: no result
  TooLarge,    // the ResultTable would not fit in memory: nothing was read
  Finished,    // the lists were formatted and handed to the result writer
};

// The run proper, once its checks passed and the grid is built: the
// preparation (0 % to 50 %), every selected FileTable row in table order,
// then the end phases and the result writer. A stop leads to the end
// phases, which then write what was formatted.
RunEnd execute_run(Session& session);

}  // namespace talve
