// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "core/recent_folders.h"
#include "session/description_actions.h"

namespace talve {

class Session;

// The recent-folder list beside the folder chooser (`ListBox_rep_recent`).
struct RecentFolderPanel {
  RecentFolders list;
  bool shown = false;
};

// Run when the folder chooser confirms a folder, before the new folder is
// applied: the three folders as their labels show them join the list, which
// is saved. Entries the file held from earlier sessions are kept.
void add_current_folders(Session& session);

// "récents": shows or hides the list. Shown, it is loaded from its file; an
// empty or missing file gives the current folders. Returns true when shown.
bool toggle_recent_list(Session& session);

enum class [[nodiscard]] RecentChoice{
    Missing,    // the folder does not exist (the user was told)
    Chosen,     // the folder was taken; the chooser and the list are closed
    Erased,     // the list was erased; the chooser and the list are closed
    Kept,       // the user declined to erase the list
    Cancelled,  // nothing happened; the chooser and the list stay open
};

// Double-click on an entry while the folder of `being_chosen` is chosen: the
// entry's folder (whatever its kind) is offered for it; No offers to erase
// the list instead. The description is marked modified, not written.
RecentChoice choose_recent_entry(Session& session, const std::string& entry, FolderRole being_chosen);

}  // namespace talve
