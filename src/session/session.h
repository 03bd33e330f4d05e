// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "core/shutdown_countdown.h"
#include "core/workspace.h"
#include "engine/result_table.h"
#include "engine/time_grid.h"
#include "files/file_table.h"
#include "files/file_table_state.h"
#include "session/drive_relocation.h"
#include "session/folder_chooser_actions.h"
#include "session/recent_folder_actions.h"
#include "session/run_state.h"
#include "session/startup.h"
#include "text/text_rows.h"

namespace talve {

// The one object that owns, for the life of the program, what the main
// window shows and works on: the description, the FileTable, the TimeGrid,
// the ResultTable with its two text lists, the tracking log and the shared
// flags. The workflows (listing, grid, processing, saving...) are its
// operations; the window and the batch mode drive it.
class Session : public Workspace {
 public:
  explicit Session(UserInterface& ui);

  FileTable file_table;
  FileTableState table_state;  // checked files, totals, sort direction...
  TimeGrid grid;
  ResultTable results;
  TextRows result_list;       // `ListBox_DONNEE_date_clean`
  TextRows values_only_list;  // `ListBox_juste_donnee`
  StartupState startup;
  FolderChooserState folder_chooser;  // `Panel_dir`
  RecentFolderPanel recent_folders;   // `ListBox_rep_recent`
  DrivePanel drive_panel;             // `Panel_lecteur`
  bool colour_panel_shown = false;    // `Panel_des_couleurs`
  bool preview_shown = false;         // `Memo6` over the whole text `Memo1`
  ShutdownCountdown shutdown_countdown{*this};
  RunState run;  // the processing run: durations, progress, result paths
  // A file of the program's own folder could not be written and the user
  // was told (session/own_files.h).
  bool own_file_failure_told = false;
};

}  // namespace talve
