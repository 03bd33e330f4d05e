// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace talve {

class Session;

// The progress line of the batch mode on standard error: files done, share
// of their size read, lines per second. Written only when standard error
// is a terminal, and at most a few times a second; erased before any other
// output so that messages stay readable.
class BatchProgress {
 public:
  explicit BatchProgress(bool enabled) : m_enabled(enabled) {}

  void watch(const Session* session) { m_session = session; }
  // Called whenever the run lets events through.
  void update();
  // Erases the line, if one is shown.
  void clear();

  // The text of the line, for a run at the given point.
  static std::string line(int files_done, int files_total, long long size_done, long long size_total,
                          double lines_per_second);

 private:
  bool m_enabled;
  const Session* m_session = nullptr;
  bool m_shown = false;
  double m_last = -1;
};

}  // namespace talve
