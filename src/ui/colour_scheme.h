// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace talve {
class Session;
}

namespace talve::ui {

// Paints the window with the scheme in use (the four colours of the
// parameter file, or the fixed grey levels): the background behind the
// zones; the button colour on the command buttons, the floating panels, the
// offset and drift pickers and the min/max date labels; the field colour on
// the file table, the lists, the text areas, the text fields and the
// period pickers; the number colour on the column, line-number and
// output-name fields. The two buttons of the tracking window take the
// background colour. A background the core keeps for a named control (the
// bound fields) is painted over the scheme.
void apply_colour_scheme(QWidget* surface, const Session& session);

}  // namespace talve::ui
