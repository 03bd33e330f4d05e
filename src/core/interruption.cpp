// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/interruption.h"

#include <csignal>

namespace talve {
namespace {

volatile std::sig_atomic_t g_interrupted = 0;

}  // namespace

void request_interruption() noexcept { g_interrupted = 1; }
bool interruption_requested() noexcept { return g_interrupted != 0; }
void clear_interruption() noexcept { g_interrupted = 0; }

}  // namespace talve
