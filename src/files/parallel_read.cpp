// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/parallel_read.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <thread>

#include "files/file_range.h"
#include "text/text_utils.h"
#include "text/two_threads.h"

namespace talve {
namespace {

// Room beyond the size the file had when it was opened, so that the read
// which meets the end of an unchanged file never has to grow the buffer.
constexpr std::size_t kSlack = 65536;

// Reads the `expected` bytes the file held when it was opened, in two
// halves at once, then whatever was added since. When the file shrank
// meanwhile, the bytes kept are those up to where the reading first met its
// end, so that they follow one another as in the file.
[[nodiscard]] bool read_in_halves(int fd, FileBuffer& bytes, std::size_t expected) {
  bytes.resize(expected + kSlack);
  const long long first = read_range_in_halves(fd, bytes.data(), expected, 0);
  if (first < 0) return false;
  auto used = static_cast<std::size_t>(first);
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
  std::vector<std::string_view> spare;
  split_lines_in_halves(whole.bytes->view(), lines, spare, &whole.may_hold_nul);
  return whole;
}

long long read_range_in_halves(int fd, char* out, std::size_t size, std::size_t offset) {
  if (size < kParallelReadBytes || std::thread::hardware_concurrency() < 2)
    return read_range(fd, out, size, offset);
  const std::size_t middle = size / 2;
  long long head = 0, tail = 0;
  run_on_two_threads([&] { tail = read_range(fd, out + middle, size - middle, offset + middle); },
                     [&] { head = read_range(fd, out, middle, offset); });
  if (head < 0 || tail < 0) return -1;
  return static_cast<std::size_t>(head) < middle ? head : static_cast<long long>(middle) + tail;
}

// Each half is cut on its own thread, the halves meeting right after the
// first LF of the second half, so that no line (nor a CR LF pair) is cut in
// two.
void split_lines_in_halves(std::string_view text, std::vector<std::string_view>& lines,
                           std::vector<std::string_view>& spare, bool* may_hold_nul) {
  lines.clear();
  const std::size_t half = text.size() / 2;
  const char* cut = text.size() < kParallelReadBytes || std::thread::hardware_concurrency() < 2
                        ? nullptr
                        : static_cast<const char*>(std::memchr(text.data() + half, '\n', text.size() - half));
  // Room for every line: the tail's lines join the head's without the head
  // being moved to a larger block.
  lines.reserve(estimated_line_count(text));
  if (cut == nullptr) {
    append_lines(text, lines, may_hold_nul);
    return;
  }
  const std::size_t cut_at = static_cast<std::size_t>(cut - text.data()) + 1;
  bool nul_in_head = true, nul_in_tail = true;
  run_on_two_threads(
      [&] {
        spare.clear();
        spare.reserve(estimated_line_count(text.substr(cut_at)));
        append_lines(text.substr(cut_at), spare, &nul_in_tail);
      },
      [&] { append_lines(text.substr(0, cut_at), lines, &nul_in_head); });
  lines.insert(lines.end(), spare.begin(), spare.end());
  if (may_hold_nul != nullptr) *may_hold_nul = nul_in_head || nul_in_tail;
}

}  // namespace talve
