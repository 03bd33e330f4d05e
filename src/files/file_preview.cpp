// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/file_preview.h"

#include "text/text_utils.h"

namespace talve {
namespace {

constexpr std::size_t kPreviewLines = 21;

}  // namespace

std::vector<std::string> preview_lines(const std::vector<std::string_view>& lines) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < lines.size() && i < kPreviewLines; ++i) {
    std::string line(lines[i]);
    remplacer_car(';', '\t', line);
    remplacer_car('\0', '\t', line);
    reparer_accents(line);
    out.push_back(std::move(line));
  }
  out.emplace_back("=================================================");
  out.emplace_back("cet affichage n'est qu'une partie du fichier...");
  out.emplace_back("    double click pour affichage complet");
  return out;
}

std::string preview_text(const std::vector<std::string_view>& lines) {
  std::string text;
  for (const std::string& line : preview_lines(lines)) text += line + "\n";
  return text;
}

}  // namespace talve
