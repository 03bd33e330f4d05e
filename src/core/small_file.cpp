// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/small_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "text/system_error.h"

namespace talve {
namespace {

// Closes the descriptor on every way out.
struct Descriptor {
  int fd;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
};

}  // namespace

SmallFile read_small_file(const std::string& path, std::size_t limit) {
  SmallFile file;
  // O_NONBLOCK: opening a pipe for reading would otherwise wait for a
  // writer, deaf to every signal whose handler lets calls go on.
  Descriptor d{::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY)};
  if (d.fd < 0) {
    file.error = errno;
    file.state = errno == ENOENT || errno == ENOTDIR ? SmallFileState::Missing : SmallFileState::Failed;
    return file;
  }
  struct stat status {};
  if (::fstat(d.fd, &status) != 0) {
    file.error = errno;
    file.state = SmallFileState::Failed;
    return file;
  }
  if (S_ISDIR(status.st_mode)) {
    file.error = EISDIR;
    file.state = SmallFileState::Failed;
    return file;
  }
  if (!S_ISREG(status.st_mode)) {
    file.state = SmallFileState::NotRegular;
    return file;
  }
  if (static_cast<unsigned long long>(status.st_size) > limit) {
    file.state = SmallFileState::TooLarge;
    return file;
  }
  // The file may grow while it is read: it is read to its end or to one
  // byte beyond the limit, which says it is too large.
  file.bytes.resize(static_cast<std::size_t>(status.st_size) + 1);
  std::size_t got = 0;
  while (got <= limit) {
    if (got == file.bytes.size()) file.bytes.resize(std::min(limit + 1, 2 * got));
    const ssize_t n = ::read(d.fd, file.bytes.data() + got, file.bytes.size() - got);
    if (n > 0) {
      got += static_cast<std::size_t>(n);
      continue;
    }
    if (n == 0) break;
    if (errno == EINTR) continue;
    file.error = errno;
    file.state = SmallFileState::Failed;
    file.bytes.clear();
    return file;
  }
  if (got > limit) {
    file.bytes.clear();
    file.state = SmallFileState::TooLarge;
    return file;
  }
  file.bytes.resize(got);
  file.state = SmallFileState::Read;
  return file;
}

std::string small_file_problem(const SmallFile& file, std::size_t limit) {
  switch (file.state) {
    case SmallFileState::NotRegular:
      return "ce n'est pas un fichier ordinaire (un tube ou un périphérique porte ce nom)";
    case SmallFileState::TooLarge:
      return "il dépasse " + std::to_string(limit >> 20) + " Mo, bien plus qu'un tel fichier n'en compte";
    case SmallFileState::Missing:
      return "fichier introuvable";
    case SmallFileState::Failed:
      return system_error_text(file.error);
    case SmallFileState::Read:
      break;
  }
  return {};
}

}  // namespace talve
