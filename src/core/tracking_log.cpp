// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tracking_log.h"

#include "core/user_interface.h"

namespace talve {

void TrackingLog::ajout_suivi(const std::string& line) {
  if (m_lines.size() >= 2 && m_lines.back() == line) return;
  m_lines.push_back(line);
  if (m_ui) m_ui->tracking_line_added(line);
}

void TrackingLog::clear() {
  m_lines.clear();
  if (m_ui) m_ui->tracking_cleared();
}

}  // namespace talve
