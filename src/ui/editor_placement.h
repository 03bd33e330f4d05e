// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

class QWidget;

namespace talve::ui {

// Looks for the window of the started editor (process `pid`) every 100 ms
// for at most 2 s, without holding the window meanwhile, and places it at
// the right of `window`: left edge at the help area's left, top at the file
// table's top, down to 60 pixels above the screen's bottom and 20 pixels
// short of its right edge, then brings it to the front. Only an X11
// desktop lets a program move another's window; elsewhere the window
// manager places it.
void place_editor_window(qint64 pid, QWidget* window);

}  // namespace talve::ui
