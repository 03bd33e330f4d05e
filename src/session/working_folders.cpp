// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/folder_chooser_actions.h"
#include "session/modified_indication.h"
#include "session/session.h"
#include "text/ascii.h"
#include "text/text_utils.h"

namespace talve {

void show_folder_labels(Session& session) {
  for (FolderRole role : {FolderRole::Data, FolderRole::Description, FolderRole::Output}) {
    const FolderControls controls = folder_controls(role);
    const std::string& folder = session.description.text(controls.key);
    session.set_caption(controls.label, folder.empty() ? std::string(controls.placeholder) : folder);
  }
  refresh_save_colours(session);
}

bool description_folder_chosen(const Session& session) {
  const std::string& label = session.caption("Label_rep_description");
  return !trim(label).empty() && !contains(label, "répertoire description");
}

}  // namespace talve
