// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cerrno>
#include <memory>
#include <string>

#include "files/file_buffer.h"

namespace talve {

class Workspace;

// What reading a whole file gave.
enum class WholeFileState {
  Read,     // the bytes are in the buffer
  Empty,    // the file exists and holds no byte
  Missing,  // no readable file at that path (absent, deleted meanwhile, a folder...)
};

struct WholeFile {
  WholeFileState state = WholeFileState::Missing;
  // Why the file is Missing: the system's error number, ENOENT when there
  // is no such file or what is there is no file (a folder, a pipe...).
  int error = ENOENT;
  // Never null; empty unless the state is Read.
  std::shared_ptr<FileBuffer> bytes = acquire_file_buffer();
  // False once a reading that looked at every byte found no NUL: the NUL
  // substitutions then have nothing to do.
  bool may_hold_nul = true;
};

// Reads a whole file in one piece into memory. A file that shrinks while it
// is read keeps what could be read.
WholeFile read_whole_file(const std::string& path);

// Every byte equal to `byte` becomes `replacement`, in place.
void substitute_byte(char* data, std::size_t size, char byte, char replacement);
inline void substitute_byte(std::string& bytes, char byte, char replacement) {
  substitute_byte(bytes.data(), bytes.size(), byte, replacement);
}
inline void substitute_byte(FileBuffer& bytes, char byte, char replacement) {
  substitute_byte(bytes.data(), bytes.size(), byte, replacement);
}

// How the bytes of a data file are rewritten before they are cut into
// lines. None of these bytes ends a line, so the lines are the same before
// and after.
enum class Substitution {
  None,             // loaded as it is (spreadsheet and clipboard files)
  NulToStandIn,     // NUL -> 0x01
  NulToUnderscore,  // NUL -> "_"
  Tabulation,       // NUL -> 0x01, then TAB -> ";"
};

// Applies a substitution in place. `may_hold_nul` false spares the NUL
// substitutions a pass over the bytes.
void apply_substitution(Substitution substitution, char* data, std::size_t size, bool may_hold_nul = true);

enum class [[nodiscard]] CopyOutcome { Copied, SourceMissing, SourceEmpty, WriteFailed };

// `copie_substitution`: reads the whole source, replaces every occurrence of
// the byte and writes the destination. A missing source shows "fichier
// inexistant" and an empty one writes "fichier VIDE" to the tracking log;
// both leave an empty destination. The destination is written to a
// temporary file in its own folder and renamed over the old one, so that a
// failed write never leaves a half-written file behind.
CopyOutcome copie_substitution(Workspace& ws, const std::string& source, const std::string& destination,
                               char byte, char replacement);

}  // namespace talve
