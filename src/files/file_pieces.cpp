// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/file_pieces.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <cerrno>

#include <algorithm>
#include <cstring>

#include "files/parallel_read.h"

namespace talve {
namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// The position of the last CR or LF of the bytes, kNone when there is none.
// The LF is looked for first, then a CR after it only: a file of LF line
// ends is not searched twice from end to start.
std::size_t last_line_end(const char* data, std::size_t size) {
  const auto* lf = static_cast<const char*>(::memrchr(data, '\n', size));
  const std::size_t after = lf ? static_cast<std::size_t>(lf - data) + 1 : 0;
  const auto* cr = static_cast<const char*>(::memrchr(data + after, '\r', size - after));
  if (cr) return static_cast<std::size_t>(cr - data);
  return lf ? after - 1 : kNone;
}

// The position of the first CR or LF of the bytes, kNone when there is none.
std::size_t first_line_end(const char* data, std::size_t size) {
  const auto* lf = static_cast<const char*>(std::memchr(data, '\n', size));
  const std::size_t before = lf ? static_cast<std::size_t>(lf - data) : size;
  const auto* cr = static_cast<const char*>(std::memchr(data, '\r', before));
  if (cr) return static_cast<std::size_t>(cr - data);
  return lf ? before : kNone;
}

}  // namespace

PieceReader::PieceReader(const PieceSource& source)
    : m_substitution(source.substitution),
      m_piece(std::max<std::size_t>(source.piece_bytes, 1)),
      m_longest(std::max<std::size_t>(source.longest_line, 1)) {
  m_file.fd = ::open(source.path.c_str(), O_RDONLY | O_CLOEXEC);
  struct stat status {};
  // A folder opens fine but is no data file; neither is a pipe or a device.
  if (m_file.fd < 0 || ::fstat(m_file.fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    m_error = m_file.fd < 0 ? errno : ENOENT;
    m_at_end = true;
    return;
  }
  m_size_at_open = static_cast<std::size_t>(status.st_size);
  if (m_size_at_open == 0) {
    m_state = WholeFileState::Empty;
    m_at_end = true;
    return;
  }
  m_state = WholeFileState::Read;
  // A small file needs no buffer larger than itself (and the bytes a read
  // meets at its end, should it have grown).
  m_piece = std::min(m_piece, m_size_at_open + 4096);
}

void PieceReader::fill(FileBuffer& bytes, std::size_t& used) {
  bytes.resize(used + m_piece);
  const long long got = read_range_in_halves(m_file.fd, bytes.data() + used, m_piece, m_offset);
  if (got < 0) {
    m_read_failed = true;
    m_at_end = true;
    return;
  }
  const auto count = static_cast<std::size_t>(got);
  apply_substitution(m_substitution, bytes.data() + used, count);
  used += count;
  m_offset += count;
  if (count < m_piece) m_at_end = true;
}

bool PieceReader::skip_rest_of_long_line(const char* data, std::size_t& start, std::size_t used) {
  const std::size_t end = first_line_end(data + start, used - start);
  if (end == kNone) {
    start = used;
    return false;
  }
  m_after_cr = data[start + end] == '\r';
  start += end + 1;
  m_skipping = false;
  return true;
}

bool PieceReader::next() {
  m_first_index = m_next_index;
  if (m_state != WholeFileState::Read) return false;
  const std::size_t previous = m_current;
  m_current = (m_current + 1) % kSlots;
  Slot& slot = m_slots[m_current];
  slot.lines.clear();
  FileBuffer& bytes = slot.bytes;
  // The bytes of the previous piece after its last line end begin this one.
  const std::size_t carried = m_carry_end - m_carry_start;
  bytes.clear();
  bytes.resize(carried + m_piece);
  if (carried > 0) std::memcpy(bytes.data(), m_slots[previous].bytes.data() + m_carry_start, carried);
  m_carry_start = m_carry_end = 0;
  std::size_t start = 0;
  std::size_t used = carried;
  while (true) {
    const char* const data = bytes.data();
    if (m_after_cr && start < used) {
      if (data[start] == '\n') ++start;
      m_after_cr = false;
    }
    if (m_skipping) {
      if (skip_rest_of_long_line(data, start, used)) continue;
      start = used = 0;
      if (m_at_end) return false;
      fill(bytes, used);
      continue;
    }
    const std::size_t left = used - start;
    if (left > 0) {
      const std::string_view rest(data + start, left);
      const std::size_t last = last_line_end(rest.data(), rest.size());
      if (last != kNone) {
        split_lines_in_halves(rest.substr(0, last + 1), slot.lines, m_spare);
        // Only bytes beyond the longest line's length can hold a line too long.
        if (last >= m_longest)
          for (std::string_view& line : slot.lines) line = line.substr(0, m_longest);
        m_after_cr = rest[last] == '\r';
        m_carry_start = start + last + 1;
        m_carry_end = used;
        break;
      }
      if (m_at_end) {  // the last line, without a line end
        slot.lines.push_back(rest.substr(0, m_longest));
        break;
      }
      if (left >= m_longest) {  // a line too long to be kept whole
        slot.lines.push_back(rest.substr(0, m_longest));
        m_skipping = true;
        m_carry_start = start + m_longest;
        m_carry_end = used;
        break;
      }
    } else if (m_at_end) {
      return false;
    }
    // No line end yet: the line goes on in the next bytes of the file.
    if (start > 0) {
      std::memmove(bytes.data(), data + start, left);
      used = left;
      start = 0;
    }
    fill(bytes, used);
  }
  m_next_index += slot.lines.size();
  return true;
}

}  // namespace talve
