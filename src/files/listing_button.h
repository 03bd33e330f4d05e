// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace talve {

class Workspace;

// The caption of the listing button (`SpeedButton_lister`) after the input
// mode and the mask: "1- Valider le fichier " + mask for a spreadsheet,
// "1- Valider le presse-papier" for the clipboard, "1- Valider et Lister les
// fichiers   " + mask for data files.
void refresh_listing_button(Workspace& workspace);

}  // namespace talve
