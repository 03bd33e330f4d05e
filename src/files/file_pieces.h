// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cerrno>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "files/byte_substitution.h"
#include "files/file_buffer.h"
#include "files/file_range.h"

namespace talve {

// Files larger than this are read in pieces of at most this many bytes, so
// that a file larger than the memory left is read all the same: the memory
// a file costs is then this buffer and the views of its lines, whatever its
// size. Smaller files are read whole, in one piece.
constexpr std::size_t kPieceBytes = 64u << 20;

// Where the lines of a file read in pieces come from, and how its bytes are
// rewritten.
struct PieceSource {
  std::string path;
  Substitution substitution = Substitution::None;
  std::size_t piece_bytes = kPieceBytes;
};

// Reads a file piece by piece into one buffer of `piece_bytes`, and cuts
// each piece into whole lines, exactly as split_lines cuts the whole file:
// a line that runs across two pieces is carried into the next one, and a
// CR LF pair cut in two still ends a single line. A line longer than the
// buffer is cut at that length (the rest of it is skipped), so that no line
// costs more than the buffer.
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
  // False once a read failed: the lines given so far are all there are.
  bool read_failed() const { return m_read_failed; }
  // The size of the file when it was opened.
  std::size_t size_at_open() const { return m_size_at_open; }

  // The next piece: at least one line, valid until the next call. False at
  // the end of the file.
  bool next();
  const std::vector<std::string_view>& lines() const { return m_lines; }
  // The index in the file of lines()[0]; after the end, the line count.
  std::size_t first_index() const { return m_first_index; }
  // The bytes read so far.
  std::size_t bytes_read() const { return m_offset; }

 private:
  void fill();
  bool skip_rest_of_long_line();

  FileDescriptor m_file{-1};
  WholeFileState m_state = WholeFileState::Missing;
  int m_error = ENOENT;
  Substitution m_substitution;
  std::size_t m_capacity;
  std::shared_ptr<FileBuffer> m_buffer;
  std::vector<std::string_view> m_lines;
  std::vector<std::string_view> m_spare;  // the second half's lines while a piece is cut
  std::size_t m_size_at_open = 0;
  std::size_t m_offset = 0;  // of the next byte to read
  std::size_t m_start = 0;   // of the first byte of the buffer not cut yet
  std::size_t m_used = 0;    // bytes in the buffer
  std::size_t m_first_index = 0;
  std::size_t m_next_index = 0;
  bool m_at_end = false;
  bool m_read_failed = false;
  // The last byte cut was a CR: an LF right after it belongs to the same
  // line end.
  bool m_after_cr = false;
  // The bytes that follow are the rest of a line cut at the buffer's size.
  bool m_skipping = false;
};

}  // namespace talve
