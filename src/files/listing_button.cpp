// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/listing_button.h"

#include "core/workspace.h"

namespace talve {

void refresh_listing_button(Workspace& workspace) {
  const std::string& mask = workspace.description.text("Edit_masque.text");
  std::string caption;
  switch (workspace.flags.input_mode) {
    case InputMode::Spreadsheet:
      caption = "1- Valider le fichier " + mask;
      break;
    case InputMode::Clipboard:
      caption = "1- Valider le presse-papier";
      break;
    case InputMode::Files:
      caption = "1- Valider et Lister les fichiers   " + mask;
      break;
  }
  workspace.set_caption("SpeedButton_lister", caption);
}

}  // namespace talve
