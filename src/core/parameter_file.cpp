// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/parameter_file.h"

#include "core/parameter_storage.h"
#include "core/program_folder.h"

namespace talve {

bool record_chosen_description(const std::string& description_path, UserInterface& ui) {
  const std::string file = parameter_file_path();
  const bool path_written = ecrire_fichier_une_ligne(description_path, file);
  return ecrire_parametre("0", file, kSchemeLine, ui) && path_written;
}

bool record_renamed_description(const std::string& description_path) {
  return ecrire_fichier_une_ligne(description_path, parameter_file_path());
}

bool record_saved_description(const std::string& description_path, int scheme, const SchemeColours& colours,
                              UserInterface& ui) {
  const std::string file = parameter_file_path();
  bool written = ecrire_parametre(description_path, file, kLastDescriptionLine, ui);
  if (scheme == 0) {
    const Rgb ordered[] = {colours.background, colours.panel, colours.field, colours.number};
    for (int i = 0; i < 4; ++i)
      written = ecrire_parametre(format_rgb(ordered[i]), file, kFirstColourLine + i, ui) && written;
  }
  return ecrire_parametre(scheme == 1 ? "1" : "0", file, kSchemeLine, ui) && written;
}

}  // namespace talve
