// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace talve {

class Session;

// Where the request to quit came from: the "exit" button first closes the
// folder chooser, the colour panel and the drive panel; Escape does not.
enum class QuitOrigin { ExitButton, EscapeKey };

// Quitting: in clipboard mode, the offer of a description of its own for
// the clipboard data; the question "Quitter  ?"; the description and the
// period saved as they need; the working files deleted. Returns true when
// the program is to end now (exit code 0), false when the user chose to
// stay.
[[nodiscard]] bool quit_program(Session& session, QuitOrigin origin);

}  // namespace talve
