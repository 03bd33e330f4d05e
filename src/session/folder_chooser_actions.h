// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "files/data_folder_check.h"
#include "session/description_actions.h"

namespace talve {

class Session;

// The folder chooser (`Panel_dir`) that picks the three working folders.
// Opening it for a folder (`choose_working_folder`, description_actions.h)
// turns that folder's button red: the red button says which folder
// "Valider" sets. The window shows the panel and forwards its gestures to
// the operations below; the batch mode and the tests answer at once.

// The controls of a working folder.
struct FolderControls {
  std::string_view key;          // the setting
  std::string_view label;        // the label that shows it
  std::string_view placeholder;  // the label's text while no folder is chosen
  std::string_view title;        // the caption of the button that chooses it
  std::string_view button;       // that button
};
FolderControls folder_controls(FolderRole role);

struct FolderChooserState {
  std::optional<FolderRole> role;  // the folder being chosen; none: closed
  std::string shown;               // `Label_dir_new`: the folder "Valider" takes
  RepeatGuard clicks;              // the clicks on the three folder buttons
};

// A click on a folder button, `now_seconds` on a monotonic clock: a click
// within half a second of the previous one is ignored; a click on the
// button already red closes the chooser; any other opens it for that
// folder.
void folder_button_click(Session& session, FolderRole role, double now_seconds);

// A folder picked in the chooser's tree (or reached by its drive list and
// shortcuts): shown in `Label_dir_new` with its file count (`Label45`),
// "Valider" turns red.
void pick_chooser_folder(Session& session, const std::string& folder);

// The drive list and the shortcuts "/ Bureau" and "/ Mes documents": the
// folder is picked, or the user is told that it does not exist. Returns
// true when it was picked.
bool go_to_chooser_folder(Session& session, const std::string& folder);

// A double-click on a file of the chooser's file list: after confirmation
// the file opens in the text editor.
void edit_chooser_file(Session& session, const std::string& path);

// "Valider": the folder shown becomes the folder being chosen: the current
// folders join the recent list, the label and setting take the new folder
// and the description is written; a data folder also marks the description
// modified and counts and lists its files as Enter in a description field
// does. The chooser then closes as with "Annuler". Returns false when the
// chooser was not open.
bool validate_chooser_folder(Session& session);

// "Annuler", "X", Escape, and a second click on the red button: the chooser
// and the recent list close, the buttons take their usual colours.
void close_folder_chooser(Session& session);

// The usual colours of the chooser's buttons: "Valider" and the description
// and output folder buttons in the window text colour, the data folder
// button dark red.
void show_folder_button_colours(Session& session);

// The folder the chooser's explorer button opens: the folder shown, or the
// user's home when it is gone (the root of the file system without one).
std::string explorer_folder(const Session& session);

}  // namespace talve
