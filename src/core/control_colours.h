// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/scheme_colours.h"

namespace talve {

// Which colour of a control: its text or its background.
enum class ColourPart { Text, Background };

// A colour the core keeps for a named control: a fixed colour, or the
// window's own text colour (whatever the desktop's theme makes it).
struct ControlColour {
  bool window_text = false;
  Rgb rgb;
  friend bool operator==(const ControlColour&, const ControlColour&) = default;

  static constexpr ControlColour of(Rgb colour) { return ControlColour{false, colour}; }
  static constexpr ControlColour theme_text() { return ControlColour{true, {}}; }
};

// The fixed colours the program paints its indications with.
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kPurple{128, 0, 128};
inline constexpr Rgb kMaroon{128, 0, 0};
inline constexpr Rgb kGrey{128, 128, 128};  // 808080: "stop" while it has nothing to stop

}  // namespace talve
