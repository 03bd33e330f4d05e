// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace talve {

class Session;

// The modified indication: while the description is modified, the text of
// "Enregistrer" is red when a description folder is chosen, else the text
// of "Enregistrer sous ..."; otherwise both are in the window text colour.
// The session refreshes it whenever the modified flag changes and whenever
// the folder labels are shown; the window also after every key release and
// mouse press.
void refresh_save_colours(Session& session);

// The fields whose colour follows the description, after a reload, a
// change of scheme or colour and a change of their check box: `Edit_min_na`
// and `Edit_max_na` take the number colour of the scheme when they hold a
// bound, the background colour when empty; the offset and drift fields the
// field colour while their box is checked, light grey otherwise.
void colour_bound_fields(Session& session);

}  // namespace talve
