// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mount_prefix.h"

#include <algorithm>
#include "text/text_utils.h"

namespace talve {
namespace {

bool is_windows_drive(std::string_view folder) {
  const bool letter = folder.size() >= 2 &&
                      ((folder[0] >= 'A' && folder[0] <= 'Z') || (folder[0] >= 'a' && folder[0] <= 'z'));
  return letter && folder[1] == ':';
}

// The names between "/" of an absolute path (empty names skipped).
std::vector<std::string_view> components(std::string_view path) {
  std::vector<std::string_view> names;
  std::size_t start = 0;
  while (start < path.size()) {
    const std::size_t end = std::min(path.find('/', start), path.size());
    if (end > start) names.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return names;
}

// The number of folder components of `names` covered by the root and the
// one folder after it; 0 when the root does not lead the path.
std::size_t covered_by_root(const std::vector<std::string_view>& names, std::string_view root) {
  const std::vector<std::string_view> pattern = components(root);
  if (names.size() <= pattern.size()) return 0;
  for (std::size_t i = 0; i < pattern.size(); ++i)
    if (pattern[i] != "*" && pattern[i] != names[i]) return 0;
  return pattern.size() + 1;
}

std::string joined(const std::vector<std::string_view>& names, std::size_t from, std::size_t to) {
  std::string text;
  for (std::size_t i = from; i < to; ++i) {
    text += names[i];
    text += '/';
  }
  return text;
}

}  // namespace

std::vector<std::string> default_mount_roots() { return {"/media/*/", "/run/media/*/", "/mnt/"}; }

MountSplit split_mount_prefix(std::string_view folder, const std::vector<std::string>& roots) {
  if (is_windows_drive(folder)) {
    const std::size_t size = folder.size() >= 3 && (folder[2] == '\\' || folder[2] == '/') ? 3 : 2;
    return {std::string(folder.substr(0, size)), std::string(folder.substr(size))};
  }
  if (folder.empty() || folder.front() != '/') return {"", std::string(folder)};
  const std::vector<std::string_view> names = components(folder);
  std::size_t covered = names.empty() ? 0 : 1;
  for (const std::string& root : roots) {
    if (const std::size_t count = covered_by_root(names, root)) {
      covered = count;
      break;
    }
  }
  // The rest keeps the folder's own spelling after the prefix, final "/"
  // included.
  const std::string prefix = "/" + joined(names, 0, covered);
  std::string rest = joined(names, covered, names.size());
  if (!folder.ends_with('/') && !rest.empty()) rest.pop_back();
  return {prefix, rest};
}

std::string move_to_prefix(std::string_view folder, std::string_view new_prefix,
                           const std::vector<std::string>& roots) {
  const MountSplit split = split_mount_prefix(folder, roots);
  if (split.prefix.empty()) return std::string(folder);
  // The rest takes the separators of the disk it moves to.
  std::string rest = split.rest;
  if (is_windows_drive(new_prefix))
    remplacer_car('/', '\\', rest);
  else
    remplacer_car('\\', '/', rest);
  return std::string(new_prefix) + rest;
}

std::string normalise_typed_prefix(std::string_view typed) {
  std::string prefix = trim(typed);
  if (prefix.empty()) return prefix;
  // A drive letter alone ("e", "E:", "E:\"): the drive of a folder written
  // on Windows, in capitals.
  const bool letter = (prefix[0] >= 'A' && prefix[0] <= 'Z') || (prefix[0] >= 'a' && prefix[0] <= 'z');
  if (letter && (prefix.size() == 1 || (prefix[1] == ':' && prefix.size() <= 3 &&
                                        (prefix.size() == 2 || prefix[2] == '\\' || prefix[2] == '/')))) {
    const char drive = prefix[0] >= 'a' ? static_cast<char>(prefix[0] - 'a' + 'A') : prefix[0];
    return std::string(1, drive) + ":\\";
  }
  remplacer_car('\\', '/', prefix);
  if (prefix.front() != '/') prefix.insert(prefix.begin(), '/');
  return chemin_avec_barre(prefix);
}

}  // namespace talve
