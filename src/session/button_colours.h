// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/control_colours.h"
#include "session/run_state.h"

namespace talve {

class Session;

// The look of the buttons that follow the long tasks, kept in the run state
// and sent to the window: "3-    traiter ...  =>" red while a run works,
// purple once it ended, blue when idle; "<=  2-  créer la liste horodatée"
// likewise; "stop" in the window text colour while a listing or a run may
// be stopped, grey once a run ended.
ControlColour button_colour(ButtonColour colour);
void set_traiter_colour(Session& session, ButtonColour colour);
void set_grid_colour(Session& session, ButtonColour colour);
void set_stop_live(Session& session, bool live);

}  // namespace talve
