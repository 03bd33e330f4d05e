// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/mount_prefix.h"

namespace talve {

class Session;

// The drive panel (`Panel_lecteur`): the description files of the
// description folder with the state of their three folders, and the move
// of those folders to another disk. A disk is named by its mount prefix
// (see core/mount_prefix.h): the panel shows the prefix of the description
// folder in `Edit_lecteur`, and the prefix typed there replaces the prefix
// of every folder.
struct DrivePanel {
  bool shown = false;
  std::string prefix;               // `Edit_lecteur`
  std::vector<std::string> files;   // full paths of the listed description files
  std::vector<std::string> report;  // `Memo8`, one entry a line
  std::vector<std::string> mount_roots = default_mount_roots();
};

// "Résumé des DSC" (also "test d'existence des 3  répertoires"): without a
// description folder, says so and opens the folder chooser for it;
// otherwise shows the panel, lists every "*.dsc" file of the description
// folder and reports whether each of their three folders exists. No file
// is changed.
void summarise_descriptions(Session& session);

// `Edit_lecteur` confirmed: the typed prefix, made absolute and ended with
// "/"; an emptied field takes the prefix of the program's own folder.
void set_drive_prefix(Session& session, std::string_view typed);

// "Modifier": after confirmation, every listed description file has each
// folder that exists on the new disk rewritten to it (the others keep their
// value and are reported with "échec"), then the session's own three folders
// move the same way. Returns false when the user declined or a file could
// not be read or written (the files handled before keep their changes).
[[nodiscard]] bool relocate_descriptions(Session& session);

// "X", and quitting.
void hide_drive_panel(Session& session);

}  // namespace talve
