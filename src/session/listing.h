// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace talve {

class Session;

// Step 1 of the workflow: the files of the input are listed into the
// FileTable and pre-read (all of them, or the checked ones, and always the
// first checked row). Pre-reading validates the description against each
// file and may stop the listing so that the user corrects it.
//
// After a listing, for the steps that follow:
//   session.file_table.row_count() - 1    the listed files, in table order;
//   session.file_table.facts(row)         what the pre-reading found in a
//                                         row's file (nullptr: not pre-read);
//   session.table_state.checked_files     the names of the checked files;
//   is_checked(session.file_table, row)   (files/check_marks.h) a row's mark;
//   row_file_path(session, row)           (session/listing_sources.h) where
//                                         the row's file is read;
//   session.table_state.last_loaded       the lines of the file pre-read last;
//   session.table_state.pre_read_since_listing  0 when nothing was pre-read.

enum class [[nodiscard]] ListingResult{
    not_run,    // the table was edited by hand, or another long task is going on
    no_file,    // no file matches the mask
    stopped,    // a check or the stop button ended it before the last file
    completed,  // every file was listed
};

// `lister_tableau`: the listing with pre-reading. Does nothing while the
// table-edited flag is set (rows removed by hand survive a listing started
// indirectly) or while a listing, grid build or run is going on.
ListingResult lister_tableau(Session& session);

// `SpeedButton_listerClick`, the button "1- Valider et Lister les
// fichiers": asks before pre-reading more than 100 files, saves a modified
// description, clears the table-edited flag, lists, then puts the check
// marks back on the files checked before, by name.
ListingResult lister_click(Session& session);

// `SpeedButton6Click`, "réaf tableau complet": the table-edited flag is
// cleared, the files are listed again and the marks put back.
ListingResult reafficher_tableau_complet(Session& session);

// Enter in a description field while the description is modified: the
// files are counted again and, when there are any, the table is rebuilt.
// Returns the number of files found, -1 when nothing ran.
int relister_apres_entree(Session& session);

// `titre_lister`: the caption of the listing button after the mode and mask.
void titre_lister(Session& session);

}  // namespace talve
