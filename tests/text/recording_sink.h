// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "text/trace_sink.h"

namespace talve::testing {

// Keeps every tracking line, as written.
class RecordingSink : public TraceSink {
 public:
  void ajout_suivi(const std::string& line) override { lines.push_back(line); }
  std::vector<std::string> lines;
};

}  // namespace talve::testing
