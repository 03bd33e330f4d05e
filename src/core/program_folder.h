// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace talve {

// The program's own folder, where it keeps its parameter file, its period
// file, its recent-folder list and its working copies: $TALVE_HOME when set,
// else $XDG_CONFIG_HOME/talve, else ~/.config/talve. Created when missing;
// returned with a final "/".
std::string program_folder();

// A file of the program's own folder.
std::string program_file(const std::string& name);

// The program parameter file, "talve.prm".
std::string parameter_file_path();

}  // namespace talve
