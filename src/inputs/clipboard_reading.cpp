// SPDX-License-Identifier: GPL-3.0-or-later
#include "inputs/clipboard_reading.h"

#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include "core/entry_rules.h"
#include "core/input_mode_controls.h"
#include "core/program_folder.h"
#include "core/workspace.h"
#include "files/byte_substitution.h"
#include "files/listing_button.h"
#include "text/clock.h"
#include "text/tdatetime.h"
#include "text/text_utils.h"

namespace talve {
namespace {

constexpr int kPointVirgule = 2;  // `RadioGroup_separateur_colonne_ItemIndex`

// The text's lines, without the empty line after its last line end.
std::vector<std::string_view> text_lines(const std::string& text) {
  std::vector<std::string_view> lines = split_lines(text);
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

// The lines written with CR LF into "~tmp.txt", then every TAB turned into
// ";" from there into the clipboard file.
bool write_clipboard_file(Workspace& ws, const std::vector<std::string_view>& lines,
                          const std::string& file) {
  const std::string pasted = program_file("~tmp.txt");
  {
    std::ofstream out(pasted, std::ios::binary | std::ios::trunc);
    for (const std::string_view line : lines) out << line << "\r\n";
    if (!out.flush()) return false;
  }
  return copie_substitution(ws, pasted, file, '\t', ';') == CopyOutcome::Copied;
}

}  // namespace

void switch_input_mode(Workspace& ws) {
  ws.flags.input_mode = input_mode_for_mask(ws.description.text("Edit_masque.text"));
  show_input_mode(ws);
  refresh_listing_button(ws);
}

ClipboardRead read_clipboard(Workspace& ws) {
  ClipboardRead result;
  ws.set_caption("Label10", "patience lecture presse-papier...");
  const double started = monotonic_seconds();
  ws.set_caption("Memo1", "");
  result.text = ws.ui().clipboard_text();
  const std::vector<std::string_view> lines = text_lines(result.text);
  if (lines.empty()) {
    ws.ui().message("le presse-papier est vide! ...");
    return result;
  }
  ws.set_caption("Memo1", result.text);
  const std::string file = program_file("~presse-papier.ppp");
  if (!write_clipboard_file(ws, lines, file)) return result;
  std::error_code error;
  result.size = std::filesystem::file_size(file, error);
  result.read = true;

  ws.description.set_choice("RadioGroup_separateur_colonne_ItemIndex", kPointVirgule);
  if (ws.description.text("Edit_masque.text") != "ppp") change_mask(ws.description, "ppp");
  switch_input_mode(ws);
  const std::string elapsed = format_time((monotonic_seconds() - started) / kSecondsPerDay);
  ws.set_caption("Label10", "lecture en " + elapsed);
  ws.set_caption("Label6", "Durée " + elapsed);
  return result;
}

std::string clipboard_contents_question(const ClipboardRead& read) {
  const std::vector<std::string_view> lines = text_lines(read.text);
  std::string first_lines;
  for (std::size_t i = 0; i < 3 && i < lines.size(); ++i) first_lines += "\n" + std::string(lines[i]);
  return " le presse papier contient " + std::to_string(read.size) + " octets\n\n" +
         " voir le cadre en ci-dessous et les 3 lignes suivantes\n\n" + " les 3 premières lignes :\n\n" +
         first_lines + "\n";
}

}  // namespace talve
