// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace talve {

class Session;

// The result writer and the buttons around it.
//
// At the end of a run (`flags.running` set), `write_results` names the
// result file after the pattern `Edit_nom_fic_sortie.text`, writes
// `session.result_list` into the output folder, copies it to the clipboard
// (not when the clipboard is the input), adds the closing lines and the
// statistics to the tracking log, writes the processing report beside it
// (result path + ".TXT"), saves a modified description and sums the run up
// in a message. Outside a run it only saves the description, as when
// leaving. A result that could not be written is reported in French and
// its lists stay ready for "sauver ->"; a report that could not be written
// is reported too, and the run is then not summed up as a success.

enum class [[nodiscard]] WriteOutcome{
    DescriptionOnly,  // outside a run: only the description was saved
    Written,          // the result file and its report were written
    ReportFailed,     // the result file was written, its report could not be
    Failed,           // the result file could not be written
};

WriteOutcome write_results(Session& session);

// `SpeedButton_enregistrerClick`, "sauver ->": writes the results a run
// left waiting (its writing failed) and says where; without any, saves the
// description and says that only it was saved.
void sauver_click(Session& session);

// `SpeedButton_sans_coldateClick`, "sans col DateTime": the values-only
// list to the clipboard.
void sans_coldate_click(Session& session);

// `SpeedButton_editClick`, "éditer =>": the last result file in the text
// editor. Nothing before the first result file.
void editer_click(Session& session);

// "fichier de suivi" (`SpeedButton_suiviClick`): the last report in the text
// editor; a double-click on `Memo3`: the last result file. Nothing before
// the first result file.
void fichier_suivi_click(Session& session);
void memo3_double_click(Session& session);

// Whether a result button has something to act on: "éditer =>" a result
// file written, "fichier de suivi" its report, "sans col DateTime" the
// values of the last run, "graphiques..." a run ended. The window greys the
// button otherwise. True for any other button.
bool result_button_live(const Session& session, std::string_view button);

// "fichiers de sortie ..." (`SpeedButton_fichiers_sortie`): a file of the
// output folder, picked in a file dialog, opened in the text editor.
void fichiers_sortie_click(Session& session);

// `SpeedButton_clear`: asks " Effacer le texte ? " and empties the
// tracking log on Yes.
void effacer_suivi_click(Session& session);

}  // namespace talve
