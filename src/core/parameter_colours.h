// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/scheme_colours.h"

namespace talve {

// The colours the program parameter file remembers between sessions.

// Lines 2 to 5: each line that is not three numbers joined by exactly two
// commas leaves that colour at its default.
SchemeColours read_parameter_colours();

// Line 6: 1 ("niveaux de gris") when the line is neither empty nor "0",
// else 0 ("couleurs").
int read_parameter_scheme();

// The fixed colours of the grey-level scheme.
const SchemeColours& grey_levels();

// The colours to paint with: the grey levels for scheme 1, else the
// scheme's own colours.
SchemeColours colours_in_use(int scheme, const SchemeColours& colours);

}  // namespace talve
