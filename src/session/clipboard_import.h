// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace talve {

class Session;

// `SpeedButton_presse_papierClick` ("Presse-papier"): after confirmation,
// the clipboard's text becomes the only data file ("~presse-papier.ppp",
// mask "ppp"); a second question shows its size and first lines. Yes opens
// "Enregistrer sous ..." for a description of its own; Cancel, or an empty
// clipboard, puts back the mask, the input mode and the modified mark as
// they were.
void presse_papier_click(Session& session);

}  // namespace talve
