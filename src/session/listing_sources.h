// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace talve {

class Session;

// One file a listing puts into the FileTable.
struct ListedFile {
  std::string name;       // "fichier", as a text
  std::string subfolder;  // "s/répertoire", as a text
  std::string path;       // where it is read, as the file system names it
  std::uintmax_t size = 0;
};

// The working files that stand for the data files in the spreadsheet and
// clipboard modes, in the program's folder.
std::string converted_workbook_path();  // "~tmp_xls.csv"
std::string clipboard_file_path();      // "~presse-papier.ppp"

// The files of the current input: the single converted workbook or
// clipboard file, or the files of the data folder matching the mask (the
// found-file list of the table state is filled, and the folders that could
// not be read are noted there). `first_name` receives the name of the
// first file.
std::vector<ListedFile> files_to_list(Session& session, std::string& first_name);

// The path of a FileTable row's file, as the listing read it (in the file
// system's bytes).
std::string row_file_path(const Session& session, int row);

// The inputs that are not folders.
// The workbook (data folder + `Label_nom_fic_excel`) is converted into
// "~tmp_xls.csv" (before a listing, when no converted file exists or the
// description was modified); "stop" may stop it meanwhile. False when the
// converted file was not written: the user was told why.
[[nodiscard]] bool convert_workbook_for_listing(Session& session);
// No converted file exists yet, or the description was modified since.
bool workbook_to_convert(const Session& session);
// The clipboard is read again into "~presse-papier.ppp".
void read_clipboard_for_listing(Session& session);

}  // namespace talve
