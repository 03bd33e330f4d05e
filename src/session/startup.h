// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "text/tdatetime.h"

namespace talve {

class Session;

// The command line: the program's own path and its one optional argument,
// the path of a description file.
struct CommandLine {
  std::string program_path;
  std::string argument;  // "" when there is none
};

// The arguments joined by blanks and trimmed (a path with blanks given
// without quotes still makes one argument); one pair of double quotes
// around the whole is removed. Texts are taken from the terminal's UTF-8.
CommandLine read_command_line(int argc, const char* const* argv);

// What the start-up keeps for the rest of the session.
struct StartupState {
  CommandLine command_line;
  TDateTime session_start = 0;
  bool sequence_done = false;  // the start-up sequence has run (or is running)
};

// The creation of the main window, without its widgets: the start-up flag
// set, the scheme colours and the scheme read from the parameter file, the
// caption "<program path>" + 20 blanks + title, the flags cleared, the
// session start time noted and the command line kept.
void prepare_session(Session& session, const CommandLine& command_line);

// The start-up sequence, run by the first activation of the main window:
// the period file restored, then the description named on the command line
// or, after the question "utiliser la dernière description utilisée ?",
// the last one used; the tracking log started with the program title and
// the computer's decimal separator. Later activations do nothing, even
// while the sequence's own dialogs are open. Returns true when it ran.
[[nodiscard]] bool run_startup_sequence(Session& session);

// The name of the current description and the window caption that follows
// it: name + "         >  " + program title.
void show_description_name(Session& session, const std::string& name);

}  // namespace talve
