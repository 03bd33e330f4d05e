// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/drive_relocation.h"

#include <algorithm>
#include <filesystem>
#include <optional>

#include "core/description_file.h"
#include "core/folder_paths.h"
#include "core/program_folder.h"
#include "core/replace_file.h"
#include "core/small_file.h"
#include "session/description_actions.h"
#include "session/session.h"
#include "text/ascii.h"
#include "text/text_utils.h"

namespace talve {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kFolderKeys[] = {"dossier_choisi", "dossier_description", "dossier_choisi_sortie"};
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

void report(Session& session, std::string line) { session.drive_panel.report.push_back(std::move(line)); }

void publish_report(Session& session) {
  std::string text;
  for (const std::string& line : session.drive_panel.report) text += line + "\n";
  session.set_caption("Memo8", text);
}

std::optional<std::vector<std::string>> read_lines(const std::string& path) {
  const SmallFile file = read_small_file(path);
  if (file.state != SmallFileState::Read) return std::nullopt;
  std::vector<std::string> lines;
  for (std::string_view line : split_lines(file.bytes)) lines.emplace_back(line);
  return lines;
}

// The first line whose text before its first "=" is the key, compared
// without regard to letter case, as the description reader finds it.
std::optional<std::size_t> key_line(const std::vector<std::string>& lines, std::string_view key) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string_view line = lines[i];
    if (i == 0 && line.starts_with(kUtf8Mark)) line.remove_prefix(kUtf8Mark.size());
    const auto equal = line.find('=');
    if (equal != std::string_view::npos && equals_nocase(line.substr(0, equal), key)) return i;
  }
  return std::nullopt;
}

// The folder value of a line: up to the next "=", trimmed, accents
// repaired, ended with a separator. A missing key names the description's
// own folder.
std::string folder_value(const std::vector<std::string>& lines, std::optional<std::size_t> index) {
  if (!index) return "./";
  const std::string_view line = lines[*index];
  const std::string_view rest = line.substr(line.find('=') + 1);
  std::string value = description_value(trim(rest.substr(0, rest.find('='))));
  if (!value.empty() && value.back() != '/' && value.back() != '\\') value += '/';
  return value;
}

// A relative folder is looked for from the description file's own folder.
bool folder_exists(const std::string& folder, const std::string& own_folder) {
  if (folder.empty()) return false;
  const std::string relative = relative_folder_form(folder);
  std::error_code ec;
  return fs::is_directory(relative.empty() ? folder : resolve_folder(relative, own_folder), ec);
}

std::string program_prefix(const Session& session) {
  return split_mount_prefix(program_folder(), session.drive_panel.mount_roots).prefix;
}

// The prefix the folders move to: the field's, or the program's own.
std::string target_prefix(const Session& session) {
  const std::string typed = normalise_typed_prefix(session.drive_panel.prefix);
  return typed.empty() ? program_prefix(session) : typed;
}

// One description file: its three folders tested on their disk (change
// off) or on the new one (change on). Returns the replaced lines, or
// nothing when the file could not be read or written.
std::optional<int> test_file(Session& session, const std::string& path, const std::string& disk,
                             bool change) {
  auto lines = read_lines(path);
  if (!lines) {
    session.ui().ask(MessageType::Error, kOkButton,
                     " Impossible de lire le fichier de description <" + path + ">");
    return std::nullopt;
  }
  report(session, fs::path(path).filename().string());
  if (change) report(session, "- modification lecteur par <" + disk + "> dans " + path);
  const std::string own_folder = folder_of(path);
  int changes = 0;
  for (std::string_view key : kFolderKeys) {
    const auto index = key_line(*lines, key);
    const std::string old = folder_value(*lines, index);
    const std::string candidate = change ? move_to_prefix(old, disk, session.drive_panel.mount_roots) : old;
    if (folder_exists(candidate, own_folder)) {
      if (change && index) {
        (*lines)[*index] = std::string(key) + "= " + candidate;
        ++changes;
      }
      report(session, "  " + candidate);
    } else {
      if (key != "dossier_choisi") report(session, "  échec  " + old + "=>" + candidate);
      report(session, candidate + " <= " + old + "  échec");
    }
  }
  if (!change) return changes;
  std::string error;
  if (!replace_file(path, join_lines_crlf(*lines), &error)) {
    session.ui().ask(MessageType::Error, kOkButton,
                     " Impossible d'écrire le fichier de description <" + path + ">\n\n" + error);
    return std::nullopt;
  }
  return changes;
}

