// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/folder_chooser_actions.h"

#include <cstdlib>
#include <filesystem>

#include "core/settings_table.h"
#include "session/listing.h"
#include "session/listing_reset.h"
#include "session/recent_folder_actions.h"
#include "session/session.h"
#include "text/encoding.h"
#include "text/text_utils.h"

namespace talve {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kValidate = "SpeedButton_valider_dir";
constexpr FolderRole kRoles[] = {FolderRole::Data, FolderRole::Description, FolderRole::Output};

FolderControls with_label(std::string_view key, std::string_view title, std::string_view button) {
  const SettingInfo& info = settings_table()[static_cast<std::size_t>(setting_index(key))];
  return {key, info.control, info.placeholder, title, button};
}

bool is_folder(const std::string& folder) {
  std::error_code ec;
  return !trim(folder).empty() && fs::is_directory(file_system_path(folder), ec);
}

// The usual look of a folder button: the data folder's in dark red.
ControlColour usual_colour(FolderRole role) {
  return role == FolderRole::Data ? ControlColour::of(kMaroon) : ControlColour::theme_text();
}

void show_file_count(Session& session, const std::string& folder) {
  session.set_caption("Label45", std::to_string(is_folder(folder) ? count_folder_files(folder) : 0));
}

// The output folder is gone: a sub-folder "EXPORT" of the data folder is
// offered instead.
void offer_export_folder(Session& session, const FolderControls& controls) {
  const std::string data_folder = session.description.text("dossier_choisi");
  const std::string export_folder = chemin_avec_barre(data_folder) + "EXPORT";
  if (session.ui().ask(MessageType::Warning, kYesNo,
                       " Créer le sous répertoire " + export_folder + " pour les fichiers de sortie ? ") !=
      Answer::Yes)
    return;
  std::error_code ec;
  fs::create_directory(file_system_path(export_folder), ec);
  if (!is_folder(export_folder)) {
    session.ui().ask(MessageType::Error, kOkButton, "Impossible de créer le répertoire  " + export_folder);
    return;
  }
  const std::string folder = chemin_avec_barre(export_folder);
  session.description.set_text(controls.key, folder);
  session.set_caption(controls.label, folder);
  // Written at once, so that the folder just created is not lost when the
  // flag is cleared.
  static_cast<void>(write_description(session));
  session.description.clear_modified();
}

// The folder the label shows is gone (a disk unplugged, a folder moved).
// Without a data folder there is nowhere to create an output folder: the
// user is told, as for the other two.
void check_shown_folder(Session& session, const FolderControls& controls, FolderRole role) {
  const std::string& shown = session.caption(controls.label);
  if (trim(shown).empty() || shown == controls.placeholder || is_folder(shown)) return;
  if (role == FolderRole::Output && is_folder(session.description.text("dossier_choisi"))) {
    offer_export_folder(session, controls);
    return;
  }
  session.ui().ask(
      MessageType::Warning, kOkButton,
      "   " + std::string(controls.title) + "\n\n" + "DOSSIER INACCESSIBLE\n\n" + "<" + shown + ">" + "\n\n");
}

// Where the chooser starts: the folder being chosen, else the folder it
// showed last, else the program's working folder.
std::string initial_folder(Session& session, const FolderControls& controls) {
  const std::string& current = session.description.text(controls.key);
  if (is_folder(current)) return chemin_avec_barre(current);
  if (is_folder(session.folder_chooser.shown)) return session.folder_chooser.shown;
  std::error_code ec;
  return chemin_avec_barre(name_as_text(fs::current_path(ec).string()));
}

// The chosen folder becomes the folder of `role`.
void apply_folder(Session& session, FolderRole role, const std::string& chosen) {
  const FolderControls controls = folder_controls(role);
  // The folders as they stood before this choice join the recent list.
  add_current_folders(session);
  const std::string folder = chemin_avec_barre(chosen);
  session.description.set_text(controls.key, folder);
  session.set_caption(controls.label, folder);
  session.set_colour(controls.label, ColourPart::Text, usual_colour(role));
  // A description that cannot be written has said so; the folder is chosen.
  static_cast<void>(write_description(session));
  if (role == FolderRole::Data) {
    // The rows of the previous folder would pass for this one's.
    forget_previous_listing(session);
    session.description.mark_modified();
    static_cast<void>(relister_apres_entree(session));
  }
}

}  // namespace

