// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

namespace talve {

// An open file descriptor, closed when it goes out of scope.
struct FileDescriptor {
  int fd = -1;
  explicit FileDescriptor(int descriptor) : fd(descriptor) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor();
};

// Reads [offset, offset + size) of a file with pread, from any thread; the
// number of bytes read (fewer at the end of a file that shrank), or -1 on
// an error.
long long read_range(int fd, char* out, std::size_t size, std::size_t offset);

}  // namespace talve
