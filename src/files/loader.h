// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>

#include "files/file_pieces.h"
#include "files/loaded_file.h"

namespace talve {

class Workspace;

// How much of a file a load may hold.
struct LoadLimits {
  // Files larger than this are read in pieces of this size (of kReadBytes
  // when it is larger).
  std::size_t piece_bytes = kPieceBytes;
  // False: every file is read in pieces, whatever its size, as a processing
  // run reads them (its memory then follows the grid, not the files); a
  // long file numbered from its first data line is then only outlined from
  // its first piece and its last bytes, the run reading its lines once.
  bool held_whole = true;
  // Lines kept from the start of a file read in pieces: the preview's, and
  // those of the titles and the station when they come first.
  std::size_t head_lines = 32;
};

// Loads one data file for the pre-reading and for a processing run. The
// file is read once into memory; NUL bytes become 0x01 (and, for the
// separator choice "Tabulation", every tab becomes ";"), giving the same
// lines a working copy on disk would give. When the file has fewer lines
// than the first data line number + 2, or when unreadable characters are to
// be handled (`CheckBox_car_null`), it is loaded "a second time" in its
// cleaner form: NUL becomes "_" unless the separator is "Tabulation". In
// clipboard mode that second load is refused instead, with a warning.
//
// A file larger than `limits.piece_bytes` (any file without
// `limits.held_whole`) is not held whole: it is read
// piece by piece once, and `out` is its outline (LoadedFile::read_in_pieces),
// from which a run reads its lines again piece by piece.
//
// Settings read from ws.description: the separator choice, the first data
// line number, `CheckBox_car_null`, `Edit_masque`, and for a file read in
// pieces those of its data block; the input mode from ws.flags. Returns
// false (and the caller stops) when the clipboard file is missing or its
// short-content warning was shown; a missing or empty file is reported and
// loads as no line at all, with true.
[[nodiscard]] bool load_data_file(Workspace& ws, const std::string& path, LoadedFile& out,
                                  const LoadLimits& limits = {});

}  // namespace talve
