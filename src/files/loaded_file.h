// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "files/data_block_position.h"
#include "files/file_buffer.h"
#include "files/file_pieces.h"

namespace talve {

// The lines of a data file as the loader left them: one buffer holding the
// whole file after its byte substitutions, and one view per line into it
// (line ends excluded). Copies share the buffer, which never changes once
// loaded, so the views stay valid for as long as any copy lives.
class LoadedFile {
 public:
  LoadedFile() = default;
  LoadedFile(std::shared_ptr<const FileBuffer> bytes, std::vector<std::string_view> lines)
      : m_bytes(std::move(bytes)), m_lines(std::move(lines)) {}

  // A file made of a text as it stands (no substitution), cut into lines:
  // for tests and for texts that never were on disk.
  static LoadedFile from_text(std::string_view text);

  // An outline of a file: its first lines, its last lines and its line
  // count, without the lines between, which the pre-reading never looks at.
  // The head holds lines 0.., the tail the lines that end the file.
  static LoadedFile outline(std::shared_ptr<const FileBuffer> head_bytes, std::vector<std::string_view> head,
                            std::shared_ptr<const FileBuffer> tail_bytes, std::vector<std::string_view> tail,
                            std::size_t line_count);
  bool is_outline() const { return m_outline; }

  // Lines kept of a file read in pieces, each with its index, in the order
  // of the indexes.
  using KeptLines = std::vector<std::pair<std::size_t, std::string>>;
  // The outline of a file too large to be held, made as it was read piece
  // by piece: its first lines (the head), a few lines further on (the title,
  // first and last data lines), its line count and its data block as
  // located then. Its lines are read again, piece by piece, from `pieces`.
  static LoadedFile read_in_pieces(std::shared_ptr<const FileBuffer> head_bytes,
                                   std::vector<std::string_view> head, std::shared_ptr<const KeptLines> kept,
                                   std::size_t line_count, const DataBlock& block, PieceSource pieces,
                                   bool provisional = false);
  bool in_pieces() const { return m_in_pieces != nullptr; }
  // The line count, and the data block's last line with it, are estimates
  // until the lines are read again (the file was outlined from its first
  // piece and its last bytes); the last line's text is the file's.
  bool line_count_provisional() const { return m_in_pieces != nullptr && m_in_pieces->provisional; }
  // Only for a file read in pieces.
  const PieceSource& pieces() const { return m_in_pieces->source; }
  const DataBlock& located_block() const { return m_in_pieces->block; }

  // The lines from the start that are known: every line, or the head of an
  // outline.
  const std::vector<std::string_view>& first_lines() const { return m_lines; }

  // Every line; only for a file loaded whole (not an outline).
  const std::vector<std::string_view>& lines() const { return m_lines; }
  std::size_t size() const { return m_outline ? m_line_count : m_lines.size(); }
  bool empty() const { return size() == 0; }
  std::string_view operator[](std::size_t index) const {
    return line_or_empty(static_cast<long long>(index));
  }
  // The line at a signed index, "" outside the file (the positions of a data
  // block may be -1 or past the last line) and, in an outline, between its
  // head and its tail.
  std::string_view line_or_empty(long long index) const {
    if (index < 0) return {};
    const auto i = static_cast<std::size_t>(index);
    if (i < m_lines.size()) return m_lines[i];
    if (!m_outline || i >= m_line_count) return {};
    if (m_in_pieces) return kept_line(i);
    const std::size_t tail_start = m_line_count - m_tail.size();
    return i >= tail_start ? m_tail[i - tail_start] : std::string_view();
  }
  // The index of the first line of the tail (the line count for a file
  // loaded whole, whose lines are all in the head).
  std::size_t tail_start() const { return m_outline ? m_line_count - m_tail.size() : m_lines.size(); }
  // Size in bytes of what was read.
  std::size_t byte_count() const { return m_bytes ? m_bytes->size() : 0; }

 private:
  std::shared_ptr<const FileBuffer> m_bytes;
  std::vector<std::string_view> m_lines;
  // Outline only.
  bool m_outline = false;
  std::shared_ptr<const FileBuffer> m_tail_bytes;
  std::vector<std::string_view> m_tail;
  std::size_t m_line_count = 0;
  // Read in pieces only.
  struct InPieces {
    std::shared_ptr<const KeptLines> kept;
    DataBlock block;
    PieceSource source;
    bool provisional = false;
  };
  std::shared_ptr<const InPieces> m_in_pieces;

  std::string_view kept_line(std::size_t index) const;
};

}  // namespace talve
