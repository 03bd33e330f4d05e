// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "core/period.h"
#include "text/tdatetime.h"

namespace talve {

class Workspace;

// What the end of a run tells in the tracking log and in the summary box.
struct RunClosing {
  std::string method_caption;
  std::string station;  // the station of the run, "" when none was found
  DateTest date_test = DateTest::LessOrEqual;
  bool post_processing = false;    // `CheckBox_post_traitement`
  bool forced_growth = false;      // `CheckBox_cumul_corriger`
  bool day_correction = false;     // `CheckBox_correction_si_t1supt2`
  bool second_correction = false;  // `CheckBox_correction_si_t1egalt2`
  bool delta = false;              // `CheckBox_delta_Y`
  bool derivative = false;         // `CheckBox_derivees`
  int grid_count = 0;
  // Clock drift: shown when active and not zero.
  bool drift_active = false;
  TDateTime drift_wrong = 0;  // `TimePicker_derive_erronee`
  TDateTime drift_real = 0;   // `TimePicker_derive_reelle`
  // Date offset: shown when active.
  bool offset_active = false;
  bool offset_negative = false;
  int offset_days = 0;
  TDateTime offset_time = 0;
  std::string lines_caption;    // `Label_nlig_impliquee`
  std::string results_caption;  // `Label_nr_final`
  int column_count = 0;         // output columns, instant and nb included
  int inverted_dates = 0;
  std::string step_text;  // the step as the result file describes it
  // A run ended by "stop": the files it read (the last one perhaps in
  // part) out of those it was to read, and the result rows that received
  // measurements.
  bool stopped = false;
  int files_read = 0;
  int files_total = 0;
  int rows_with_data = 0;

  // The settings part, read from the workspace at the end of the run.
  static RunClosing read(const Workspace& ws);
};

// Where the files went.
struct WrittenFiles {
  std::string result_name;    // file name only
  std::string report_name;    // file name only
  std::string output_folder;  // with its final "/"
  TDateTime total_duration = 0;
};

// The closing lines 2 to 13 of a run, from the empty line before
// "3- TRAITEMENT EFFECTUÉ" (or "3- TRAITEMENT STOPPÉ", followed by how far
// it went) to "  durée totale = ", with the statistics lines in their place.
std::vector<std::string> closing_lines(const RunClosing& run, const WrittenFiles& files,
                                       const std::vector<std::string>& statistics);

// The information box that sums the run up; `station_row2` is the "Station"
// cell of the FileTable's second file row ("" when there is none).
std::string summary_message(const RunClosing& run, const WrittenFiles& files,
                            const std::string& station_row2);

// The offset and drift texts shared with the questions asked before a run:
// "+ 2 j 01:00:00" and "10:00:00 => 10:01:00" with the drift "+00:01:00".
std::string offset_text(bool negative, int days, TDateTime time);
std::string drift_sign_and_time(TDateTime drift);

}  // namespace talve
