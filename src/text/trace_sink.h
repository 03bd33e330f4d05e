// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace talve {

// Where the text routines write their non-blocking complaints (bad dates,
// inverted dates...): the tracking log in the program, a vector in tests.
class TraceSink {
 public:
  virtual ~TraceSink() = default;
  // `ajout_suivi`: adds a line (the log drops a line equal to its last one).
  virtual void ajout_suivi(const std::string& line) = 0;
};

// A sink that drops everything.
class NullTraceSink : public TraceSink {
 public:
  void ajout_suivi(const std::string&) override {}
};

}  // namespace talve
