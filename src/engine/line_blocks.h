// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "files/file_pieces.h"
#include "files/loaded_file.h"

namespace talve {

// Lines [begin, end) of `lines`, whose first line is line `base` of its
// file (numbered from 0).
struct LineBlock {
  const std::vector<std::string_view>* lines = nullptr;
  std::size_t begin = 0;
  std::size_t end = 0;
  long long base = 0;

  std::string_view operator[](std::size_t i) const { return (*lines)[i]; }
  // The line number, from 1, of lines[i].
  long long number(std::size_t i) const { return base + static_cast<long long>(i) + 1; }
};

// The lines of a file from line `from` on, in blocks of at most
// `block_lines`, each inside one piece: a file held whole from its list of
// lines, a file read in pieces from a PieceReader, piece after piece. A
// block stays valid through the next two calls to next(), so that one block
// can be applied while the next one is parsed and a third read.
class LineBlocks {
 public:
  LineBlocks(const LoadedFile& file, long long from, std::size_t block_lines);

  bool next(LineBlock& block);

  // Once next() returned false: the lines the file held, and the last one
  // that is not blank from the second line on (0 when none is), as the
  // whole file's data block has it.
  long long line_count() const { return m_count; }
  long long last_non_blank() const { return m_last_non_blank; }
  // A file read in pieces that gave fewer bytes than it held when it was
  // opened (cut short, or unreadable, meanwhile): those it gave, and its
  // size then.
  bool cut_short() const {
    return m_reader && (m_reader->read_failed() || m_reader->bytes_read() < m_reader->size_at_open());
  }
  std::size_t bytes_read() const { return m_reader ? m_reader->bytes_read() : 0; }
  std::size_t size_at_open() const { return m_reader ? m_reader->size_at_open() : 0; }

 private:
  void note_piece();

  const LoadedFile& m_file;
  std::optional<PieceReader> m_reader;
  const std::vector<std::string_view>* m_lines = nullptr;
  std::size_t m_position = 0;
  long long m_base = 0;
  long long m_from;
  std::size_t m_block_lines;
  bool m_whole_given = false;
  long long m_count = 0;
  long long m_last_non_blank = 0;
};

}  // namespace talve
