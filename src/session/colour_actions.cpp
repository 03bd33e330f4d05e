// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/colour_actions.h"

#include "core/parameter_colours.h"
#include "session/modified_indication.h"
#include "session/session.h"

namespace talve {
namespace {

constexpr std::string_view kPanel = "Panel_des_couleurs";

int scheme_of(const Session& session) { return session.description.choice("RadioGroup_coul_nb.ItemIndex"); }

Rgb& colour_of(SchemeColours& colours, SchemeColour which) {
  switch (which) {
    case SchemeColour::Background:
      return colours.background;
    case SchemeColour::Buttons:
      return colours.panel;
    case SchemeColour::Fields:
      return colours.field;
    case SchemeColour::Numbers:
      break;
  }
  return colours.number;
}

int hex_digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return c - 'a' + 10;
}

int hex_byte(const char* two) { return hex_digit(two[0]) * 16 + hex_digit(two[1]); }

}  // namespace

bool toggle_colour_panel(Session& session) {
  session.colour_panel_shown = !session.colour_panel_shown;
  session.set_visible(kPanel, session.colour_panel_shown);
  return session.colour_panel_shown;
}

void hide_colour_panel(Session& session) {
  session.colour_panel_shown = false;
  session.set_visible(kPanel, false);
}

void colour_scheme_changed(Session& session, bool by_user) {
  if (by_user && scheme_of(session) == 0) session.colours = read_parameter_colours();
  colour_bound_fields(session);
}

Rgb shown_scheme_colour(const Session& session, SchemeColour which) {
  SchemeColours shown = colours_in_use(scheme_of(session), session.colours);
  return colour_of(shown, which);
}

void set_scheme_colour(Session& session, SchemeColour which, Rgb colour) {
  colour_of(session.colours, which) = colour;
  session.description.mark_modified();
  colour_bound_fields(session);
}

std::array<Rgb, 16> custom_colours(const Session& session) {
  return {shown_scheme_colour(session, SchemeColour::Background),
          rgb_from_bgr_hex("DAFEE7"),
          rgb_from_bgr_hex("D9FAFF"),
          rgb_from_bgr_hex("FFE0B3"),
          Rgb{253, 234, 225},
          Rgb{236, 225, 253},
          Rgb{251, 225, 253},
          Rgb{255, 245, 221},
          shown_scheme_colour(session, SchemeColour::Buttons),
          Rgb{255, 240, 138},
          Rgb{100, 193, 255},
          Rgb{106, 196, 255},
          Rgb{250, 198, 173},
          Rgb{220, 200, 251},
          Rgb{183, 251, 249},
          Rgb{245, 216, 176}};
}

Rgb rgb_from_bgr_hex(const char (&digits)[7]) {
  return Rgb{hex_byte(digits + 4), hex_byte(digits + 2), hex_byte(digits)};
}

}  // namespace talve
