// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/sample_description.h"

#include "session/listing_sources.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/busy_cursor.h"
#include "core/entry_rules.h"
#include "core/folder_paths.h"
#include "core/input_mode_controls.h"
#include "files/file_preview.h"
#include "files/listing_button.h"
#include "inputs/sample_checks.h"
#include "session/description_actions.h"
#include "session/listing.h"
#include "session/listing_reset.h"
#include "session/session.h"
#include "text/ascii.h"
#include "text/encoding.h"
#include "text/text_utils.h"

namespace talve {
namespace {

namespace fs = std::filesystem;

// The whole text shown in `Memo1` stops here: a sample of millions of lines
// would make the text area itself the slow part.
constexpr std::size_t kShownLines = 20000;

std::string extension_of(const std::string& path) {
  const std::string name = fs::path(file_system_path(path)).filename().string();
  const auto dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : name_as_text(name.substr(dot + 1));
}

std::string without_stars_and_dots(std::string mask) {
  std::erase(mask, '*');
  std::erase(mask, '.');
  return mask;
}

void open_in_editor(Session& s, const std::string& path) {
  s.ui().open_in_editor(path, s.description.text("Edit_name_prog_blocnote.text"));
}

bool read_sample(const std::string& path, std::string& text) {
  std::ifstream in(file_system_path(path), std::ios::binary);
  if (!in) return false;
  text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

// `Memo1`, `Memo6` and `Label26` for the loaded text.
void show_sample_text(Session& s, const std::vector<std::string_view>& lines) {
  std::string whole;
  for (std::size_t i = 0; i < lines.size() && i < kShownLines; ++i) {
    whole.append(lines[i]);
    whole.push_back('\n');
  }
  s.set_caption("Memo1", whole);
  s.set_caption("Memo6", preview_text(lines));
  s.set_visible("Memo1", true);
  s.set_visible("Memo6", true);
  s.preview_shown = true;
  s.set_caption("Label26", format_grouped(static_cast<long long>(lines.size())));
}

// The folder, mask and input mode taken from the sample's path.
void take_folder_and_mask(Session& s, const std::string& path, const std::string& extension) {
  DataDescription& d = s.description;
  for (const char* label : {"Label6", "Label8", "Label10"}) s.set_caption(label, "---");
  forget_previous_listing(s);
  const std::string folder = chemin_avec_barre(folder_of(path));
  if (d.text("dossier_choisi") != folder) d.set_text("dossier_choisi", folder);
  s.set_caption("Label_repertoire", folder);
  count_data_files(s);
  if (without_stars_and_dots(d.text("Edit_masque.text")) != extension)
    d.set_text("Edit_masque.text", extension);
  s.flags.input_mode = input_mode_for_mask(extension);
  show_input_mode(s);
  if (s.flags.input_mode == InputMode::Spreadsheet) {
    // The workbook is read through its converted sheet: the listing and the
    // run find it by this name.
    const std::string workbook = name_as_text(fs::path(file_system_path(path)).filename().string());
    d.set_text("Label_nom_fic_excel.caption", workbook);
    s.set_caption("Label_nom_fic_excel", workbook);
    d.mark_modified();
  }
  count_data_files(s);
}

// File mode: a mask written with its star or dot against the
// file's bare extension. False when the user only wants to see the file.
bool settle_extension(Session& s, const std::string& path, const std::string& extension) {
  DataDescription& d = s.description;
  const std::string mask = d.text("Edit_masque.text");
  if (equals_nocase(extension, mask)) return true;
  const std::string question = " L'extention du fichier (" + extension + ") n'est pas celui attendu (" +
                               mask +
                               ") \r\r   modifier l'extention et continuer (Oui)  \n\n"
                               "   ou juste visualiser le fichier     (Non) ";
  if (s.ui().ask(MessageType::Warning, kYesNo, question) != Answer::Yes) {
    count_data_files(s);
    open_in_editor(s, path);
    return false;
  }
  d.set_text("Edit_masque.text", extension);
  count_data_files(s);
  const std::string description_extension = extension_of(d.file_name());
  if (s.caption("Label_repertoire") != d.text("dossier_choisi") || description_extension != extension) {
    d.set_file_name("Temporaire.DSC");
    d.set_file_name(propose_description_name(d));
  }
  static_cast<void>(lister_tableau(s));
  refresh_listing_button(s);
  return true;
}

}  // namespace

SampleOutcome inspect_sample(Session& s, const std::string& path) {
  if (s.busy()) return SampleOutcome::Cancelled;
  BusyCursor wait(s.ui());
  const std::string extension = extension_of(path);
  take_folder_and_mask(s, path, extension);

  const std::string name = name_as_text(fs::path(file_system_path(path)).filename().string());
  const std::string question = "FICHIER\n  " + name +
                               "                   \n\n\nDESCRIPTION DES DONNEES\n\n"
                               " Utiliser les paramètrages tels quel => (Oui)\n\n"
                               " ou les adapter et éditer le fichier => (Non)\n";
  if (s.ui().ask(MessageType::Warning, kYesNo, question) != Answer::Yes) {
    open_in_editor(s, path);
    return SampleOutcome::Edited;
  }
  if (s.flags.input_mode == InputMode::Files && !settle_extension(s, path, extension))
    return SampleOutcome::Edited;
  count_data_files(s);

  // A workbook's bytes are no text: its sheet is checked as LibreOffice
  // converts it, the text every listing and run of it will read.
  std::string sample = path;
  if (s.flags.input_mode == InputMode::Spreadsheet) {
    if (!convert_workbook_for_listing(s)) return SampleOutcome::Cancelled;
    sample = converted_workbook_path();
  }
  std::string text;
  if (!read_sample(sample, text)) {
    s.ui().ask(MessageType::Error, kOkButton, " fichier illisible : " + sample);
    return SampleOutcome::Cancelled;
  }
  const std::vector<std::string_view> lines = split_lines(text);
  show_sample_text(s, lines);
  open_in_editor(s, sample);
  check_sample_content(s, lines);
  static_cast<void>(lister_tableau(s));
  return SampleOutcome::Inspected;
}

void choix_fic_donnee_click(Session& s) {
  if (s.busy()) return;
  const std::string& data_folder = s.description.text("dossier_choisi");
  std::error_code ec;
  const std::string initial =
      data_folder.empty() ? chemin_avec_barre(name_as_text(fs::current_path(ec).string())) : data_folder;
  FileDialogRequest request;
  request.title = "Exemplaire de fichier dans le répertoire des données : " + initial;
  request.initial_folder = initial;
  request.filter = "Fichiers (*.*)|*.*|Tous les fichiers (*.*)|*.*";
  request.proposed_name = "*.*";
  request.must_exist = true;
  const auto chosen = s.ui().open_file(request);
  if (!chosen) return;
  if (inspect_sample(s, *chosen) != SampleOutcome::Inspected) return;
  // Said when it fails, and the description stays marked modified.
  static_cast<void>(write_description(s));
}

void memo6_double_click(Session& s) {
  s.preview_shown = false;
  s.set_visible("Memo6", false);
}

void memo1_double_click(Session& s) {
  s.preview_shown = !s.preview_shown;
  s.set_visible("Memo6", s.preview_shown);
}

}  // namespace talve
