// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/description_actions.h"

#include <filesystem>

#include "core/busy_cursor.h"
#include "core/column_preview.h"
#include "core/description_file.h"
#include "core/entry_rules.h"
#include "core/field_visibility.h"
#include "core/folder_paths.h"
#include "core/input_mode_controls.h"
#include "core/parameter_file.h"
#include "core/program_folder.h"
#include "files/file_discovery.h"
#include "files/listing_button.h"
#include "session/modified_indication.h"
#include "session/own_files.h"
#include "session/pending_links.h"
#include "session/session.h"
#include "text/ascii.h"
#include "text/encoding.h"
#include "text/text_utils.h"

namespace talve {
namespace {

namespace fs = std::filesystem;

std::string name_with_dsc_extension(const std::string& name) {
  const auto dot = name.rfind('.');
  return (dot == std::string::npos ? name : name.substr(0, dot)) + ".DSC";
}

}  // namespace

void count_data_files(Session& session) {
  const DataDescription& description = session.description;
  std::vector<FoundFile> found;
  std::string first_name;
  const int count = lister_fichiers(file_system_path(description.text("dossier_choisi")),
                                    description.text("Edit_masque.text"),
                                    description.checked("CheckBox_recursif.Checked"), found, first_name);
  session.set_caption("Label54", std::to_string(count));
  session.set_caption("Label_nom_de_fichier", name_as_text(first_name));
}

namespace {

// What follows the reading of the settings.
void refresh_after_read(Session& session) {
  DataDescription& description = session.description;
  show_title_line_field(session);
  // The step-kind display is refreshed, which empties the grid instants.
  session.grid.clear();
  session.period.changed = true;
  description.clear_modified();

  session.set_caption("Edit_intitule_origine", "");
  show_date_fields(session);
  refresh_column_preview(session);
  show_data_block_fields(session);
  session.flags.input_mode = input_mode_for_mask(description.text("Edit_masque.text"));
  show_input_mode(session);
  if (session.flags.input_mode == InputMode::Clipboard) reread_clipboard_file(session);
  if (session.flags.input_mode == InputMode::Files) count_data_files(session);
  refresh_listing_button(session);
}

bool folder_exists(const std::string& folder) {
  std::error_code ec;
  return !folder.empty() && fs::is_directory(folder, ec);
}

}  // namespace

ReadOutcome read_description(Session& session) {
  DataDescription& description = session.description;
  if (!description.is_current()) return ReadOutcome::NothingCurrent;
  const std::string path = description.file_path();
  const auto result = read_description_file(path, description, session.ui());
  if (!result.opened) {
    const std::string name = name_with_dsc_extension(description.file_name());
    const std::string folder = description.text("dossier_description");
    session.ui().message(result.missing ? " Fichier de description <" + name +
                                              "> introuvable dans le dossier" + "\n\n" + "<" + folder + ">"
                                        : " Fichier de description <" + name + "> illisible dans le dossier" +
                                              "\n\n" + "<" + folder + ">" + "\n\n " + result.problem);
    return ReadOutcome::FileMissing;
  }
  if (result.utf8) session.ajout_suivi(utf8_description_note(path));
  if (!result.complete) return ReadOutcome::Stopped;
  refresh_after_read(session);
  return ReadOutcome::Read;
}

void tell_parameter_file_unwritten(Session& session) {
  tell_own_file_unwritten(
      session, " le fichier de paramètres n'a pas pu être écrit : " + name_as_text(parameter_file_path()));
}

bool write_description(Session& session) {
  DataDescription& description = session.description;
  if (!description.is_current()) return false;
  const std::string path = description.file_path();
  std::string error;
  if (!write_description_file(path, description, &error)) {
    // The modified flag stays set: the settings are not saved anywhere.
    session.ui().ask(MessageType::Error, kOkButton,
                     " Impossible d'écrire le fichier de description <" + path + ">\n\n" + error);
    return false;
  }
  if (session.period.changed) save_period_file(session);
  if (description.modified())
    if (!record_saved_description(description.text("dossier_description") + description.file_name(),
                                  description.choice("RadioGroup_coul_nb.ItemIndex"), session.colours,
                                  session.ui()))
      tell_parameter_file_unwritten(session);
  description.clear_modified();
  refresh_listing_button(session);
  return true;
}

bool create_description(Session& session) { return write_description(session); }

void reload_description(Session& session) {
  BusyCursor busy(session.ui());
  session.file_table.reset();
  if (read_description(session) == ReadOutcome::Stopped) return;
  show_folder_labels(session);
  colour_bound_fields(session);
  if (!folder_exists(session.description.text("dossier_choisi")))
    choose_working_folder(session, FolderRole::Data);
  else if (!folder_exists(session.description.text("dossier_choisi_sortie")))
    choose_working_folder(session, FolderRole::Output);
}

void save_before_leaving(Session& session) {
  DataDescription& description = session.description;
  const std::string data_folder = description.text("dossier_choisi");
  if (upper_ascii(description.text("Edit_masque.text")) == "TXT" && !data_folder.empty() &&
      same_folder(description.text("dossier_choisi_sortie"), data_folder)) {
    const std::string export_folder = chemin_avec_barre(data_folder) + "Export/";
    std::error_code ec;
    fs::create_directories(export_folder, ec);
    if (folder_exists(export_folder)) {
      description.set_text("dossier_choisi_sortie", export_folder);
      show_folder_labels(session);
      description.mark_modified();
    } else {
      session.ui().ask(MessageType::Error, kOkButton, "Impossible de créer le répertoire  " + export_folder);
    }
  }
  if (description.file_name().starts_with("Temporaire")) {
    const std::string question = " Le fichier  " + description.file_name() + " est temporaire" + "\n\n" +
                                 " L'enregistrer avec un nom finalisé ?";
    if (session.ui().ask(MessageType::Confirmation, kYesNo, question) == Answer::Yes)
      save_description_as(session);
  }
  // A description that cannot be written has said so (the program is
  // leaving, or the results were saved).
  static_cast<void>(write_description(session));
}

}  // namespace talve
