// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace talve::ui {

// Runs the window until the user quits; returns the exit status.
int window_main(int argc, char** argv);

}  // namespace talve::ui
