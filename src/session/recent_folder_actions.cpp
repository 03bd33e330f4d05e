// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/recent_folder_actions.h"

#include <filesystem>

#include "session/folder_chooser_actions.h"
#include "session/own_files.h"
#include "session/session.h"
#include "text/encoding.h"
#include "text/text_utils.h"

namespace talve {
namespace {

struct FolderLabel {
  FolderRole role;
  const char* kind;  // the entry's kind digit and "- "
  const char* key;   // the setting

  const SettingInfo& info() const { return settings_table()[static_cast<std::size_t>(setting_index(key))]; }
  std::string_view label() const { return info().control; }  // the label that shows it
  // The label's text while no folder is chosen.
  std::string_view placeholder() const { return info().placeholder; }
};

constexpr FolderLabel kFolderLabels[] = {
    {FolderRole::Data, "1- ", "dossier_choisi"},
    {FolderRole::Description, "2- ", "dossier_description"},
    {FolderRole::Output, "3- ", "dossier_choisi_sortie"},
};

// The list is a convenience: when its file cannot be written the log says
// so and the folders stay as chosen.
void save_recent_list(Session& session) {
  if (!session.recent_folders.list.save())
    tell_own_file_unwritten(session, " la liste des répertoires récents n'a pas pu être enregistrée : " +
                                         name_as_text(RecentFolders::file_path()));
}

// The folder settings follow the labels; a label that still shows its
// placeholder names no folder and leaves its setting alone.
void settings_from_labels(Session& session) {
  for (const FolderLabel& folder : kFolderLabels) {
    const std::string& shown = session.caption(folder.label());
    if (trim(shown).empty() || shown == folder.placeholder()) continue;
    session.description.set_text(folder.key, chemin_avec_barre(shown));
  }
}

}  // namespace

void add_current_folders(Session& session) {
  RecentFolders& list = session.recent_folders.list;
  list.load_once();
  for (const FolderLabel& folder : kFolderLabels) {
    const std::string& shown = session.caption(folder.label());
    if (!trim(shown).empty() && shown != folder.placeholder()) list.add(folder.kind + shown);
  }
  save_recent_list(session);
}

bool toggle_recent_list(Session& session) {
  RecentFolderPanel& panel = session.recent_folders;
  panel.shown = !panel.shown;
  // Loaded before it is shown: the window shows the list as it stands.
  if (panel.shown) {
    panel.list.load();
    if (panel.list.empty()) add_current_folders(session);
  }
  session.set_visible("ListBox_rep_recent", panel.shown);
  return panel.shown;
}

RecentChoice choose_recent_entry(Session& session, const std::string& entry, FolderRole being_chosen) {
  UserInterface& ui = session.ui();
  const std::string folder = RecentFolders::folder_of_entry(entry);
  std::error_code ec;
  if (folder.empty() || !std::filesystem::is_directory(folder, ec)) {
    ui.message(" Répertoire inexistant \n\n" + folder + "\n");
    return RecentChoice::Missing;
  }
  const Answer answer =
      ui.ask(MessageType::Confirmation, kYesNoCancel,
             "  Choisir le répertoire " + folder + "\n\n" + "  (Non) = effacer la liste" + "\n\n");
  if (answer == Answer::Cancel) return RecentChoice::Cancelled;
  if (answer == Answer::No) {
    if (ui.ask(MessageType::Confirmation, kYesNo, "  Effacer la liste des répertoires ?\n\n") != Answer::Yes)
      return RecentChoice::Kept;
    // Saved at once: the list is read back from its file when it is next
    // shown, which would otherwise bring the erased entries back.
    session.recent_folders.list.clear();
    save_recent_list(session);
    close_folder_chooser(session);
    return RecentChoice::Erased;
  }
  session.set_caption("Label_dir_new", folder);
  for (const FolderLabel& label : kFolderLabels)
    if (label.role == being_chosen) session.set_caption(label.label(), folder);
  settings_from_labels(session);
  close_folder_chooser(session);
  session.description.mark_modified();
  return RecentChoice::Chosen;
}

}  // namespace talve
