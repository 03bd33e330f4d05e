// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/working_files.h"

#include <array>
#include <filesystem>

#include "core/program_folder.h"

namespace talve {

std::span<const std::string> working_file_names() {
  static const std::array<std::string, 7> kNames = {"~tmp_xls.csv",  "~tmp.xls",  "~tmp.txt",
                                                    "~tmp0.txt",     "~tmp1.txt", "~presse-papier.ppp",
                                                    "~résultats.txt"};
  return kNames;
}

void delete_working_files() {
  const std::string folder = program_folder();
  for (const std::string& name : working_file_names()) {
    std::error_code ignored;
    // Only files: a folder that happens to bear one of these names is not
    // the program's to remove.
    if (std::filesystem::is_regular_file(folder + name, ignored))
      std::filesystem::remove(folder + name, ignored);
  }
}

}  // namespace talve
