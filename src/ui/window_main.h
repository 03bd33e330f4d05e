// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QApplication;

namespace talve::ui {

// Qt's own texts (file dialogs...) in French.
void load_french_translations(QApplication& app);

// Runs the window until the user quits; returns the exit status.
int window_main(int argc, char** argv);

}  // namespace talve::ui
