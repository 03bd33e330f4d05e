// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "core/scheme_colours.h"

namespace talve {

class Session;

// The colour panel (`Panel_des_couleurs`): the scheme "couleurs" or
// "niveaux de gris" (`RadioGroup_coul_nb`) and the four colours of the
// "couleurs" scheme. The colours reach the program parameter file when the
// modified description is saved.

enum class SchemeColour {
  Background,  // "de fond"
  Buttons,     // "des boutons"
  Fields,      // "vert_clair"
  Numbers,     // "aqua"
};

// "couleurs": shows or hides the panel. Returns true when it is shown.
bool toggle_colour_panel(Session& session);
// "X" of the panel, and quitting.
void hide_colour_panel(Session& session);

// The scheme changed: when the user switched it, "couleurs" takes its
// colours from the parameter file again. The fields the core colours
// follow.
void colour_scheme_changed(Session& session, bool by_user);

// A colour as the window shows it now, which the colour dialog starts on.
Rgb shown_scheme_colour(const Session& session, SchemeColour which);
// A colour chosen in the colour dialog: it becomes that colour of the
// "couleurs" scheme and the description is marked modified.
void set_scheme_colour(Session& session, SchemeColour which, Rgb colour);

// The 16 custom colours the colour dialog offers: the background shown,
// three light tints, eight more, the button colour shown, and the rest.
std::array<Rgb, 16> custom_colours(const Session& session);

// A colour written as six hexadecimal digits blue first ("DAFEE7" is red
// E7, green FE, blue DA), as the program has always kept its presets.
Rgb rgb_from_bgr_hex(const char (&digits)[7]);

}  // namespace talve
