// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/file_tail.h"

#include <algorithm>

#include "files/file_range.h"
#include "text/text_utils.h"

namespace talve {
namespace {

bool ends_a_line(char c) { return c == '\n' || c == '\r'; }

std::vector<std::string_view> whole_lines_of_tail(std::string_view tail, bool whole_file) {
  if (whole_file) return split_lines(tail);
  std::size_t start = 0;
  while (start < tail.size() && !ends_a_line(tail[start])) ++start;
  if (start == tail.size()) return {};
  start += tail[start] == '\r' && start + 1 < tail.size() && tail[start + 1] == '\n' ? 2 : 1;
  return split_lines(tail.substr(start));
}

}  // namespace

std::optional<FileTail> read_file_tail(int fd, std::size_t size) {
  FileTail tail;
  const std::size_t wanted = std::min(size, kTailBytes);
  tail.bytes->resize(wanted);
  if (read_range(fd, tail.bytes->data(), wanted, size - wanted) != static_cast<long long>(wanted))
    return std::nullopt;
  tail.whole_file = wanted == size;
  tail.lines = whole_lines_of_tail(tail.bytes->view(), tail.whole_file);
  return tail;
}

}  // namespace talve
