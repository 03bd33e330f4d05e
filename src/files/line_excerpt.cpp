// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/line_excerpt.h"

namespace talve {

std::string line_excerpt(std::string_view line) {
  if (line.size() <= kExcerptLength) return std::string(line);
  return std::string(line.substr(0, kExcerptLength)) + " ...";
}

}  // namespace talve
