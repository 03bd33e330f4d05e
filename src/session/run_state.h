// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>
#include <string>

#include "text/clock.h"
#include "text/tdatetime.h"

namespace talve {

// The steps whose durations the progress display keeps.
enum class Phase { None = 0, Listing = 1, Grid = 2, Processing = 3 };

// The look of the buttons a run changes, for the window to follow.
enum class ButtonColour { Blue, Red, Purple };

// What a processing run keeps: the durations of the three steps, the
// progress of the files, the look of its buttons and where its result went.
// The values of the last run stay readable after it.
struct RunState {
  // --- durations (seconds), by Phase index; index 0 unused
  std::array<double, 4> phase_seconds{};
  std::array<double, 4> phase_start{};
  // The clock the durations are measured with; tests may fix it, each with
  // a clock of its own.
  std::function<double()> clock = monotonic_seconds;

  // --- the run
  TDateTime started_at = 0;  // time of day the run started (now())
  double started = 0;        // clock() at the start of the run
  long long size_done = 0;   // kilobytes of the files read so far
  long long size_total = 0;  // kilobytes of the files the run reads
  int files_done = 0;
  int files_total = 0;
  std::string station;  // station of the first file read

  // --- buttons
  ButtonColour traiter_colour = ButtonColour::Blue;  // "3-    traiter ...  =>"
  ButtonColour grid_colour = ButtonColour::Blue;     // "<=  2-  créer la liste horodatée"
  bool chart_enabled = true;                         // `SpeedButton_graphique`

  // --- the result writer
  std::string result_name = "*.txt";  // `Label21`
  std::string result_path;            // the last result file written
  std::string report_path;            // its report: the result path + ".TXT"
  bool result_written = false;        // the last run wrote its result file
  // The run's lists are ready but no result file took them yet (the
  // writing failed): "sauver ->" writes them.
  bool results_pending = false;
  // The reason the last run wrote no result file, in French.
  std::string failure;
  // The rows are being formatted and written: too late for "stop", which
  // is greyed meanwhile.
  bool writing = false;

  // --- the batch mode never writes the description, parameter and period
  // files
  bool keep_settings_files = false;
  // --- nor shows the result in a view: the window keeps a copy of the
  // result text for it (tens of megabytes), the batch mode has no window
  bool result_view = true;
};

}  // namespace talve
