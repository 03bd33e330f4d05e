// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cerrno>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "files/byte_substitution.h"
#include "files/file_buffer.h"
#include "files/file_range.h"

namespace talve {

// Files larger than this are never held whole by the loader (a processing
// run holds none: see LoadLimits); it is also the longest line kept whole.
constexpr std::size_t kPieceBytes = 64u << 20;

// The bytes read at a time by a PieceReader: small enough that a piece
// stays in the processor's cache between its reading and its parsing, and
// that the few buffers of a reader are memory the system hands over once.
constexpr std::size_t kReadBytes = 1u << 20;

// Where the lines of a file read in pieces come from, and how its bytes are
// rewritten.
struct PieceSource {
  std::string path;
  Substitution substitution = Substitution::None;
  // Bytes read at a time (the buffers grow beyond it only for a line that
  // does not fit).
  std::size_t piece_bytes = kReadBytes;
  // A line longer than this is cut at this length, the rest of it skipped.
  std::size_t longest_line = kPieceBytes;
};

// Reads a file piece by piece through a few small buffers reused from piece
// to piece, and cuts each piece into whole lines, exactly as split_lines
// cuts the whole file: a line that runs across two pieces is carried into
// the next one, and a CR LF pair cut in two still ends a single line. A
// line longer than `longest_line` is cut at that length (the rest of it is
// skipped), so that no line costs more memory than that.
//
// The lines of a piece stay valid through the next two calls to next(), so
// that one piece can be parsed while the next one is read.
//
//   PieceReader reader(source);
//   while (reader.next())
//     for (std::size_t i = 0; i < reader.lines().size(); ++i)
//       use(reader.first_index() + i, reader.lines()[i]);
class PieceReader {
 public:
  explicit PieceReader(const PieceSource& source);

  // Read when the path names a regular file holding at least one byte.
  WholeFileState state() const { return m_state; }
  // Why the state is Missing: the system's error number, ENOENT for no
  // such file or no regular file.
  int error() const { return m_error; }
  // The open file, for reads beside the pieces' (-1 when not open).
  int descriptor() const { return m_file.fd; }
  // False once a read failed: the lines given so far are all there are.
  bool read_failed() const { return m_read_failed; }
  // The size of the file when it was opened.
  std::size_t size_at_open() const { return m_size_at_open; }

  // The next piece: at least one line. False at the end of the file.
  bool next();
  const std::vector<std::string_view>& lines() const { return m_slots[m_current].lines; }
  // The index in the file of lines()[0]; after the end, the line count.
  std::size_t first_index() const { return m_first_index; }
  // The bytes read so far.
  std::size_t bytes_read() const { return m_offset; }

 private:
  // A buffer and the lines cut in it.
  struct Slot {
    FileBuffer bytes;
    std::vector<std::string_view> lines;
  };
  static constexpr std::size_t kSlots = 3;

  // Reads after the `used` bytes of the buffer, at most one piece, growing
  // the buffer to hold it.
  void fill(FileBuffer& bytes, std::size_t& used);
  // Drops the bytes up to the end of the line being skipped; false while
  // that end is not in [start, used) yet.
  bool skip_rest_of_long_line(const char* data, std::size_t& start, std::size_t used);

  FileDescriptor m_file{-1};
  WholeFileState m_state = WholeFileState::Missing;
  int m_error = ENOENT;
  Substitution m_substitution;
  std::size_t m_piece;
  std::size_t m_longest;
  Slot m_slots[kSlots];
  std::vector<std::string_view> m_spare;  // the second half's lines while a large piece is cut
  std::size_t m_current = 0;
  // The bytes of the current slot not cut yet: carried into the next one.
  std::size_t m_carry_start = 0;
  std::size_t m_carry_end = 0;
  std::size_t m_size_at_open = 0;
  std::size_t m_offset = 0;  // of the next byte to read
  std::size_t m_first_index = 0;
  std::size_t m_next_index = 0;
  bool m_at_end = false;
  bool m_read_failed = false;
  // The last byte cut was a CR: an LF right after it belongs to the same
  // line end.
  bool m_after_cr = false;
  // The bytes that follow are the rest of a line cut at `longest_line`.
  bool m_skipping = false;
};

}  // namespace talve
