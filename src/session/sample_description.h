// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace talve {

class Session;

enum class SampleOutcome {
  Cancelled,  // no file chosen, or the file could not be read
  Edited,     // the user chose to adapt the settings by hand: the file is in the editor
  Inspected,  // the checks ran and the folder was listed
};

// The inspection of one sample data file: its folder becomes the data
// folder, its extension the mask and the input mode, its text is shown, its
// first lines are checked against the description (titles, first data
// line, separator, date-time pattern and columns) with a question for each
// finding, and the folder is listed with pre-reading. The description is
// not written: the caller saves it where it belongs.
SampleOutcome inspect_sample(Session& session, const std::string& path);

// `SpeedButton_choix_fic_donneeClick`: the open dialog, the inspection of
// the file chosen, and the description written at the end.
void choix_fic_donnee_click(Session& session);

// The double-clicks on the file's text: on the preview (`Memo6`) it hides
// itself, showing the whole text; on the whole text (`Memo1`) the preview is
// shown or hidden again.
void memo6_double_click(Session& session);
void memo1_double_click(Session& session);

}  // namespace talve