// The session's own three folders follow the description files.
void move_own_folders(Session& session, const std::string& disk) {
  DataDescription& description = session.description;
  for (std::string_view key : kFolderKeys) {
    const std::string old = description.text(key);
    const std::string candidate = move_to_prefix(old, disk, session.drive_panel.mount_roots);
    std::error_code ec;
    if (!candidate.empty() && fs::is_directory(candidate, ec))
      description.set_text(key, candidate);
    else
      session.ajout_suivi("    échec  " + old + " => " + candidate);
  }
  show_folder_labels(session);
  description.mark_modified();
}

// The folder test of every listed file, then, with change on, the counts
// and the session's own folders. False when a file stopped it.
[[nodiscard]] bool folder_test(Session& session, bool change) {
  DrivePanel& panel = session.drive_panel;
  const std::string disk = target_prefix(session);
  report(session, "");
  int changes = 0;
  bool complete = true;
  for (const std::string& path : panel.files) {
    const auto replaced = test_file(session, path, disk, change);
    if (!replaced) {
      complete = false;
      break;
    }
    changes += *replaced;
  }
  if (complete && change) {
    const std::string n = std::to_string(panel.files.size());
    report(session, "");
    report(session, " mise à jour des " + n + " fichiers de description, " + std::to_string(changes) +
                        " modif. avec le lecteur " + disk + " ( 3x" + n + " = " +
                        std::to_string(3 * panel.files.size()) + " )");
    move_own_folders(session, disk);
  }
  publish_report(session);
  return complete;
}

std::vector<std::string> description_files(const std::string& folder) {
  std::vector<std::string> files;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code type_error;
    if (it->is_regular_file(type_error) && equals_nocase(it->path().extension().string(), ".dsc"))
      files.push_back(it->path().string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace

void summarise_descriptions(Session& session) {
  if (!description_folder_chosen(session)) {
    session.ui().message(" D'abord choisir un répertoire des fichiers de description \n");
    choose_working_folder(session, FolderRole::Description);
    return;
  }
  DrivePanel& panel = session.drive_panel;
  const std::string folder = session.description.text("dossier_description");
  panel.shown = true;
  session.set_visible("Panel_lecteur", true);
  session.set_caption("Label64", folder);
  panel.prefix = split_mount_prefix(folder, panel.mount_roots).prefix;
  session.set_caption("Edit_lecteur", panel.prefix);
  panel.report.clear();
  panel.files = description_files(folder);
  for (const std::string& path : panel.files) report(session, path);
  // The test only fills the report, which says where it stopped.
  static_cast<void>(folder_test(session, false));
}

void set_drive_prefix(Session& session, std::string_view typed) {
  const std::string prefix = normalise_typed_prefix(typed);
  session.drive_panel.prefix = prefix.empty() ? program_prefix(session) : prefix;
  session.set_caption("Edit_lecteur", session.drive_panel.prefix);
}

bool relocate_descriptions(Session& session) {
  const std::string question =
      " Confimation du changement de lecteur dans les fichiers DSC  (" + target_prefix(session) + ")  ";
  if (session.ui().ask(MessageType::Confirmation, kYesCancel, question) != Answer::Yes) return false;
  return folder_test(session, true);
}

void hide_drive_panel(Session& session) {
  session.drive_panel.shown = false;
  session.set_visible("Panel_lecteur", false);
}

}  // namespace talve
