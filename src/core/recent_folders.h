// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace talve {

// The folders used before, offered again by the folder chooser. Each entry
// is a kind digit, "- " and the folder: "1- " a data folder, "2- " a
// description folder, "3- " an output folder. Entries are unique without
// regard to letter case and kept in the order they were added; the labels'
// placeholders ("1- répertoire données"...) are never added. The list is
// kept in "nom_fic_rep_recents.txt" in the program's own folder.
class RecentFolders {
 public:
  static std::string file_path();

  const std::vector<std::string>& entries() const { return m_entries; }
  bool empty() const { return m_entries.empty(); }

  // Appends the entry unless it is already there or is a placeholder.
  // Returns true when it was added.
  bool add(std::string entry);

  // The list replaced by the file's (empty when the file is missing).
  void load();
  // The list saved over the file; false when it could not be written.
  [[nodiscard]] bool save() const;
  // The first load of a session: later adds keep what earlier sessions
  // left in the file.
  void load_once();

  void clear() { m_entries.clear(); }

  // The folder of an entry: its text from the fourth character on.
  static std::string folder_of_entry(std::string_view entry);

 private:
  std::vector<std::string> m_entries;
  bool m_loaded = false;
};

}  // namespace talve
