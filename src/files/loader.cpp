// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/loader.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "core/workspace.h"
#include "files/byte_substitution.h"
#include "files/data_block.h"
#include "files/parallel_read.h"
#include "text/encoding.h"
#include "text/system_error.h"
#include "text/text_utils.h"

namespace talve {
namespace {

constexpr int kTabulationChoice = 0;
constexpr char kNul = '\0';
constexpr char kNulStandIn = '\x01';
constexpr char kNulSecondLoad = '_';
constexpr int kClipboardPreviewLines = 3;

// How the bytes of the file are rewritten before they are cut into lines.
enum class Substitution {
  None,             // loaded as it is (spreadsheet and clipboard files)
  NulToStandIn,     // NUL -> 0x01
  NulToUnderscore,  // NUL -> "_"
  Tabulation,       // NUL -> 0x01, then TAB -> ";"
};

// `may_hold_nul` false spares the NUL substitutions a pass over the bytes.
void apply(Substitution substitution, FileBuffer& bytes, bool may_hold_nul) {
  switch (substitution) {
    case Substitution::None:
      break;
    case Substitution::NulToStandIn:
      if (may_hold_nul) substitute_byte(bytes, kNul, kNulStandIn);
      break;
    case Substitution::NulToUnderscore:
      if (may_hold_nul) substitute_byte(bytes, kNul, kNulSecondLoad);
      break;
    case Substitution::Tabulation:
      if (may_hold_nul) substitute_byte(bytes, kNul, kNulStandIn);
      substitute_byte(bytes, '\t', ';');
      break;
  }
}

std::string clipboard_too_short(std::size_t size, const std::vector<std::string_view>& lines) {
  std::string text = " le presse papier ne contient que " + std::to_string(size) + " octets\n\n" +
                     " 3 premières lignes :\n" + "==============================\n";
  // A clipboard of fewer than three lines shows the lines it has.
  for (std::size_t i = 0; i < lines.size() && i < kClipboardPreviewLines; ++i) {
    text += lines[i];
    text += "\n";
  }
  text += "==============================\n\n";
  text += " => Annuler pour   Recopier les données du fichier Excel";
  return text;
}

// A file that is there but cannot be read is told apart from one that is
// not there, with the system's reason; the log (and so the report) names
// it too.
void tell_missing(Workspace& ws, const std::string& path, int error) {
  const std::string shown = name_as_text(path);
  if (error == ENOENT) {
    ws.ui().message("fichier inexistant\n" + shown);
    return;
  }
  const std::string reason = system_error_text(error);
  ws.ajout_suivi("fichier illisible => " + shown + " : " + reason);
  ws.ui().message("fichier illisible\n" + shown + "\n\n " + reason);
}

}  // namespace

bool load_data_file(Workspace& ws, const std::string& path, LoadedFile& out) {
  const DataDescription& description = ws.description;
  const bool tabulation = description.choice("RadioGroup_separateur_colonne_ItemIndex") == kTabulationChoice;
  const InputMode mode = ws.flags.input_mode;
  out = LoadedFile();

  std::error_code error;
  if (mode == InputMode::Clipboard && !std::filesystem::exists(path, error)) {
    ws.ui().message("fichier introuvable \n\n" + name_as_text(path));
    return false;
  }

  std::vector<std::string_view> lines;
  WholeFile file = read_and_split(path, lines);
  // The spreadsheet's converted file is read as it is, and so is the
  // clipboard file: a missing one is reported like any other data file.
  if (file.state == WholeFileState::Missing) tell_missing(ws, path, file.error);

  // Neither NUL nor TAB ends a line, so the lines are the same before and
  // after the substitutions: cut once, rewrite the bytes under the views.

  const bool first_copy = tabulation || mode == InputMode::Files;
  const Substitution first = tabulation                 ? Substitution::Tabulation
                             : mode == InputMode::Files ? Substitution::NulToStandIn
                                                        : Substitution::None;
  const long long minimum_lines = line_number_setting(description, "Edit_num_ligne_donnee.text") + 2;
  const bool second_load = static_cast<long long>(lines.size()) < minimum_lines ||
                           description.checked("CheckBox_car_null.Checked");
  const bool clipboard_refusal = second_load && !tabulation && description.text("Edit_masque.text") == "ppp";
  const bool copies_source = first_copy || (second_load && !clipboard_refusal);
  if (file.state == WholeFileState::Empty && copies_source)
    ws.ajout_suivi("fichier VIDE => " + name_as_text(path));

  if (clipboard_refusal) {
    apply(first, *file.bytes, file.may_hold_nul);
    out = LoadedFile(file.bytes, lines);
    ws.ui().ask(MessageType::Warning, kCancel, clipboard_too_short(file.bytes->size(), lines));
    return false;
  }

  Substitution final = first;
  if (second_load && !tabulation) final = Substitution::NulToUnderscore;
  apply(final, *file.bytes, file.may_hold_nul);
  out = LoadedFile(std::move(file.bytes), std::move(lines));
  return true;
}

}  // namespace talve
