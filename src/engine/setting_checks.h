// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace talve {

class DataDescription;
class Workspace;

// A setting of the run whose stored text it cannot use (a description
// edited by hand, or written by another program): the run takes another
// value instead, which the user must be told.
struct UnusableSetting {
  std::string key;
  std::string value;    // as stored
  std::string allowed;  // what the setting may hold
  std::string used;     // what the run takes instead
};

// The settings a run reads that hold no usable value: the number of
// decimals, the method, the date column count, the output separators, the
// bounds of the missing values, when the gap filling is asked for, the
// longest gap, the columns' own methods and the minimum share of
// measurements.
std::vector<UnusableSetting> unusable_run_settings(const DataDescription& description);

// A warning box naming every such setting with the value used instead, and
// a tracking line for each (the report keeps them). Nothing when all are
// usable.
void warn_unusable_settings(Workspace& ws);

}  // namespace talve
