// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/listing_sources.h"

#include <filesystem>
#include <system_error>

#include "core/program_folder.h"
#include "files/file_discovery.h"
#include "inputs/clipboard_reading.h"
#include "inputs/workbook_import.h"
#include "output/result_name.h"
#include "session/button_colours.h"
#include "session/session.h"
#include "text/encoding.h"
#include "text/text_utils.h"

namespace talve {
namespace {

std::uintmax_t size_of(const std::string& path) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  return error ? 0 : size;
}

bool is_file(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

// A result of this program with its report beside it, or that report: the
// program's own output, written there when the output folder is the data
// folder (or inside it), is no data to list.
bool written_by_the_program(const FoundFile& found, const std::string& folder, const std::string& pattern) {
  const std::string path = folder + found.subfolder + found.name;
  const std::string name = name_as_text(found.name);
  if (named_as_result(name, pattern)) return is_file(path + ".TXT");
  if (named_as_report(name, pattern))
    return is_file(folder + found.subfolder + file_system_path(result_of_report(name)));
  return false;
}

// The program's own files leave the found-file list, each said in the
// tracking log.
void leave_out_own_files(Session& s, const std::string& folder, std::vector<FoundFile>& found) {
  const std::string& pattern = s.description.text("Edit_nom_fic_sortie.text");
  std::erase_if(found, [&](const FoundFile& file) {
    if (!written_by_the_program(file, folder, pattern)) return false;
    s.ajout_suivi("   " + name_as_text(file.subfolder + file.name) +
                  " : fichier écrit par le programme (résultat ou suivi), laissé hors du listage");
    return true;
  });
}

}  // namespace

std::string converted_workbook_path() { return program_file("~tmp_xls.csv"); }
std::string clipboard_file_path() { return program_file("~presse-papier.ppp"); }

std::vector<ListedFile> files_to_list(Session& session, std::string& first_name) {
  const DataDescription& d = session.description;
  std::vector<ListedFile> files;
  switch (session.flags.input_mode) {
    case InputMode::Spreadsheet: {
      const std::string path = converted_workbook_path();
      files.push_back(
          {d.text("Label_nom_fic_excel.caption"), session.caption("Label_repertoire"), path, size_of(path)});
      break;
    }
    case InputMode::Clipboard: {
      const std::string path = clipboard_file_path();
      files.push_back({"~presse-papier.ppp", "", path, size_of(path)});
      break;
    }
    case InputMode::Files: {
      const std::string folder = file_system_path(chemin_avec_barre(d.text("dossier_choisi")));
      FileTableState& state = session.table_state;
      std::string first;
      lister_fichiers(folder, d.text("Edit_masque.text"), d.checked("CheckBox_recursif.Checked"),
                      state.found_files, first, std::nullopt, &state.unreadable_folders);
      leave_out_own_files(session, folder, state.found_files);
      for (const FoundFile& found : state.found_files)
        files.push_back({name_as_text(found.name), name_as_text(found.subfolder),
                         folder + found.subfolder + found.name, found.size});
      break;
    }
  }
  first_name = files.empty() ? std::string() : files.front().name;
  return files;
}

std::string row_file_path(const Session& session, int row) {
  switch (session.flags.input_mode) {
    case InputMode::Spreadsheet:
      return converted_workbook_path();
    case InputMode::Clipboard:
      return clipboard_file_path();
    case InputMode::Files:
      break;
  }
  const FileTable& table = session.file_table;
  if (const std::string& listed = table.source_path(row); !listed.empty()) return listed;
  // A row made by hand: its cells name the file.
  return file_system_path(chemin_avec_barre(session.description.text("dossier_choisi")) +
                          table.lire_case(row, "s/répertoire") + table.lire_case(row, "fichier"));
}

bool workbook_to_convert(const Session& session) {
  std::error_code error;
  return !std::filesystem::exists(converted_workbook_path(), error) || session.description.modified();
}

bool convert_workbook_for_listing(Session& session) {
  const DataDescription& d = session.description;
  const std::string& name = d.text("Label_nom_fic_excel.caption");
  if (trim_view(name).empty()) {
    session.ui().message(" aucun classeur à lire : le choisir avec <Exemplaire de fichier de données>");
    return false;
  }
  set_stop_live(session, true);
  const WorkbookImport import = import_workbook(session, chemin_avec_barre(d.text("dossier_choisi")) + name);
  // Within a run, "stop" stays live for the rest of the run.
  set_stop_live(session, session.flags.running);
  session.run.phase_seconds[static_cast<std::size_t>(Phase::Listing)] = import.seconds;
  return import.imported;
}

void read_clipboard_for_listing(Session& session) { static_cast<void>(read_clipboard(session)); }

}  // namespace talve
