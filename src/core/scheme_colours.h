// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace talve {

struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The four colours of the "couleurs" scheme, as lines 2 to 5 of the program
// parameter file keep them.
struct SchemeColours {
  Rgb background{255, 245, 221};  // window background
  Rgb panel{245, 216, 175};       // panels and buttons
  Rgb field{208, 240, 218};       // input fields, lists, file table, charts
  Rgb number{183, 251, 249};      // column and line-number fields, help area
  friend bool operator==(const SchemeColours&, const SchemeColours&) = default;
};

// "255,245,221".
std::string format_rgb(const Rgb& colour);
// A colour line: exactly two commas between three integers (blanks around
// them allowed); nothing otherwise, so that the caller keeps its default.
std::optional<Rgb> parse_rgb(std::string_view line);

}  // namespace talve
