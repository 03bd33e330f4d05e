// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace talve {

class Session;

// How the run proper ended.
enum class [[nodiscard]] RunEnd{
    NoGrid,       // the TimeGrid was empty: nothing was read
    LoadFailed,   // a file could not be loaded: no result
    Abandoned,    // the user cancelled at a question about a file: no result
    TooLarge,     // the ResultTable would not fit in memory: nothing was read
    Empty,        // no line fell in a written row of the grid: nothing was written
    Interrupted,  // the program is to end (core/interruption.h): nothing was written
    // The lists were formatted and handed to the result writer, which:
    Written,       // wrote the result file and its report
    ReportFailed,  // wrote the result file but not its report
    WriteFailed,   // could not write the result file
};

// The run proper, once its checks passed and the grid is built: the
// preparation (0 % to 50 %), every selected FileTable row in table order,
// then the end phases and the result writer. A stop leads to the end
// phases, which then write what was formatted. A run that was not stopped
// and put no line in the rows it would write ends without writing, so
// that an earlier result of the same name stays: the user is told the
// period and the span of the dates read.
RunEnd execute_run(Session& session);

}  // namespace talve
