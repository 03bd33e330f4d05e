// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batch_signals.h"

#include <csignal>

#include "core/interruption.h"

namespace talve {
namespace {

volatile std::sig_atomic_t g_first_signal = 0;

extern "C" void on_interruption(int signal) {
  if (g_first_signal == 0) g_first_signal = signal;
  request_interruption();
}

}  // namespace

void install_interruption_handlers() {
  struct sigaction action {};
  action.sa_handler = on_interruption;
  sigemptyset(&action.sa_mask);
  // Reads and writes under way go on; the handler is used once, and the
  // next signal has its usual effect.
  action.sa_flags = SA_RESTART | SA_RESETHAND;
  ::sigaction(SIGINT, &action, nullptr);
  ::sigaction(SIGTERM, &action, nullptr);
  ::sigaction(SIGHUP, &action, nullptr);
}

int interrupted_exit_status() { return g_first_signal == SIGHUP ? 128 + SIGHUP : 130; }

}  // namespace talve
