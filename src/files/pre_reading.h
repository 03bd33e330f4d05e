// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "files/data_block.h"
#include "files/loaded_file.h"
#include "files/pre_read_facts.h"

namespace talve {

class FileTable;
class Workspace;
struct ListingSettings;

// How the pre-reading of one file ended.
enum class [[nodiscard]] PreReadOutcome{
    read,            // the row is filled; the listing goes on
    empty_file,      // the file holds no line: shown as such, the listing goes on
    stop,            // the user is to correct the description: the listing stops
    stop_and_reset,  // the same, and the table goes back to its title row
    list_again,      // the description was corrected: the listing starts over
};

// The file being pre-read, shown while it is read: `Label_nom_de_fichier`
// (the name cut as the date rule cuts it), `Label_fic` (its rank and name),
// `Label1` (its size).
void show_file_being_read(Workspace& ws, int index, const std::string& name, double size_megabytes);

// Pre-reads a loaded file for its FileTable row: locates its data block,
// checks its title line and its columns against the description (asking
// the user to correct it when they do not fit), reads its first and last
// instants and fills the row ("date dep", "date fin", "n.données", "nb
// Colonnes", "n°Lig intitulés" and " ---" in the columns a run fills),
// `Edit_intitule_origine`, `Label19`, `Label26`, and the running captions
// `Label_date_heure_min` / `Label_date_heure_max`. `facts` receives what
// was found; it is complete only when the outcome is `read`.
PreReadOutcome pre_read_file(Workspace& ws, FileTable& table, int row, const std::string& path,
                             const LoadedFile& file, const ListingSettings& settings, PreReadFacts& facts);

}  // namespace talve
