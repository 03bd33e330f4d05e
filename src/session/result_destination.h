// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace talve {

class Session;

// Where the result file of a run goes.
struct ResultDestination {
  std::string path;
  // The report's pattern line: the name pattern without its "#" and "§",
  // or the path chosen in the save dialog.
  std::string pattern_line;
};

// Results of text files never land among those files: with the mask "txt"
// and the output folder equal to the data folder, the output folder becomes
// the data folder + "Export/" (created when missing) and the description is
// marked modified.
void keep_results_out_of_data_folder(Session& session);

// The path of the result file: the name built from the pattern in the
// output folder; with "incrément (i)" the first free name, else, when the
// file exists, the question " => écraser ?" and, on No, a save dialog. A
// cancelled dialog gives "~résultats.txt" in the output folder, which the
// tracking log tells.
ResultDestination choose_result_destination(Session& session);

}  // namespace talve
