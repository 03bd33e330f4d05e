// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/shutdown_countdown.h"

#include <cstdio>

#include "core/shutdown_command.h"
#include "core/workspace.h"
#include "text/clock.h"
#include "text/system_locale.h"

namespace talve {

ShutdownCountdown::ShutdownCountdown(Workspace& ws, Clock clock, Request request)
    : m_ws(ws), m_clock(std::move(clock)), m_request(std::move(request)) {
  if (!m_clock) m_clock = monotonic_seconds;
  if (!m_request) m_request = [] { return run_without_shell(shutdown_command()); };
}

void ShutdownCountdown::replace_sources(Clock clock, Request request) {
  if (clock) m_clock = std::move(clock);
  if (request) m_request = std::move(request);
}

void ShutdownCountdown::start() {
  m_ws.set_caption("Panel4", "5 mn, pour annuler la mise en veille du PC en appuyant sur une touche...");
  m_ws.set_visible("Panel4", true);
  m_started = m_clock();
  m_grace_over = false;
  m_key_pressed = false;
  m_state = State::Running;
}

ShutdownCountdown::State ShutdownCountdown::tick() {
  if (m_state != State::Running) return m_state;
  const double elapsed = m_clock() - m_started;
  if (!m_grace_over) {
    if (elapsed < kKeyGraceSeconds) return m_state;
    m_grace_over = true;
    m_key_pressed = false;
  }
  if (m_key_pressed) {
    finish(State::Cancelled);
  } else if (elapsed >= kDelaySeconds) {
    finish(State::ShutdownRequested);
  } else {
    m_ws.set_caption("Panel4", minutes_text((kDelaySeconds - elapsed) / 60.0));
  }
  return m_state;
}

ShutdownCountdown::State ShutdownCountdown::run_to_end(const std::function<void(double seconds)>& sleep) {
  while (tick() == State::Running) {
    m_ws.ui().process_events();
    sleep(kTickSeconds);
  }
  return m_state;
}

std::string ShutdownCountdown::minutes_text(double minutes) {
  char text[32];
  std::snprintf(text, sizeof text, "%8.2f mn", minutes);
  std::string shown(text);
  if (const auto point = shown.find('.'); point != std::string::npos)
    shown[point] = system_decimal_separator();
  return shown;
}

void ShutdownCountdown::finish(State state) {
  m_ws.set_visible("Panel4", false);
  m_state = state;
  if (state != State::ShutdownRequested) return;
  if (const auto failure = m_request())
    m_ws.ui().ask(MessageType::Error, kOkButton,
                  "L'arrêt de l'ordinateur n'a pas pu être demandé\n\n" + *failure);
}

}  // namespace talve
