// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "files/file_buffer.h"

namespace talve {

// The bytes read from the end of a file for its last lines: far more than a
// line of data, far less than the file.
constexpr std::size_t kTailBytes = 64u << 10;

// The last bytes of a file and the lines in them that are whole: from the
// byte after their first line end on, or all of them when they are the
// whole file. Line ends are never rewritten, so the bytes may be rewritten
// (NUL, tabs) under the views afterwards.
struct FileTail {
  std::shared_ptr<FileBuffer> bytes = std::make_shared<FileBuffer>();
  std::vector<std::string_view> lines;
  bool whole_file = false;
};

// The last min(size, kTailBytes) bytes of the file open as `fd`, `size`
// bytes long; nothing when they cannot all be read.
std::optional<FileTail> read_file_tail(int fd, std::size_t size);

}  // namespace talve
