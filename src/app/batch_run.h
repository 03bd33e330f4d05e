// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>

namespace talve {

struct BatchOptions;

// Exit statuses of the batch mode.
inline constexpr int kBatchWritten = 0;   // a result file was written
inline constexpr int kBatchNoResult = 1;  // none was (the reason is on the error stream)
inline constexpr int kBatchUsage = 2;     // the command line is wrong

// Steps 1, 2 and 3 without a window: the description is read, the options
// replace its period and folders, every file is listed and pre-read, the
// time grid built and the run made; the result file and its report are
// written as a run from the window writes them. The description, parameter
// and period files are never written. The last line on `out` is the full
// path of the result file; boxes, answers and reasons go to `errors`.
int run_batch(const BatchOptions& options, std::ostream& out, std::ostream& errors, bool progress_line);

}  // namespace talve
