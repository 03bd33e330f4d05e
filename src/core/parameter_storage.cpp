// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/parameter_storage.h"

#include "core/replace_file.h"
#include "core/small_file.h"
#include "core/user_interface.h"
#include "text/text_utils.h"

namespace talve {
namespace {

// The lines of the file; none when it is not a regular file of a sane size
// (core/small_file.h), as when it is missing.
std::vector<std::string> file_lines(const std::string& path) {
  const SmallFile file = read_small_file(path);
  std::vector<std::string> lines;
  if (file.state != SmallFileState::Read) return lines;
  for (std::string_view line : split_lines(file.bytes)) lines.emplace_back(line);
  return lines;
}

}  // namespace

std::string lire_ligne_fichier(const std::string& path, int n) {
  if (n < 1) return {};
  const std::vector<std::string> lines = file_lines(path);
  return static_cast<std::size_t>(n) <= lines.size() ? lines[static_cast<std::size_t>(n) - 1] : std::string();
}

bool ecrire_fichier_une_ligne(const std::string& text, const std::string& path) {
  return replace_file(path, join_lines_crlf({text}));
}

bool ecrire_parametre(const std::string& text, const std::string& path, int k, UserInterface& ui) {
  if (k > kMaxParameterLines)
    ui.message(" max_parametre = " + std::to_string(kMaxParameterLines) + "\n" +
               " augmenter ce nombre dans le source...");
  std::vector<std::string> slots = file_lines(path);
  slots.resize(kMaxParameterLines);
  if (k >= 1 && k <= kMaxParameterLines) slots[static_cast<std::size_t>(k) - 1] = text;
  return replace_file(path, join_lines_crlf(slots));
}

bool liste_vers_fichier(const std::vector<std::string>& items, const std::string& path) {
  return replace_file(path, join_lines_crlf(items));
}

void fichier_vers_liste(std::vector<std::string>& items, const std::string& path) {
  items = file_lines(path);
}

}  // namespace talve
