// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/description_actions.h"

#include <filesystem>

#include "core/folder_paths.h"
#include "core/parameter_file.h"
#include "core/program_folder.h"
#include "core/program_title.h"
#include "session/listing_reset.h"
#include "session/pending_links.h"
#include "session/session.h"
#include "text/ascii.h"
#include "text/encoding.h"
#include "text/text_utils.h"

namespace talve {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kFilter = "Fichiers descriptifs (*.dsc)|*.dsc|Tous les fichiers (*.*)|*.*";
constexpr std::string_view kTitleLine = "Edit_num_ligne_intitule_col.text";

std::string file_name_of(const std::string& path) { return fs::path(path).filename().string(); }

// The name shown for the current description, and the window title.
void name_description(Session& session, const std::string& name) {
  session.description.set_file_name(name);
  session.set_caption("Label_description_bd", name);
  session.set_caption("Form1", name + "         >  " + program_title());
}

std::string separator_tag(int choice) {
  switch (choice) {
    case 0:
      return " Tab";
    case 1:
      return " esp";
    case 2:
      return " ;";
    case 3:
      return " ,";
    default:
      return {};
  }
}

// Before saving: the title line follows the titles choice.
void align_title_line(DataDescription& description) {
  const int titles = description.choice("RadioGroup_avec_sans_intitule_ItemIndex");
  int title_line = -1;
  const bool reads = read_int(trim_view(description.text(kTitleLine)), title_line);
  if (titles == 1)
    description.set_text(kTitleLine, "0");
  else if (titles == 0 && reads && title_line == 0)
    description.set_text(kTitleLine, "1");
}

}  // namespace

void choose_description(Session& session) {
  if (session.busy()) return;
  DataDescription& description = session.description;
  const std::string folder = description.text("dossier_description");
  FileDialogRequest request;
  request.title = "choix de la description des données : " + folder;
  request.initial_folder = folder;
  request.filter = std::string(kFilter);
  std::error_code ec;
  request.proposed_name = description.is_current() && fs::is_regular_file(description.file_path(), ec)
                              ? file_name_of(description.file_path())
                              : "*.dsc";
  request.must_exist = true;
  const auto chosen = session.ui().open_file(request);
  if (!chosen) return;

  description.mark_modified();
  clear_checked_files(session);
  forget_previous_listing(session);
  const std::string chosen_folder = folder_of(*chosen);
  const std::string chosen_name = file_name_of(*chosen);
  description.assign("dossier_description", chosen_folder);
  name_description(session, chosen_name);
  if (read_description(session) == ReadOutcome::Stopped) return;
  // The file holds its own description folder, which may be where it was
  // first saved: where it lies now wins.
  description.assign("dossier_description", chosen_folder);
  name_description(session, chosen_name);
  if (!record_chosen_description(chosen_folder + chosen_name, session.ui()))
    tell_parameter_file_unwritten(session);
  // A description that cannot be written has said so; it is read again as
  // it stands on the disk.
  static_cast<void>(write_description(session));
  reload_description(session);
}

void edit_description(Session& session) {
  const DataDescription& description = session.description;
  if (!description.is_current()) {
    session.ui().message(" Aucun fichier de description : en choisir un ou enregistrer la description \n");
    return;
  }
  const std::string path = description.file_path();
  std::error_code ec;
  if (!fs::is_regular_file(file_system_path(path), ec)) {
    session.ui().message(" Fichier de description <" + description.file_name() +
                         "> introuvable dans le dossier" + "\n\n" + "<" +
                         description.text("dossier_description") + ">");
    return;
  }
  session.ui().open_in_editor(path, description.text("Edit_name_prog_blocnote.text"));
}

