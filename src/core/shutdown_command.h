// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace talve {

// The request to shut the computer down at the end of a long run. It is
// started as a program with its argument list, never through a shell:
//   shutdown -h +1 "L'ordinateur va s'arrêter dans une minute..."
// so that the users logged in are told and the machine stops one minute
// later. TALVE_SHUTDOWN_COMMAND, when set, names another program that gets
// the same arguments (tests use it so that no machine is ever stopped).
struct ShutdownCommand {
  std::string program;                 // a path, or a name looked up in PATH
  std::vector<std::string> arguments;  // without the program itself, UTF-8
};

ShutdownCommand shutdown_command();

// Runs the program and waits for it. Nothing when it ran and exited with 0;
// otherwise why not, in French.
std::optional<std::string> run_without_shell(const ShutdownCommand& command);

}  // namespace talve
