// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/parameter_colours.h"

#include "core/parameter_file.h"
#include "core/parameter_storage.h"
#include "core/program_folder.h"

namespace talve {

SchemeColours read_parameter_colours() {
  const std::string path = parameter_file_path();
  SchemeColours colours;
  Rgb* ordered[] = {&colours.background, &colours.panel, &colours.field, &colours.number};
  for (int i = 0; i < 4; ++i)
    if (const auto colour = parse_rgb(lire_ligne_fichier(path, kFirstColourLine + i))) *ordered[i] = *colour;
  return colours;
}

int read_parameter_scheme() {
  const std::string line = lire_ligne_fichier(parameter_file_path(), kSchemeLine);
  return !line.empty() && line != "0" ? 1 : 0;
}

const SchemeColours& grey_levels() {
  static const SchemeColours kGrey{{240, 240, 240}, {215, 215, 215}, {230, 230, 230}, {220, 220, 220}};
  return kGrey;
}

SchemeColours colours_in_use(int scheme, const SchemeColours& colours) {
  return scheme == 1 ? grey_levels() : colours;
}

}  // namespace talve
