// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "files/file_discovery.h"
#include "files/loaded_file.h"
#include "text/tdatetime.h"

namespace talve {

// The colour of a date label of the listing: blue when the bound is
// plausible, red when it is not.
enum class LabelColour { Blue, Red };

// The earliest and latest dates shown under the FileTable.
struct DateBoundLabels {
  TDateTime min = 0;  // `Label_date_min`
  TDateTime max = 0;  // `Label_date_max`
  LabelColour min_colour = LabelColour::Red;
  LabelColour max_colour = LabelColour::Red;
};

// The check panel `Panel_coche` opened by a right-click on the FileTable.
struct CheckPanel {
  bool open = false;
  std::string station;       // the station its captions name
  std::string column_title;  // the column that was clicked ("Station" or " x")
};

// Everything the FileTable keeps besides its cells.
struct FileTableState {
  // `ListBox_fic_coche`: the names of the checked files, in table order.
  std::vector<std::string> checked_files;
  // The row whose file is always pre-read; 1 when a description is loaded.
  int first_checked_row = 1;
  // The row last made or selected; 1 after a refresh.
  int current_row = 1;
  // `ListBox_rep_nom_fic`: the found-file entries of the last listing.
  std::vector<FoundFile> found_files;
  // The folders the last listing could not read.
  std::vector<UnreadableFolder> unreadable_folders;

  // Totals of the last listing or refresh.
  double total_kilobytes = 0;
  TDateTime earliest_first = 0;  // `Label_date_heure_min`
  TDateTime latest_last = 0;     // `Label_date_heure_max`
  DateBoundLabels bounds;
  TDateTime listing_start = 0;
  // Files pre-read since the last listing started: a processing run lists
  // again first when it is 0.
  int pre_read_since_listing = 0;
  // Where nobody can correct the description (the batch mode), a file whose
  // pre-reading would stop the listing is left out of the table instead, so
  // that one bad file among many does not cost the result of the others.
  bool leave_out_refused_files = false;
  // The paths of the files the last listing left out.
  std::vector<std::string> left_out_files;

  // The file pre-read last, as loaded.
  LoadedFile last_loaded;
  // The path of the file a listing or a run is reading, empty between
  // files: where no window shows the file table, a question about a file's
  // layout is told with the file it is about.
  std::string file_in_hand;

  // Sort direction of the next double-click sort, shared by all columns.
  bool sort_ascending = true;
  CheckPanel check_panel;
};

// Names a file in `FileTableState::file_in_hand` while it is read.
class FileInHand {
 public:
  FileInHand(FileTableState& state, const std::string& path) : m_state(state) { m_state.file_in_hand = path; }
  ~FileInHand() { m_state.file_in_hand.clear(); }
  FileInHand(const FileInHand&) = delete;
  FileInHand& operator=(const FileInHand&) = delete;

 private:
  FileTableState& m_state;
};

}  // namespace talve
