// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace talve {

class DataDescription;
class Session;

// The operations on the current description file: reading, writing, the
// buttons of the description zone ("Choix du fichier de description  *.dsc",
// "Enregistrer", "Enregistrer sous ...", "Nouveau"), the reload that follows
// them and the save before leaving. The current description is named by
// `DataDescription::file_name()` in the description folder
// (`dossier_description`); with no description current, reading and writing
// do nothing.

enum class [[nodiscard]] ReadOutcome{
    NothingCurrent,  // no description is current: nothing happened
    FileMissing,     // the user was told the file is not there
    Stopped,         // a value stopped the read (settings partly read)
    Read,            // every setting was read and the window refreshed
};

// Read (mode "lire"): loads the file, then refreshes what depends on the
// settings: visibility of the title-line and date fields, the time grid
// emptied and the period marked changed, the input mode from the mask, the
// count of the data folder's files (`Label54`, `Label_nom_de_fichier`), the
// listing button. Leaves the modified flag cleared.
ReadOutcome read_description(Session& session);

// Write (mode "écrire"): saves the 66 settings over the file; saves the
// period file when the period changed; after a modified description,
// updates the program parameter file. Leaves the modified flag cleared.
// Returns false, leaving the flag set, when the file could not be written
// (the user is told), or when no description is current.
[[nodiscard]] bool write_description(Session& session);
// Create (mode "création"): the same, for a file that is new.
[[nodiscard]] bool create_description(Session& session);

// Reload: the FileTable back to its title row, Read, the three folder
// labels, then the folder chooser for a data folder (else an output folder)
// that does not exist.
void reload_description(Session& session);

// `SpeedButton_desc_bdClick`: picks a description file, reads it, rewrites
// it at once so that its description folder is where it lies, reloads.
void choose_description(Session& session);

// Double-click on the description's name (`Label_description_bd`): the
// description file opens in the text editor. Without a description, or
// when its file is gone, the user is told instead.
void edit_description(Session& session);

// The program parameter file, which remembers the last description, could
// not be written: the log says so (the description itself is saved).
void tell_parameter_file_unwritten(Session& session);

// `SpeedButton_Enregistrer_dscClick`: asks, then saves the description.
void save_description(Session& session);

// `SpeedButton_enreg_descriptionClick`: saves under a name picked in a save
// dialog. From "Nouveau" the dialog asks for the new description's name.
// Returns false when the user cancelled or the description could not be
// written.
enum class SaveAsOrigin { SaveAsButton, NewDescription };
bool save_description_as(Session& session, SaveAsOrigin origin = SaveAsOrigin::SaveAsButton);

// `SpeedButton_nouveau_dscClick`: after confirmation, every setting but the
// three folders back to its If-absent value, then a name for the new file
// and the data folder.
void new_description(Session& session);

// The name offered by "Enregistrer sous ...": the current name up to a
// previous "_(" tag, then "_(" + mask ("*" and "." as "_") + separator tag +
// ").dsc", for example "stationA_(csv Tab).dsc".
std::string propose_description_name(const DataDescription& description);

// Saving before leaving (quitting with a modified description, end of a
// result file): results of text files are kept out of the data folder, a
// temporary description may get a final name, then the description is
// written.
void save_before_leaving(Session& session);

// The three working folders and the folder chooser that picks them.
enum class FolderRole { Data, Description, Output };
// Opens the folder chooser for a folder (session/folder_chooser_actions.h):
// its button turns red; a folder its label shows but that is gone is told
// (the output folder is offered a sub-folder "EXPORT" of the data folder);
// the data folder as it stands is checked against the mask. With an
// interface that answers at once, the folder chosen is then applied as
// "Valider" does: returns true when it was.
bool choose_working_folder(Session& session, FolderRole role);
// Shows the three folders in their labels (`Label_repertoire`,
// `Label_rep_description`, `Label_rep_sortie`), or their placeholders when
// empty.
void show_folder_labels(Session& session);

// Counts the files of the data folder that match the mask: their number in
// `Label54`, the first one's name in `Label_nom_de_fichier`.
void count_data_files(Session& session);
// True once a description folder has been chosen (its label no longer shows
// its placeholder).
bool description_folder_chosen(const Session& session);

}  // namespace talve
