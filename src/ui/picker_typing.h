// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace talve::ui {

// The date and time pickers of the window take a whole date or time typed
// at once, "16/04/2023" or "01:30:00" (or without separators): a click in a
// picker selects the section under the mouse, so that digits replace it
// rather than being refused next to its old digits; a filled section moves
// on to the next one by itself, and the separator typed after it is then
// not taken as a second move.
void type_whole_dates(QWidget* surface);

}  // namespace talve::ui
