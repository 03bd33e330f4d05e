// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/data_folder_check.h"
#include "session/description_actions.h"
#include "session/listing_reset.h"
#include "session/modified_indication.h"
#include "session/recent_folder_actions.h"
#include "session/session.h"
#include "text/ascii.h"
#include "text/text_utils.h"

namespace talve {
namespace {

struct FolderControls {
  std::string_view key;          // the setting
  std::string_view label;        // the label that shows it
  std::string_view placeholder;  // the label's text while no folder is chosen
  std::string_view title;        // the caption of the button that chooses it
};

FolderControls with_label(std::string_view key, std::string_view title) {
  const SettingInfo& info = settings_table()[static_cast<std::size_t>(setting_index(key))];
  return {key, info.control, info.placeholder, title};
}

FolderControls controls_of(FolderRole role) {
  switch (role) {
    case FolderRole::Data:
      return with_label("dossier_choisi", "Répertoire des données");
    case FolderRole::Description:
      return with_label("dossier_description", "Répertoire des descriptions");
    case FolderRole::Output:
      break;
  }
  return with_label("dossier_choisi_sortie", "Répertoire de sortie");
}

}  // namespace

void show_folder_labels(Session& session) {
  for (FolderRole role : {FolderRole::Data, FolderRole::Description, FolderRole::Output}) {
    const FolderControls controls = controls_of(role);
    const std::string& folder = session.description.text(controls.key);
    session.set_caption(controls.label, folder.empty() ? std::string(controls.placeholder) : folder);
  }
  refresh_save_colours(session);
}

bool description_folder_chosen(const Session& session) {
  const std::string& label = session.caption("Label_rep_description");
  return !trim(label).empty() && !contains(label, "répertoire description");
}

bool choose_working_folder(Session& session, FolderRole role) {
  const FolderControls controls = controls_of(role);
  const auto chosen =
      session.ui().choose_folder(std::string(controls.title), session.description.text(controls.key));
  if (!chosen) return false;
  // The folders as they stood before this choice join the recent list.
  add_current_folders(session);
  const std::string folder = chemin_avec_barre(*chosen);
  session.description.set_text(controls.key, folder);
  session.set_caption(controls.label, folder);
  // A description that cannot be written has said so; the folder is chosen.
  static_cast<void>(write_description(session));
  if (role == FolderRole::Data) {
    // The rows of the previous folder would pass for this one's.
    forget_previous_listing(session);
    session.description.mark_modified();
    check_data_folder(session);
  }
  return true;
}

}  // namespace talve
