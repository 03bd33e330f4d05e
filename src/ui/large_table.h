// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace talve::ui {

// "grand Tableau": checked, the FileTable takes the window's height below
// its zone (the period and result zones make room for it); unchecked, it
// returns to its height and the tracking window comes to the front.
void install_large_table_toggle(QWidget* window);

}  // namespace talve::ui
