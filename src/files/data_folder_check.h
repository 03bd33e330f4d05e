// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "files/file_discovery.h"

namespace talve {

class Workspace;

// Two choices of the data folder less than half a second apart come from
// one gesture (a double click): only the first one is checked.
class RepeatGuard {
 public:
  // True when the call comes at least 0.5 s after the previous one; the time
  // of the call is recorded either way.
  bool accept(double now_seconds);

 private:
  double m_last = -1.0e9;
};

// The number of plain files of a folder, hidden ones left out.
int count_folder_files(const std::string& folder);

// Checks the data folder (`dossier_choisi`) against the mask, as the
// folder chooser opens for it:
// `Label45` shows the number of files of the folder, `Label54` and
// `Label_nom_de_fichier` the number of matching files and the first of
// them. When none matches, the extension of the folder's first file is
// offered as the new mask and the user may open that file in the text
// editor to help fill in the description.
void check_data_folder(Workspace& workspace);

// Enter in a description field while the description is modified: the
// files are counted again (`Label54`, `Label_nom_de_fichier`); with at least
// one, the listing button is refreshed and `rebuild_table` receives the
// found-file list to rebuild the FileTable, else the user is told that no file has
// the extension. Returns the number of files found (-1 when the description
// was not modified and nothing ran).
using RebuildFileTable = std::function<void(const std::vector<FoundFile>& found_files)>;
int relist_after_enter(Workspace& workspace, const RebuildFileTable& rebuild_table);

}  // namespace talve