void save_description(Session& session) {
  if (session.busy()) return;
  DataDescription& description = session.description;
  UserInterface& ui = session.ui();
  if (!description_folder_chosen(session)) {
    session.set_caption("Panel4",
                        "déplacer \"notepad++\" vers le bas pour voir les messages au centre de l'écran");
    session.set_visible("Panel4", true);
    ui.ask(MessageType::Confirmation, kOkButton,
           " Nouveau fichier de description \n choisir d'abord le dossier des descriptions...");
    session.set_visible("Panel4", false);
    description.clear_modified();
    choose_working_folder(session, FolderRole::Description);
    return;
  }
  if (!description.is_current()) {
    save_description_as(session);
    return;
  }
  const std::string question =
      std::string(description.modified() ? " Enregistrer les modifications de la description de données  "
                                         : " Enregistrer la description de données  ") +
      "  " + description.file_name() + "\n\n" + " dans le répertoire " +
      description.text("dossier_description") + "   ?   \n\n";
  switch (ui.ask(MessageType::Confirmation, kYesNoCancel, question)) {
    case Answer::Yes:
      align_title_line(description);
      description.mark_modified();
      // Said when it fails, and the description stays marked modified.
      static_cast<void>(write_description(session));
      break;
    case Answer::No:
      description.clear_modified();
      break;
    default:
      break;
  }
}

std::string propose_description_name(const DataDescription& description) {
  std::string stem = description.file_name();
  if (const auto dot = stem.rfind('.'); dot != std::string::npos) stem.erase(dot);
  if (const auto tag = stem.find("_("); tag != std::string::npos) stem.erase(tag);
  std::string mask = description.text("Edit_masque.text");
  remplacer_car('*', '_', mask);
  remplacer_car('.', '_', mask);
  return stem + "_(" + mask + separator_tag(description.choice("RadioGroup_separateur_colonne_ItemIndex")) +
         ").dsc";
}

bool save_description_as(Session& session, SaveAsOrigin origin) {
  if (session.busy()) return false;
  DataDescription& description = session.description;
  const std::string remembered = description.file_name();
  const bool clipboard_mask = description.text("Edit_masque.text") == "ppp";
  FileDialogRequest request;
  if (origin == SaveAsOrigin::NewDescription) {
    request.title = "Nom de la nouvelle description des données à créer";
    request.proposed_name = description.file_name();
  } else {
    request.title = "enregistrement  de la description des données";
    request.proposed_name = propose_description_name(description);
  }
  if (clipboard_mask) request.proposed_name = "ppp.dsc";
  request.initial_folder = description.text("dossier_description");
  request.filter = std::string(kFilter);
  request.confirm_overwrite = true;
  const auto chosen = session.ui().save_file(request);
  if (!chosen) {
    description.set_file_name(remembered);
    return false;
  }

  const std::string folder = folder_of(*chosen);
  std::string name = file_name_of(*chosen);
  if (!contains(upper_ascii(name), ".DSC")) name += ".dsc";
  description.set_text("dossier_description", folder);
  name_description(session, name);
  if (!clipboard_mask && !record_renamed_description(folder + name)) tell_parameter_file_unwritten(session);
  description.mark_modified();
  // Not written (and said so): there is no file to read again.
  if (!create_description(session)) return false;
  reload_description(session);
  return true;
}

void new_description(Session& session) {
  if (session.busy()) return;
  DataDescription& description = session.description;
  UserInterface& ui = session.ui();
  if (ui.ask(MessageType::Confirmation, kYesNoCancel,
             "Nouvelle description ? \n\n ( Valeurs par défaut, seuls les 3 répertoires sont conservés )    "
             " ") != Answer::Yes)
    return;
  std::error_code ec;
  fs::remove(parameter_file_path(), ec);
  description.set_file_name("");
  session.set_caption("Label_description_bd", "");
  description.reset_to_absent_values(program_folder());
  forget_previous_listing(session);
  show_folder_labels(session);
  save_description_as(session, SaveAsOrigin::NewDescription);
  ui.message(" Choisir le répertoire des données \n  et ouvrir un exemplaire de fichier à traiter ...");
  choose_working_folder(session, FolderRole::Data);
}

}  // namespace talve
