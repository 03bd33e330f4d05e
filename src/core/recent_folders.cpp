// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/recent_folders.h"

#include <algorithm>

#include "core/parameter_storage.h"
#include "core/program_folder.h"
#include "text/ascii.h"

namespace talve {
namespace {

bool is_placeholder(std::string_view entry) {
  return entry == "1- répertoire données" || entry == "2- répertoire description" ||
         entry == "3- répertoire de sortie";
}

}  // namespace

std::string RecentFolders::file_path() { return program_file("nom_fic_rep_recents.txt"); }

bool RecentFolders::add(std::string entry) {
  if (is_placeholder(entry)) return false;
  const bool known = std::any_of(m_entries.begin(), m_entries.end(),
                                 [&entry](const std::string& held) { return equals_nocase(held, entry); });
  if (known) return false;
  m_entries.push_back(std::move(entry));
  return true;
}

void RecentFolders::load() {
  fichier_vers_liste(m_entries, file_path());
  m_loaded = true;
}

bool RecentFolders::save() const { return liste_vers_fichier(m_entries, file_path()); }

void RecentFolders::load_once() {
  if (!m_loaded) load();
}

std::string RecentFolders::folder_of_entry(std::string_view entry) {
  return entry.size() > 3 ? std::string(entry.substr(3)) : std::string();
}

}  // namespace talve
