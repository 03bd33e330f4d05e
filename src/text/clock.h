// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "text/tdatetime.h"

namespace talve {

// The current local date and time. Tests fix it so that texts holding "now"
// (today's date put in front of a time alone, the default period of a new
// description) are reproducible.
TDateTime now();

// Fixes the value now() returns; nothing restores the system clock.
void set_fixed_now(std::optional<TDateTime> value);

// Seconds from an arbitrary origin on a monotonic clock, for durations and
// for pacing the event pump; never fixed by tests.
double monotonic_seconds();

}  // namespace talve
