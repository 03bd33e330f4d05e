// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "text/tdatetime.h"

namespace talve {

// Step kinds of the time grid.
enum class StepKind { Time = 0, Day = 1, Month = 2, Year = 3 };
// Interval test of the aggregation: "(inf ou =)" or "(inf strict)".
enum class DateTest { LessOrEqual = 0, Strict = 1 };

// The target period and step: session values kept in the period file, not
// in the description. The captions are the reference; every computation
// reads them back.
struct Period {
  std::string start_caption = "07/11/2021 00:00:00";  // `Label_temps_deb`
  std::string end_caption = "08/11/2021 10:00:00";    // `Label_temps_fin`
  TDateTime step_time = 15.0 * 60.0 / 86400.0;        // `TimePicker_pas`
  int step_count = 1;                                 // `SpinEdit_pas_jour_mois_annee`, 1..400
  StepKind step_kind = StepKind::Time;
  DateTest date_test = DateTest::LessOrEqual;
  std::string count_caption;  // `Label25`
  // Set whenever the period, the step or one of the two choices changes,
  // so that the period file is written again.
  bool changed = false;
};

}  // namespace talve
