// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace talve {

// Finding the data files of a description: the files of the data folder
// (and, on request, of its sub-folders) whose extension matches the mask.
// Each file found is one entry of the found-file list (`ListBox_rep_nom_fic`)
// from which the FileTable is built: its sub-folder relative to the data
// folder ("" or "2021/janv/"), its name and its size, kept apart as the
// file system gives them (any name works, blanks and tabs included); shown
// as text, an entry reads
//   sub-folder, "  \t", file name, "  \t", size in bytes in decimal.
// Within each folder, entries are met in name order (byte order), the
// contents of a sub-folder coming where the sub-folder's name falls, so the
// listing is the same on every run.

// The mask in the form compared with extensions: upper-cased, one leading
// "*" removed, a "." put in front when it holds none. "csv", "*.csv" and
// ".CSV" give ".CSV"; "*.*" gives ".*", which matches every extension; "*"
// gives ".", which matches no file.
std::string normalise_mask(std::string_view mask);

// The extension as compared with the mask: from the last "." of the name
// on, "." included, upper-cased; "" without ".".
std::string upper_extension(std::string_view name);

// The names are the file system's bytes (UTF-8), not texts of the program.
struct FoundFile {
  std::string subfolder;  // "" or ending with "/"
  std::string name;
  std::uintmax_t size = 0;
};

// The text form of an entry, as the found-file list shows it.
std::string found_file_entry(const FoundFile& file);

// A folder of the walk that could not be read: its files are not listed.
struct UnreadableFolder {
  std::string subfolder;  // relative to the data folder; "" for the data folder itself
  int error = 0;          // the system's error number
};

// What a folder that gave no entries suffers from, in French, to follow
// its name: "n'existe pas", "n'est pas un répertoire", or "est illisible : "
// and the system's reason.
std::string folder_problem_text(int error);

// The one workbook of the spreadsheet input, listed instead of a folder.
struct SpreadsheetSource {
  std::string folder;  // the converted workbook's folder
  std::string name;
  std::uintmax_t size = 0;
};

// `lister_fichiers`: clears the list and fills it with the files of the
// folder that match the mask, walking the sub-folders when `recursive`
// (`CheckBox_recursif.Checked`); `first_name` receives the name of the first
// file found ("" when none). Returns the number of files found. With a
// spreadsheet source nothing is searched: the list receives its single
// entry (its folder in place of the sub-folder) and the result is 1.
// `unreadable`, when given, receives the folders that could not be read,
// the data folder itself included (missing, not a folder, refused).
int lister_fichiers(const std::string& folder, const std::string& mask, bool recursive,
                    std::vector<FoundFile>& list, std::string& first_name,
                    const std::optional<SpreadsheetSource>& spreadsheet = std::nullopt,
                    std::vector<UnreadableFolder>* unreadable = nullptr);

// `lister_dossier`: the worker behind `lister_fichiers`, on the folder
// `folder` + `subfolder` with a mask already normalised; appends to the
// list and returns the number of files it added. Hidden entries (names
// beginning with ".") are never walked into, names holding "~" (working and
// temporary copies) are never listed, only regular files are listed, and a
// folder reached through a link that leads back to a folder being walked is
// not entered again. An unreadable folder adds nothing but its entry in
// `unreadable`.
int lister_dossier(const std::string& folder, const std::string& subfolder,
                   const std::string& normalised_mask, bool recursive, std::vector<FoundFile>& list,
                   std::string& first_name, int depth, std::vector<UnreadableFolder>* unreadable = nullptr);

// `lister_descriptions`: the full names of the description files ("*.dsc",
// any letter case) of the folder, not recursive, in name order.
std::vector<std::string> lister_descriptions(const std::string& folder);

}  // namespace talve
