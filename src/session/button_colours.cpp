// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/button_colours.h"

#include "session/session.h"

namespace talve {

ControlColour button_colour(ButtonColour colour) {
  switch (colour) {
    case ButtonColour::Red:
      return ControlColour::of(kRed);
    case ButtonColour::Purple:
      return ControlColour::of(kPurple);
    case ButtonColour::Blue:
      break;
  }
  return ControlColour::of(kBlue);
}

void set_traiter_colour(Session& session, ButtonColour colour) {
  session.run.traiter_colour = colour;
  session.set_colour("SpeedButton_traiter_fichier", ColourPart::Text, button_colour(colour));
}

void set_grid_colour(Session& session, ButtonColour colour) {
  session.run.grid_colour = colour;
  session.set_colour("SpeedButton_creer_listes_date_clean", ColourPart::Text, button_colour(colour));
}

void set_stop_live(Session& session, bool live) {
  session.set_colour("SpeedButton_stop", ColourPart::Text,
                     live ? ControlColour::theme_text() : ControlColour::of(kGrey));
}

}  // namespace talve
