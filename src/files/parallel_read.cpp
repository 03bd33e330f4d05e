// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/parallel_read.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cstring>
#include <thread>

#include "files/file_range.h"
#include "text/text_utils.h"

namespace talve {
namespace {

// Below this size one thread does it all: starting a second one would
// cost more than it saves.
constexpr std::size_t kParallelBytes = 4u << 20;

}  // namespace

WholeFile read_and_split(const std::string& path, std::vector<std::string_view>& lines) {
  lines.clear();
  FileDescriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC)};
  struct stat status {};
  const bool large = file.fd >= 0 && ::fstat(file.fd, &status) == 0 && S_ISREG(status.st_mode) &&
                     static_cast<std::size_t>(status.st_size) >= kParallelBytes &&
                     std::thread::hardware_concurrency() >= 2;
  if (!large) {
    WholeFile whole = read_whole_file(path);
    lines = split_lines(whole.bytes->view(), &whole.may_hold_nul);
    return whole;
  }

  WholeFile whole;
  FileBuffer& bytes = *whole.bytes;
  const auto size = static_cast<std::size_t>(status.st_size);
  const std::size_t half = size / 2;
  bytes.resize(size);
  long long second = 0;
  std::thread helper([&] { second = read_range(file.fd, bytes.data() + half, size - half, half); });
  const long long first = read_range(file.fd, bytes.data(), half, 0);
  helper.join();
  if (first != static_cast<long long>(half) || second != static_cast<long long>(size - half)) {
    // The file changed while it was read: read it again the plain way.
    whole = read_whole_file(path);
    lines = split_lines(whole.bytes->view(), &whole.may_hold_nul);
    return whole;
  }
  // Whatever was appended meanwhile is read too, as the plain reading does.
  char chunk[65536];
  for (long long got; (got = read_range(file.fd, chunk, sizeof chunk, bytes.size())) > 0;) {
    const std::size_t used = bytes.size();
    bytes.resize(used + static_cast<std::size_t>(got));
    std::memcpy(bytes.data() + used, chunk, static_cast<std::size_t>(got));
  }
  whole.state = WholeFileState::Read;

  const std::string_view text = bytes.view();
  // The halves meet right after the first LF of the second half, so that no
  // line (nor a CR LF pair) is cut in two.
  const char* cut = static_cast<const char*>(std::memchr(text.data() + half, '\n', text.size() - half));
  if (cut == nullptr) {
    lines = split_lines(text, &whole.may_hold_nul);
    return whole;
  }
  const std::size_t cut_at = static_cast<std::size_t>(cut - text.data()) + 1;
  std::vector<std::string_view> tail;
  bool nul_in_head = true, nul_in_tail = true;
  std::thread splitter([&] { tail = split_lines(text.substr(cut_at), &nul_in_tail); });
  lines = split_lines(text.substr(0, cut_at), &nul_in_head);
  splitter.join();
  lines.insert(lines.end(), tail.begin(), tail.end());
  whole.may_hold_nul = nul_in_head || nul_in_tail;
  return whole;
}

}  // namespace talve
