// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cerrno>
#include <cstddef>
#include <string>

#include "files/file_pieces.h"
#include "files/loaded_file.h"

namespace talve {

// What a reading of a file in pieces looks for: the data block, located as
// locate_data_block locates it in the whole file, and the lines to keep.
struct SurveyRequest {
  PieceSource source;
  bool by_markers = false;
  std::string begin_marker;         // `Edit_balise_deb.text`
  std::string end_marker;           // `Edit_balise_fin.text`
  long long first_line_number = 0;  // `Edit_num_ligne_donnee.text`
  long long title = -1;             // T, -1 without titles
  // Lines kept from the start of the file, as long as they fit in a piece.
  std::size_t head_lines = 0;
  // A processing run reads the lines again to the end of the file: a long
  // file numbered from its first data line may then be outlined from its
  // first piece and its last bytes alone, its line count settled by the run
  // (LoadedFile::line_count_provisional). Only when its first piece holds
  // at least `minimum_lines` lines, the titles and the first data line.
  bool head_and_tail = false;
  long long minimum_lines = 0;
};

struct Survey {
  WholeFileState state = WholeFileState::Missing;
  int error = ENOENT;     // why the state is Missing
  std::size_t bytes = 0;  // read
  // The outline of the file: its first lines, its title, first and last
  // data lines, its line count and data block; empty unless the state is
  // Read.
  LoadedFile file;
};

// Reads a file once, piece by piece, keeping only what the pre-reading and
// the first-line checks of a run look at. Memory stays within a few pieces
// whatever the size of the file or the length of its lines. (When the first
// data line lies before the begin marker and outside the head, which takes
// a first data line number below 1, the file is read a second time for it.)
// With `head_and_tail`, a long file that allows it is outlined without
// being read through.
Survey survey_in_pieces(const SurveyRequest& request);

}  // namespace talve
