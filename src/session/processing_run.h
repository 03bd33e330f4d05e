// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace talve {

class Session;

// Step 3 of the workflow: the processing run. After its checks and
// confirmations, every selected file of the FileTable is loaded, its lines
// decoded, corrected and folded onto the TimeGrid; the rows are finalised,
// reworked by the optional passes and formatted into
// `session.result_list` and `session.values_only_list`, which the result
// writer saves with the processing report (session/result_writing.h).
//
// The run lets window events through (at most a few dozen times a second)
// so that the "stop" button works; while it runs, `flags.running` and
// `flags.busy` are set and no second run, listing or grid build starts.
// `session.run` keeps its durations, progress and the paths written.

enum class [[nodiscard]] RunOutcome{
    NotStarted,  // a listing, grid build or run was already going on
    Refused,     // a check or an answer stopped it before it started
    NoResult,    // it started but wrote no result file (reason in run.failure)
    Written,     // the result file and its report were written
    // The result file was written but its report could not be (reason in
    // run.failure); run.report_path is then empty.
    WrittenWithoutReport,
    // The program is to end (core/interruption.h): nothing was written.
    Interrupted,
};

// `SpeedButton_traiter_fichierClick`: the checks, the run, then the
// end-of-run shutdown when "éteindre le PC à la fin du traitement " is
// checked. A run stopped by "stop" writes what it gathered and says in its
// summary that it was stopped, at which file, and how many result rows
// received measurements.
RunOutcome traiter_fichier_click(Session& session);

// `SpeedButton_stopClick`: while a long task is going on, asks "Stopper le
// traitement  ?" and on Yes sets the stop flag, which the loops test after
// each line, row or file. Not once the result is being written (the
// button is grey then): a stopped run writes what it gathered, as a
// complete one does. Returns true when the flag was set.
[[nodiscard]] bool stop_click(Session& session);

}  // namespace talve