FolderControls folder_controls(FolderRole role) {
  switch (role) {
    case FolderRole::Data:
      return with_label("dossier_choisi", "Répertoire des données", "SpeedButton_choix_rep_donnee");
    case FolderRole::Description:
      return with_label("dossier_description", "Répertoire des descriptions", "SpeedButton_choix_rep_desc");
    case FolderRole::Output:
      break;
  }
  return with_label("dossier_choisi_sortie", "Répertoire de sortie", "SpeedButton_choix_rep_sortie");
}

bool choose_working_folder(Session& session, FolderRole role) {
  FolderChooserState& chooser = session.folder_chooser;
  const FolderControls controls = folder_controls(role);
  // One button red at a time: it names the folder "Valider" sets.
  if (chooser.role && *chooser.role != role)
    session.set_colour(folder_controls(*chooser.role).button, ColourPart::Text, usual_colour(*chooser.role));
  chooser.role = role;
  session.set_colour(controls.button, ColourPart::Text, ControlColour::of(kRed));
  session.set_colour(kValidate, ColourPart::Text, ControlColour::theme_text());

  check_shown_folder(session, controls, role);
  // The data folder as it stands is checked against the mask first: the
  // user sees what the description finds there before picking another.
  if (role == FolderRole::Data) check_data_folder(session);

  chooser.shown = initial_folder(session, controls);
  session.set_colour("Label_dir_new", ColourPart::Text, ControlColour::of(kRed));
  session.set_caption("Label_dir_new", chooser.shown);
  show_file_count(session, chooser.shown);
  session.set_visible("Panel_dir", true);
  const ChooserAnswer answer = session.ui().open_folder_chooser(std::string(controls.title), chooser.shown);
  switch (answer.outcome) {
    case ChooserOutcome::Opened:
      return false;
    case ChooserOutcome::Chosen:
      pick_chooser_folder(session, answer.folder);
      return validate_chooser_folder(session);
    case ChooserOutcome::Cancelled:
      break;
  }
  close_folder_chooser(session);
  return false;
}

void folder_button_click(Session& session, FolderRole role, double now_seconds) {
  if (!session.folder_chooser.clicks.accept(now_seconds)) return;
  if (session.folder_chooser.role == role)
    close_folder_chooser(session);
  else
    static_cast<void>(choose_working_folder(session, role));
}

void pick_chooser_folder(Session& session, const std::string& folder) {
  FolderChooserState& chooser = session.folder_chooser;
  chooser.shown = chemin_avec_barre(folder);
  session.set_caption("Label_dir_new", chooser.shown);
  show_file_count(session, chooser.shown);
  session.set_colour(kValidate, ColourPart::Text, ControlColour::of(kRed));
}

bool go_to_chooser_folder(Session& session, const std::string& folder) {
  if (!is_folder(folder)) {
    session.ui().message(" Répertoire inexistant \n\n" + folder + "\n");
    return false;
  }
  pick_chooser_folder(session, folder);
  return true;
}

void edit_chooser_file(Session& session, const std::string& path) {
  const std::string name = path.substr(path.find_last_of('/') + 1);
  if (session.ui().ask(MessageType::Confirmation, kYesNo,
                       " Editer le fichier <" + name + ">  ?  " + "\n\n") == Answer::Yes)
    session.ui().open_in_editor(path, session.description.text("Edit_name_prog_blocnote.text"));
}

bool validate_chooser_folder(Session& session) {
  FolderChooserState& chooser = session.folder_chooser;
  if (!chooser.role) return false;
  const FolderRole role = *chooser.role;
  // Closed first: the listing that may follow shows its own boxes.
  close_folder_chooser(session);
  apply_folder(session, role, chooser.shown);
  return true;
}

void close_folder_chooser(Session& session) {
  session.folder_chooser.role.reset();
  session.recent_folders.shown = false;
  session.set_visible("ListBox_rep_recent", false);
  session.set_visible("Panel_dir", false);
  show_folder_button_colours(session);
}

void show_folder_button_colours(Session& session) {
  session.set_colour(kValidate, ColourPart::Text, ControlColour::theme_text());
  for (FolderRole role : kRoles)
    session.set_colour(folder_controls(role).button, ColourPart::Text, usual_colour(role));
}

std::string explorer_folder(const Session& session) {
  const std::string& shown = session.folder_chooser.shown;
  if (is_folder(shown)) return shown;
  if (const char* home = std::getenv("HOME"); home && *home) {
    const std::string folder = chemin_avec_barre(name_as_text(home));
    if (is_folder(folder)) return folder;
  }
  return "/";
}

}  // namespace talve
