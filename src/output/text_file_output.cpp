// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/text_file_output.h"

#include <filesystem>

#include "core/replace_file.h"
#include "text/encoding.h"
#include "text/text_utils.h"

namespace talve {

bool write_text_lines(const std::string& path, const std::vector<std::string>& lines, std::string& reason) {
  return write_joined_text(path, join_lines_crlf(lines), reason);
}

bool write_joined_text(const std::string& path, std::string_view text, std::string& reason,
                       bool interruptible) {
  std::string system_reason;
  if (replace_file(file_system_path(path), text, &system_reason, interruptible)) return true;
  reason = write_failure_reason(path, system_reason);
  return false;
}

std::string write_failure_reason(const std::string& path, const std::string& system_reason) {
  namespace fs = std::filesystem;
  const std::string target = file_system_path(path);
  const fs::path folder = fs::path(target).parent_path();
  std::error_code ec;
  if (!folder.empty() && !fs::exists(folder, ec)) return "le répertoire n'existe pas";
  if (!folder.empty() && !fs::is_directory(folder, ec))
    return "ce chemin désigne un fichier, pas un répertoire";
  if (is_read_only_file(target)) return "le fichier existant est en lecture seule";
  return "écriture refusée ou interrompue (droits d'accès, disque plein ou taille de fichier limitée) : " +
         system_reason;
}

}  // namespace talve
