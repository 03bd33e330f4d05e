// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/parallel_read.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cstring>
#include <thread>

#include "files/file_range.h"
#include "files/mapped_file.h"
#include "text/text_utils.h"

namespace talve {
namespace {

// Cuts the lines of a whole text, on two threads when the machine has them:
// each cuts one half, the halves meeting right after the first LF of the
// second half, so that no line (nor a CR LF pair) is cut in two.
std::vector<std::string_view> split_in_halves(std::string_view text, bool* may_hold_nul) {
  const std::size_t half = text.size() / 2;
  const char* cut = static_cast<const char*>(std::memchr(text.data() + half, '\n', text.size() - half));
  if (cut == nullptr || std::thread::hardware_concurrency() < 2) return split_lines(text, may_hold_nul);
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
                     static_cast<std::size_t>(status.st_size) >= kMappedFileBytes;
  std::unique_ptr<MappedFile> mapped =
      large ? MappedFile::map(file.fd, static_cast<std::size_t>(status.st_size)) : nullptr;
  if (!mapped) return read_plainly(path, lines);

  WholeFile whole;
  whole.bytes->hold(std::move(mapped));
  whole.state = WholeFileState::Read;
  lines = split_in_halves(whole.bytes->view(), &whole.may_hold_nul);
  if (whole.bytes->changed()) {
    // The file changed while its lines were cut: read it as it is now.
    lines.clear();
    return read_plainly(path, lines);
  }
  return whole;
}

}  // namespace talve
