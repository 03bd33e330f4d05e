// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/event_pacer.h"

#include "core/workspace.h"
#include "text/clock.h"

namespace talve {
namespace {

constexpr double kEventInterval = 1.0 / 30.0;

}  // namespace

EventPacer::EventPacer(Workspace& ws, int items_per_check)
    : m_ws(ws), m_items_per_check(items_per_check < 1 ? 1 : items_per_check), m_count(m_items_per_check) {}

void EventPacer::pump() {
  m_count = 0;
  const double now = monotonic_seconds();
  if (m_last >= 0 && now - m_last < kEventInterval) return;
  m_last = now;
  m_ws.ui().process_events();
}

bool EventPacer::stopped() const { return m_ws.flags.stop; }

}  // namespace talve
