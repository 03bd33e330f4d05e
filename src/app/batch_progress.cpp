// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batch_progress.h"

#include <cmath>
#include <iostream>

#include "session/session.h"
#include "text/clock.h"
#include "text/text_utils.h"

namespace talve {
namespace {

constexpr double kInterval = 0.2;

}  // namespace

std::string BatchProgress::line(int files_done, int files_total, long long size_done, long long size_total,
                                double lines_per_second) {
  const long long percent = size_total > 0 ? size_done * 100 / size_total : 0;
  return "  fichiers " + std::to_string(files_done) + "/" + std::to_string(files_total) + "   " +
         std::to_string(percent) + " %   " + format_grouped(std::llround(lines_per_second)) + " lignes/s";
}

void BatchProgress::update() {
  if (!m_enabled || m_session == nullptr || !m_session->flags.running) return;
  const RunState& run = m_session->run;
  if (run.files_total <= 0) return;
  const double now = monotonic_seconds();
  if (m_last >= 0 && now - m_last < kInterval) return;
  m_last = now;
  const double elapsed = run.clock() - run.started;
  const double rate = elapsed > 0 ? static_cast<double>(m_session->results.line_total) / elapsed : 0;
  std::cerr << '\r' << line(run.files_done, run.files_total, run.size_done, run.size_total, rate) << "\033[K"
            << std::flush;
  m_shown = true;
}

void BatchProgress::clear() {
  if (!m_shown) return;
  std::cerr << "\r\033[K" << std::flush;
  m_shown = false;
}

}  // namespace talve
