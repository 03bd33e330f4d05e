// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "session/run_state.h"

namespace talve {

class Session;

// The progress display shared by the listing, the time grid and the run:
// `Label6` shows the durations of the three steps, "durées  " + listing +
// "   " + grid + "   " + processing + "   totale " + sum, and
// `Label_patienter` the text of the moment.

// A step starts now: its duration counts from here.
void start_phase(Session& session, Phase phase);
// The duration of a step becomes the time elapsed since its start.
void record_phase(Session& session, Phase phase);
// The duration of a step starts again from 0.
void reset_phase(Session& session, Phase phase);

// Records the time elapsed in the step (phases 1 to 3), then shows the
// durations and the text. When `Label6` already shows those durations,
// nothing at all changes, so the texts change at most once a second.
void show_progress(Session& session, const std::string& text, Phase phase);

// "durées  00:12   00:03   01:02:03   totale 01:02:18": each time
// hh:nn:ss without a leading "00:".
std::string durations_text(const RunState& run);
// Steps 1 + 2 + 3, as a TDateTime duration.
TDateTime total_duration(const RunState& run);

}  // namespace talve
