// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/file_range.h"

#include <unistd.h>

#include <cerrno>

namespace talve {

FileDescriptor::~FileDescriptor() {
  if (fd >= 0) ::close(fd);
}

long long read_range(int fd, char* out, std::size_t size, std::size_t offset) {
  std::size_t done = 0;
  while (done < size) {
    const ssize_t got = ::pread(fd, out + done, size - done, static_cast<off_t>(offset + done));
    if (got < 0) {
      if (errno == EINTR) continue;
      return -1;
    }
    if (got == 0) break;
    done += static_cast<std::size_t>(got);
  }
  return static_cast<long long>(done);
}

}  // namespace talve
