// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/scheme_colours.h"

#include "text/text_utils.h"

namespace talve {

std::string format_rgb(const Rgb& colour) {
  return std::to_string(colour.red) + "," + std::to_string(colour.green) + "," + std::to_string(colour.blue);
}

std::optional<Rgb> parse_rgb(std::string_view line) {
  const auto first = line.find(',');
  if (first == std::string_view::npos) return std::nullopt;
  const auto second = line.find(',', first + 1);
  if (second == std::string_view::npos || line.find(',', second + 1) != std::string_view::npos)
    return std::nullopt;
  Rgb colour;
  if (!read_int(trim_view(line.substr(0, first)), colour.red) ||
      !read_int(trim_view(line.substr(first + 1, second - first - 1)), colour.green) ||
      !read_int(trim_view(line.substr(second + 1)), colour.blue))
    return std::nullopt;
  return colour;
}

}  // namespace talve
