// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "text/trace_sink.h"

namespace talve {

class UserInterface;

// The tracking window's log ("fenêtre de suivi"): every step writes its
// facts and non-blocking complaints here, and each processing report copies
// it whole. It lives as long as the program and is never trimmed.
class TrackingLog : public TraceSink {
 public:
  explicit TrackingLog(UserInterface* ui = nullptr) : m_ui(ui) {}

  void set_interface(UserInterface* ui) { m_ui = ui; }

  // `ajout_suivi`: appends the line unless the log already holds at least two
  // lines and its last line equals it, so that repeated identical lines (and
  // repeated empty lines) collapse into one.
  void ajout_suivi(const std::string& line) override;

  void clear();

  const std::vector<std::string>& lines() const { return m_lines; }
  bool empty() const { return m_lines.empty(); }

 private:
  UserInterface* m_ui;
  std::vector<std::string> m_lines;
};

}  // namespace talve
