// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>

namespace talve {

struct BatchOptions;

// Exit statuses of the batch mode.
inline constexpr int kBatchWritten = 0;   // a result file was written
inline constexpr int kBatchNoResult = 1;  // none was (the reason is on the error stream)
inline constexpr int kBatchNoReport = 1;  // the result file was, its report not (idem)
inline constexpr int kBatchUsage = 2;     // the command line is wrong
// SIGINT or SIGTERM ended the run: nothing was written (128 + SIGINT, as a
// shell reports a program that Ctrl-C ended); after SIGHUP the status is
// 129 (app/batch_signals.h).
inline constexpr int kBatchInterrupted = 130;

// Steps 1, 2 and 3 without a window: the description is read, the options
// replace its period and folders, every file is listed and pre-read, the
// time grid built and the run made; the result file and its report are
// written as a run from the window writes them. The description, parameter
// and period files are never written. The last line on `out` is the full
// path of the result file, the line before it that of its report (only
// when the report was written); boxes, answers and reasons go to `errors`.
int run_batch(const BatchOptions& options, std::ostream& out, std::ostream& errors, bool progress_line);

}  // namespace talve
