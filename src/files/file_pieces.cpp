// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/file_pieces.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstring>

#include "files/parallel_read.h"

namespace talve {
namespace {

// Room beyond the size of a small file when it was opened: the buffer need
// not be larger than the file.
constexpr std::size_t kSlack = 65536;
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
    : m_substitution(source.substitution), m_capacity(std::max<std::size_t>(source.piece_bytes, 1)) {
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
  m_capacity = std::min(m_capacity, m_size_at_open + kSlack);
  m_buffer = acquire_file_buffer();
  m_buffer->resize(m_capacity);
}

// Moves the bytes not cut yet to the front of the buffer and reads after
// them until the buffer is full or the file ends.
void PieceReader::fill() {
  char* const data = m_buffer->data();
  if (m_start > 0) {
    std::memmove(data, data + m_start, m_used - m_start);
    m_used -= m_start;
    m_start = 0;
  }
  if (m_at_end || m_used == m_capacity) return;
  const std::size_t wanted = m_capacity - m_used;
  const long long got = read_range_in_halves(m_file.fd, data + m_used, wanted, m_offset);
  if (got < 0) {
    m_read_failed = true;
    m_at_end = true;
    return;
  }
  const auto bytes = static_cast<std::size_t>(got);
  apply_substitution(m_substitution, data + m_used, bytes);
  m_used += bytes;
  m_offset += bytes;
  if (bytes < wanted) m_at_end = true;
}

// Drops the bytes up to the end of the line being skipped; false while that
// end is not in the buffer yet.
bool PieceReader::skip_rest_of_long_line() {
  const char* const data = m_buffer->data();
  const std::size_t end = first_line_end(data + m_start, m_used - m_start);
  if (end == kNone) {
    m_start = m_used;
    return false;
  }
  m_after_cr = data[m_start + end] == '\r';
  m_start += end + 1;
  m_skipping = false;
  return true;
}

bool PieceReader::next() {
  m_lines.clear();
  m_first_index = m_next_index;
  if (m_state != WholeFileState::Read) return false;
  char* const data = m_buffer->data();
  while (true) {
    fill();
    if (m_after_cr && m_start < m_used) {
      if (data[m_start] == '\n') ++m_start;
      m_after_cr = false;
    }
    if (m_skipping) {
      if (!skip_rest_of_long_line() && m_at_end) return false;
      continue;
    }
    const std::size_t left = m_used - m_start;
    if (left == 0) {
      if (m_at_end) return false;
      continue;
    }
    const std::string_view rest(data + m_start, left);
    const std::size_t last = last_line_end(rest.data(), rest.size());
    if (last != kNone) {
      split_lines_in_halves(rest.substr(0, last + 1), m_lines, m_spare);
      m_after_cr = rest[last] == '\r';
      m_start += last + 1;
      break;
    }
    if (m_at_end) {  // the last line, without a line end
      m_lines.push_back(rest);
      m_start = m_used;
      break;
    }
    if (m_start == 0 && m_used == m_capacity) {  // a line longer than the buffer
      m_lines.push_back(rest);
      m_start = m_used;
      m_skipping = true;
      break;
    }
  }
  m_next_index += m_lines.size();
  return true;
}

}  // namespace talve
