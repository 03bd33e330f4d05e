// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/data_folder_check.h"

#include <algorithm>
#include <filesystem>
#include <optional>

#include "core/entry_rules.h"
#include "core/workspace.h"
#include "files/file_discovery.h"
#include "files/listing_button.h"
#include "text/ascii.h"
#include "text/encoding.h"
#include "text/text_utils.h"

namespace talve {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kMaskKey = "Edit_masque.text";

// The plain files of a folder, hidden ones left out, in name order.
std::vector<std::string> visible_files(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(file_system_path(folder), ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code status_ec;
    const std::string name = it->path().filename().string();
    if (!name.starts_with(".") && it->is_regular_file(status_ec)) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

struct Listing {
  std::vector<FoundFile> entries;
  std::string first_name;
  int count = 0;
};

Listing list_files(const Workspace& workspace, const std::string& mask) {
  const DataDescription& description = workspace.description;
  Listing listing;
  listing.count =
      lister_fichiers(file_system_path(description.text("dossier_choisi")), mask,
                      description.checked("CheckBox_recursif.Checked"), listing.entries, listing.first_name);
  return listing;
}

void show_count(Workspace& workspace, const Listing& listing) {
  workspace.set_caption("Label54", std::to_string(listing.count));
  workspace.set_caption("Label_nom_de_fichier", name_as_text(listing.first_name));
}

// The path of the first file listed, with its sub-folder, as a text.
std::string first_file_path(const std::string& folder, const Listing& listing) {
  return chemin_avec_barre(folder) + name_as_text(listing.entries.front().subfolder + listing.first_name);
}

// No file matches the mask: offer the extension of the folder's first file.
void propose_mask(Workspace& workspace, const std::string& first_file) {
  DataDescription& description = workspace.description;
  const std::string folder = description.text("dossier_choisi");
  const std::string mask = description.text(kMaskKey);
  const std::string detected = "*" + upper_extension(first_file);
  const Listing listing = list_files(workspace, detected);
  if (detected != upper_ascii(mask)) {
    const std::string question =
        folder + "\n\n" + "   Aucun fichier de ce répertoire n'a l'extention attendue de " + mask + "\n\n" +
        " Mettre à jour le champ [masque] des extentions de fichiers ?      " + "\n\n" + "  attendu  => " +
        mask + "\n\n" + "  nouveau détecté => " + detected + "  " + std::to_string(listing.count) +
        " fichier(s)";
    if (workspace.ui().ask(MessageType::Warning, kYesNo, question) == Answer::Yes)
      change_mask(description, detected);
  }
  show_count(workspace, listing);
  refresh_listing_button(workspace);
  if (listing.count == 0) return;
  const std::string offer = " Visualiser un fichier de données pour aider à remplir les champs ? " +
                            std::string("\n") + name_as_text(listing.first_name);
  if (workspace.ui().ask(MessageType::Confirmation, kYesNo, offer) == Answer::Yes)
    workspace.ui().open_in_editor(first_file_path(folder, listing),
                                  description.text("Edit_name_prog_blocnote.text"));
}

}  // namespace

int count_folder_files(const std::string& folder) { return static_cast<int>(visible_files(folder).size()); }

bool RepeatGuard::accept(double now_seconds) {
  const bool accepted = now_seconds - m_last >= 0.5;
  m_last = now_seconds;
  return accepted;
}

void check_data_folder(Workspace& workspace) {
  const std::string folder = workspace.description.text("dossier_choisi");
  const std::vector<std::string> files = folder.empty() ? std::vector<std::string>() : visible_files(folder);
  workspace.set_caption("Label45", std::to_string(files.size()));

  const Listing listing = list_files(workspace, workspace.description.text(kMaskKey));
  // A folder without any file still shows 0 rather than the count of the
  // folder chosen before.
  if (listing.count > 0 || files.empty()) show_count(workspace, listing);
  if (listing.count > 0 || files.empty()) return;
  propose_mask(workspace, files.front());
}

int relist_after_enter(Workspace& workspace, const RebuildFileTable& rebuild_table) {
  if (!workspace.description.modified()) return -1;
  const std::string mask = workspace.description.text(kMaskKey);
  const Listing listing = list_files(workspace, mask);
  show_count(workspace, listing);
  if (listing.count > 0) {
    refresh_listing_button(workspace);
    if (rebuild_table) rebuild_table(listing.entries);
  } else {
    workspace.ui().message(" Aucun fichier ayant l'extension " + mask + "        " + "\n");
  }
  return listing.count;
}

}  // namespace talve
