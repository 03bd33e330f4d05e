// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/startup.h"

#include <filesystem>

#include "core/folder_paths.h"
#include "core/mount_prefix.h"
#include "core/parameter_colours.h"
#include "core/parameter_file.h"
#include "core/parameter_storage.h"
#include "core/period_file.h"
#include "core/program_folder.h"
#include "core/program_title.h"
#include "session/description_actions.h"
#include "session/pending_links.h"
#include "session/session.h"
#include "text/clock.h"
#include "text/encoding.h"
#include "text/system_locale.h"
#include "text/text_utils.h"

namespace talve {
namespace {

namespace fs = std::filesystem;

bool file_exists(const std::string& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

bool folder_exists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::is_directory(path, ec);
}

// The example descriptions installed with the program name their folders
// on the disk they were installed on; opened from another disk, they are
// offered that disk.
void offer_argument_disk(Session& session, const std::string& argument) {
  DataDescription& description = session.description;
  const auto& roots = session.drive_panel.mount_roots;
  const std::string argument_folder = folder_of(argument);
  const std::string disk = split_mount_prefix(argument_folder, roots).prefix;
  const std::string data = description.text("dossier_choisi");
  const std::string own = description.text("dossier_description");
  const std::string output = description.text("dossier_choisi_sortie");
  const MountSplit data_split = split_mount_prefix(data, roots);
  const MountSplit own_split = split_mount_prefix(own, roots);
  const MountSplit output_split = split_mount_prefix(output, roots);
  const bool examples = data_split.rest.starts_with("TALVE/Bases de données (exemple)/") &&
                        own_split.rest.starts_with("TALVE/Descriptions-BD/") &&
                        output_split.rest == "TALVE/Export/";
  const bool elsewhere = data_split.prefix != disk || own_split.prefix != disk || output_split.prefix != disk;
  if (examples && elsewhere) {
    const std::string question = " Vérifier le lecteur des 3 répertoires \n\n" + data + "\n\n" + own +
                                 "\n\n" + output + "\n\n" + " Remplacer tous les lecteurs par " + disk +
                                 "  ?" + "\n\n";
    if (session.ui().ask(MessageType::Confirmation, kYesNo, question) == Answer::Yes) {
      description.set_text("dossier_choisi", disk + data_split.rest);
      description.set_text("dossier_choisi_sortie", disk + output_split.rest);
    }
  }
  description.assign("dossier_description", argument_folder);
  show_folder_labels(session);
}

// Steps that load the description found at start-up; `path` names an
// existing file.
void load_startup_description(Session& session, const std::string& path, bool from_argument) {
  DataDescription& description = session.description;
  const std::string name = fs::path(path).filename().string();
  std::string folder = folder_of(path);
  if (!from_argument) {
    const std::string question =
        "____________________________________ T a l v e\n\ndans => " + folder + "\n\n\n" +
        "utiliser la dernière description utilisée ?                     \n\n" + name + "\n";
    if (session.ui().ask(MessageType::Confirmation, kYesNo, question) != Answer::Yes) return;
  }
  session.set_caption("Label_patienter", "patientez...");
  session.set_visible("Label_patienter", true);
  if (!folder_exists(folder)) {
    session.ui().message(" dossier_description = \n<" + folder + "> non trouvée" + "\n" +
                         " essai dans le répertoire du programme...");
    folder = program_folder();
  }
  description.assign("dossier_description", folder);
  show_description_name(session, name);
  reload_description(session);
  if (from_argument) offer_argument_disk(session, path);
}

void start_tracking_log(Session& session) {
  session.log.clear();
  session.ajout_suivi(program_title());
  session.ajout_suivi("");
  session.set_visible("GroupBox_DECIMAL_SEPARATOR_entree", false);
  const char separator = system_decimal_separator();
  session.ajout_suivi(std::string("ORDINATEUR  DecimalSeparator  ") + separator + "  " +
                      (separator == '.' ? " point" : " virgule"));
}

}  // namespace

CommandLine read_command_line(int argc, const char* const* argv) {
  CommandLine command_line;
  if (argc >= 1 && argv[0]) command_line.program_path = utf8_to_cp1252(argv[0]);
  std::string joined;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) joined += ' ';
    joined += utf8_to_cp1252(argv[i]);
  }
  std::string argument = trim(joined);
  // Quotes around the path would otherwise become part of the file name.
  if (argument.size() >= 2 && argument.front() == '"' && argument.back() == '"')
    argument = trim(argument.substr(1, argument.size() - 2));
  command_line.argument = argument;
  return command_line;
}

void prepare_session(Session& session, const CommandLine& command_line) {
  session.flags.startup = true;
  session.colours = read_parameter_colours();
  session.description.assign("RadioGroup_coul_nb.ItemIndex", std::to_string(read_parameter_scheme()));
  session.set_caption("Form1", command_line.program_path + std::string(20, ' ') + program_title());
  session.flags.running = false;
  session.flags.input_mode = InputMode::Files;
  session.description.clear_modified();
  session.period.changed = false;
  session.startup.session_start = now();
  session.startup.command_line = command_line;
  show_folder_button_colours(session);
}

bool run_startup_sequence(Session& session) {
  StartupState& state = session.startup;
  if (state.sequence_done || !session.flags.startup) return false;
  // Marked first: the questions below may activate the window again.
  state.sequence_done = true;
  UserInterface& ui = session.ui();
  ui.set_busy(true);

  read_period_file(session);
  const std::string& argument = state.command_line.argument;
  std::string path =
      argument.empty() ? lire_ligne_fichier(parameter_file_path(), kLastDescriptionLine) : argument;
  session.colours = read_parameter_colours();
  session.description.clear_modified();
  session.flags.input_mode = InputMode::Files;
  session.file_table.reset();

  if (!trim(path).empty() && !file_exists(path)) {
    ui.message("Le fichier <" + path + ">" + "\n" + " n'existe pas ");
    path.clear();
  }
  if (!trim(path).empty() && path != DataDescription::kNoDescription)
    load_startup_description(session, path, !argument.empty());

  start_tracking_log(session);
  clear_checked_files(session);
  show_step_kind(session);
  session.description.clear_modified();
  session.set_visible("Label_patienter", false);
  ui.set_busy(false);
  return true;
}

void show_description_name(Session& session, const std::string& name) {
  session.description.set_file_name(name);
  session.set_caption("Label_description_bd", name);
  session.set_caption("Form1", name + "         >  " + program_title());
}

}  // namespace talve
