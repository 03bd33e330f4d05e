// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>

namespace talve {

// The fixed-name working files of the program's own folder, made by the
// spreadsheet and clipboard inputs, the sample preview and the result
// writer: "~tmp_xls.csv", "~tmp.xls", "~tmp.txt", "~tmp0.txt", "~tmp1.txt",
// "~presse-papier.ppp", "~résultats.txt".
std::span<const std::string> working_file_names();

// Deletes those present; a file that cannot be deleted is left alone.
void delete_working_files();

}  // namespace talve
