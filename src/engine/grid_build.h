// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/count_preview.h"

namespace talve {

struct GridTarget;

enum class [[nodiscard]] GridOutcome {
  Built,        // the grid holds every instant of the period
  Stopped,      // the stop button ended the build; the instants made so far stay
  Abandoned,    // a check or a question ended it before anything was built
  Failed,       // a calendar date could not be formed; the grid is empty
  OutOfMemory,  // the instants could not be held in the memory left; the grid is empty
};

struct [[nodiscard]] GridResult {
  GridOutcome outcome = GridOutcome::Abandoned;
  // The final `Label25` caption, when a grid was built (even partly).
  CountCaption count;
};

// Builds the TimeGrid from the period captions and the step (the button
// after its confirmation, or a processing run that finds the grid empty):
// the calendar checks of the day, month and year steps, the question above
// 32000 instants, the report lines, then entry 0 "_intitulés des colonnes"
// and the instants. Shows its progress in `Label_patienter`; ends with the
// count in `Label25` and the number of result rows in `Label_nr_final`.
GridResult create_grid(GridTarget& target);

// The click on "<=  2-  créer la liste horodatée": refuses a zero step and
// an end that is not after the start, asks for confirmation, then builds.
GridResult create_grid_with_confirmation(GridTarget& target);

}  // namespace talve
