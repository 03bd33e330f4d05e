// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace talve {

class Workspace;

// The five-minute countdown that follows a run when "éteindre le PC à la
// fin du traitement " is checked. The notice panel `Panel4` tells the user
// that any key cancels; after half a second (a key still held from the run
// does not count) it shows the minutes left; five minutes after it appeared
// the computer is asked to shut down, unless a key was pressed.
//
// The window drives it: start(), then tick() from a 200 ms timer until it
// returns something other than Running, and key_pressed() from its key
// handler. Without a timer, run_to_end() does the same in a loop.
class ShutdownCountdown {
 public:
  enum class State { Idle, Running, Cancelled, ShutdownRequested };

  // Seconds on a monotonic clock.
  using Clock = std::function<double()>;
  // Asks the system to shut down; nothing on success, else the reason.
  using Request = std::function<std::optional<std::string>()>;

  static constexpr double kDelaySeconds = 5 * 60.0;
  static constexpr double kKeyGraceSeconds = 0.5;
  static constexpr double kTickSeconds = 0.2;

  // The default clock is the monotonic clock, the default request the
  // system's shutdown command.
  explicit ShutdownCountdown(Workspace& ws, Clock clock = {}, Request request = {});

  // Another clock or request (tests, or a window with its own timer base);
  // an empty one keeps the current.
  void replace_sources(Clock clock, Request request);

  void start();
  State tick();
  void key_pressed() { m_key_pressed = true; }

  // Ticks, lets window events run and sleeps a tick, until the end.
  State run_to_end(const std::function<void(double seconds)>& sleep);

  State state() const { return m_state; }
  bool running() const { return m_state == State::Running; }

  // "    4,99 mn": the minutes left with two decimals, the system decimal
  // separator, on eight characters.
  static std::string minutes_text(double minutes);

 private:
  void finish(State state);

  Workspace& m_ws;
  Clock m_clock;
  Request m_request;
  State m_state = State::Idle;
  double m_started = 0;
  bool m_grace_over = false;
  bool m_key_pressed = false;
};

}  // namespace talve
