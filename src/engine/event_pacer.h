// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace talve {

class Workspace;

// Keeps the window responsive during the long loops of a run without
// paying for it on every item: the clock is looked at only every few
// thousand items, and pending events run at most about thirty times a
// second. The first tick always lets events run, so that a stop pressed
// before the loop is seen at once. The stop flag itself is a plain read.
class EventPacer {
 public:
  explicit EventPacer(Workspace& ws, int items_per_check = 2048);

  // After each item: true when the user asked to stop.
  [[nodiscard]] bool tick() {
    if (++m_count >= m_items_per_check) pump();
    return stopped();
  }
  // Lets events run now if enough time has passed since the last time.
  void pump();
  bool stopped() const;

 private:
  Workspace& m_ws;
  int m_items_per_check;
  int m_count;
  double m_last = -1.0;
};

}  // namespace talve
