// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program_folder.h"

#include <cstdlib>
#include <filesystem>

namespace talve {

std::string program_folder() {
  std::string folder;
  if (const char* home = std::getenv("TALVE_HOME"); home && *home) {
    folder = home;
  } else if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
    folder = std::string(xdg) + "/talve";
  } else if (const char* user_home = std::getenv("HOME"); user_home && *user_home) {
    folder = std::string(user_home) + "/.config/talve";
  } else {
    folder = std::filesystem::temp_directory_path().string() + "/talve";
  }
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (folder.back() != '/') folder += '/';
  return folder;
}

std::string program_file(const std::string& name) { return program_folder() + name; }

std::string parameter_file_path() { return program_file("talve.prm"); }

}  // namespace talve
