// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/file_discovery.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "text/ascii.h"
#include "text/system_error.h"
#include "text/text_utils.h"

namespace talve {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kEntrySeparator = "  \t";

struct FolderEntry {
  std::string name;
  bool is_folder = false;
  bool is_file = false;  // a regular file, links followed
  std::uintmax_t size = 0;
};

// The entries of a folder in name order; none when it cannot be read, and
// then `error` holds the system's error number (0 when it could be read).
std::vector<FolderEntry> sorted_entries(const fs::path& folder, int* error = nullptr) {
  std::vector<FolderEntry> entries;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    FolderEntry entry;
    entry.name = it->path().filename().string();
    std::error_code status_ec;
    entry.is_folder = it->is_directory(status_ec);
    entry.is_file = !entry.is_folder && it->is_regular_file(status_ec);
    if (entry.is_file) {
      entry.size = it->file_size(status_ec);
      if (status_ec) entry.size = 0;
    }
    entries.push_back(std::move(entry));
  }
  if (error) *error = ec ? ec.value() : 0;
  std::sort(entries.begin(), entries.end(),
            [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
  return entries;
}

bool is_hidden(std::string_view name) { return !name.empty() && name.front() == '.'; }

std::string identity(const fs::path& folder) {
  std::error_code ec;
  const fs::path canonical = fs::canonical(folder, ec);
  return ec ? fs::absolute(folder, ec).lexically_normal().string() : canonical.string();
}

struct Walk {
  const std::string& folder;
  const std::string& mask;
  bool recursive;
  std::vector<FoundFile>& list;
  std::string& first_name;
  std::vector<UnreadableFolder>* unreadable;
  std::vector<std::string> walking;  // folders from the top down to the current one
};

int walk_folder(Walk& walk, const std::string& subfolder, int depth) {
  const fs::path here = fs::path(walk.folder + subfolder);
  walk.walking.push_back(identity(here));
  int count = 0;
  int error = 0;
  const std::vector<FolderEntry> entries = sorted_entries(here, &error);
  if (error != 0 && walk.unreadable) walk.unreadable->push_back(UnreadableFolder{subfolder, error});
  for (const FolderEntry& entry : entries) {
    if (entry.is_file) {
      if (walk.mask != ".*" && upper_extension(entry.name) != walk.mask) continue;
      if (contains(entry.name, "~")) continue;
      if (walk.first_name.empty()) walk.first_name = entry.name;
      walk.list.push_back(FoundFile{subfolder, entry.name, entry.size});
      ++count;
    } else if (entry.is_folder && !is_hidden(entry.name) && walk.recursive) {
      const std::string key = identity(here / entry.name);
      if (std::find(walk.walking.begin(), walk.walking.end(), key) != walk.walking.end()) continue;
      count += walk_folder(walk, subfolder + entry.name + "/", depth + 1);
    }
  }
  walk.walking.pop_back();
  return count;
}

}  // namespace

std::string normalise_mask(std::string_view mask) {
  std::string normal = upper_ascii(mask);
  if (!normal.empty() && normal.front() == '*') normal.erase(0, 1);
  if (normal.find('.') == std::string::npos) normal.insert(0, ".");
  return normal;
}

std::string upper_extension(std::string_view name) {
  const auto dot = name.rfind('.');
  return dot == std::string_view::npos ? std::string() : upper_ascii(name.substr(dot));
}

std::string found_file_entry(const FoundFile& file) {
  return file.subfolder + std::string(kEntrySeparator) + file.name + std::string(kEntrySeparator) +
         std::to_string(file.size);
}

std::string folder_problem_text(int error) {
  if (error == ENOENT) return "n'existe pas";
  if (error == ENOTDIR) return "n'est pas un répertoire";
  return "est illisible : " + system_error_text(error);
}

int lister_fichiers(const std::string& folder, const std::string& mask, bool recursive,
                    std::vector<FoundFile>& list, std::string& first_name,
                    const std::optional<SpreadsheetSource>& spreadsheet,
                    std::vector<UnreadableFolder>* unreadable) {
  list.clear();
  if (unreadable) unreadable->clear();
  if (spreadsheet) {
    list.push_back(FoundFile{spreadsheet->folder, spreadsheet->name, spreadsheet->size});
    return 1;
  }
  first_name.clear();
  return lister_dossier(chemin_avec_barre(folder), "", normalise_mask(mask), recursive, list, first_name, 0,
                        unreadable);
}

int lister_dossier(const std::string& folder, const std::string& subfolder,
                   const std::string& normalised_mask, bool recursive, std::vector<FoundFile>& list,
                   std::string& first_name, int depth, std::vector<UnreadableFolder>* unreadable) {
  if (folder.empty()) return 0;
  Walk walk{folder, normalised_mask, recursive, list, first_name, unreadable, {}};
  return walk_folder(walk, subfolder, depth);
}

std::vector<std::string> lister_descriptions(const std::string& folder) {
  std::vector<std::string> names;
  if (folder.empty()) return names;
  const std::string base = chemin_avec_barre(folder);
  for (const FolderEntry& entry : sorted_entries(base))
    if (entry.is_file && upper_extension(entry.name) == ".DSC") names.push_back(base + entry.name);
  return names;
}

}  // namespace talve
