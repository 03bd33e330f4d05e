// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/line_blocks.h"

#include <algorithm>

#include "files/data_block.h"

namespace talve {

LineBlocks::LineBlocks(const LoadedFile& file, long long from, std::size_t block_lines)
    : m_file(file), m_from(std::max(from, 0LL)), m_block_lines(std::max<std::size_t>(block_lines, 1)) {
  if (file.in_pieces()) m_reader.emplace(file.pieces());
}

bool LineBlocks::next(LineBlock& block) {
  while (m_lines == nullptr || m_position == m_lines->size()) {
    if (m_reader) {
      if (!m_reader->next()) return false;
      m_lines = &m_reader->lines();
      m_base = static_cast<long long>(m_reader->first_index());
    } else {
      if (m_whole_given) return false;
      m_whole_given = true;
      m_lines = &m_file.lines();
      m_base = 0;
    }
    note_piece();
    m_position = std::min(m_lines->size(), static_cast<std::size_t>(std::max(m_from - m_base, 0LL)));
  }
  block.lines = m_lines;
  block.begin = m_position;
  block.end = std::min(m_lines->size(), m_position + m_block_lines);
  block.base = m_base;
  m_position = block.end;
  return true;
}

// Only a file whose line count is an estimate needs it; lines of data are
// seldom blank, so the search stops at the piece's last line.
void LineBlocks::note_piece() {
  m_count = m_base + static_cast<long long>(m_lines->size());
  if (!m_file.line_count_provisional()) return;
  const long long last = last_non_blank_line(*m_lines, m_base);
  if (last >= 0) m_last_non_blank = last;
}

}  // namespace talve
