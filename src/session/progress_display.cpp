// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/progress_display.h"

#include "session/session.h"

namespace talve {
namespace {

std::size_t index_of(Phase phase) { return static_cast<std::size_t>(phase); }

std::string short_time(double seconds) {
  std::string text = format_time(seconds / kSecondsPerDay);
  if (text.starts_with("00:")) text.erase(0, 3);
  return text;
}

}  // namespace

void start_phase(Session& session, Phase phase) {
  if (phase == Phase::None) return;
  session.run.phase_start[index_of(phase)] = session.run.clock();
}

void record_phase(Session& session, Phase phase) {
  if (phase == Phase::None) return;
  RunState& run = session.run;
  run.phase_seconds[index_of(phase)] = run.clock() - run.phase_start[index_of(phase)];
}

void reset_phase(Session& session, Phase phase) {
  if (phase == Phase::None) return;
  start_phase(session, phase);
  session.run.phase_seconds[index_of(phase)] = 0;
}

TDateTime total_duration(const RunState& run) {
  const double seconds = run.phase_seconds[1] + run.phase_seconds[2] + run.phase_seconds[3];
  return seconds / kSecondsPerDay;
}

std::string durations_text(const RunState& run) {
  return "durées  " + short_time(run.phase_seconds[1]) + "   " + short_time(run.phase_seconds[2]) + "   " +
         short_time(run.phase_seconds[3]) + "   totale " + short_time(total_duration(run) * kSecondsPerDay);
}

void show_progress(Session& session, const std::string& text, Phase phase) {
  record_phase(session, phase);
  std::string durations = durations_text(session.run);
  if (session.caption("Label6") == durations) return;
  session.set_caption("Label6", std::move(durations));
  session.set_caption("Label_patienter", text);
  session.set_visible("Label_patienter", true);
}

}  // namespace talve
