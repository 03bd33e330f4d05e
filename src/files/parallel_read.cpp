// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/parallel_read.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <thread>

#include "files/file_range.h"
#include "text/text_utils.h"

namespace talve {
namespace {

// Room beyond the size the file had when it was opened, so that the read
// which meets the end of an unchanged file never has to grow the buffer.
constexpr std::size_t kSlack = 65536;

// Reads the `expected` bytes the file held when it was opened, each half on
// its own thread, then whatever was added since. When the file shrank
// meanwhile, the bytes kept are those up to where the reading first met its
// end, so that they follow one another as in the file.
[[nodiscard]] bool read_in_halves(int fd, FileBuffer& bytes, std::size_t expected) {
  bytes.resize(expected + kSlack);
  const std::size_t middle = expected / 2;
  long long head = 0, tail = 0;
  {
    const std::jthread reader(
        [&] { tail = read_range(fd, bytes.data() + middle, expected - middle, middle); });
    head = read_range(fd, bytes.data(), middle, 0);
  }
  if (head < 0 || tail < 0) return false;
  std::size_t used = static_cast<std::size_t>(head) < middle ? static_cast<std::size_t>(head)
                                                             : middle + static_cast<std::size_t>(tail);
  while (true) {
    if (used == bytes.size()) bytes.resize(bytes.size() + bytes.size() / 2 + kSlack);
    const long long got = read_range(fd, bytes.data() + used, bytes.size() - used, used);
    if (got < 0) return false;
    if (got == 0) break;
    used += static_cast<std::size_t>(got);
  }
  bytes.resize(used);
  return true;
}

// Cuts the lines of a whole text on two threads: each cuts one half, the
// halves meeting right after the first LF of the second half, so that no
// line (nor a CR LF pair) is cut in two.
std::vector<std::string_view> split_in_halves(std::string_view text, bool* may_hold_nul) {
  const std::size_t half = text.size() / 2;
  const char* cut = static_cast<const char*>(std::memchr(text.data() + half, '\n', text.size() - half));
  if (cut == nullptr) return split_lines(text, may_hold_nul);
  const std::size_t cut_at = static_cast<std::size_t>(cut - text.data()) + 1;
  std::vector<std::string_view> tail;
  bool nul_in_head = true, nul_in_tail = true;
  std::thread splitter([&] { tail = split_lines(text.substr(cut_at), &nul_in_tail); });
  // Room for every line: the tail's lines join the head's without the
  // head being moved to a larger block.
  std::vector<std::string_view> lines;
  lines.reserve(estimated_line_count(text));
  append_lines(text.substr(0, cut_at), lines, &nul_in_head);
  splitter.join();
  lines.insert(lines.end(), tail.begin(), tail.end());
  *may_hold_nul = nul_in_head || nul_in_tail;
  return lines;
}

WholeFile read_plainly(const std::string& path, std::vector<std::string_view>& lines) {
  WholeFile whole = read_whole_file(path);
  lines = split_lines(whole.bytes->view(), &whole.may_hold_nul);
  return whole;
}

}  // namespace

WholeFile read_and_split(const std::string& path, std::vector<std::string_view>& lines) {
  lines.clear();
  FileDescriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC)};
  struct stat status {};
  const bool large = file.fd >= 0 && ::fstat(file.fd, &status) == 0 && S_ISREG(status.st_mode) &&
                     static_cast<std::size_t>(status.st_size) >= kParallelReadBytes &&
                     std::thread::hardware_concurrency() >= 2;
  if (!large) return read_plainly(path, lines);

  WholeFile whole;
  if (!read_in_halves(file.fd, *whole.bytes, static_cast<std::size_t>(status.st_size))) {
    whole.error = EIO;  // the reading threads' own error numbers are not kept
    whole.bytes->clear();
    return whole;
  }
  whole.state = whole.bytes->empty() ? WholeFileState::Empty : WholeFileState::Read;
  lines = split_in_halves(whole.bytes->view(), &whole.may_hold_nul);
  return whole;
}

}  // namespace talve
