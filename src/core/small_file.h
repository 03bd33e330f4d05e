// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>

namespace talve {

// The program's own small files (descriptions, the period, parameter and
// recent-folder files) are read only when they are regular files and no
// larger than a limit: a pipe named in their place would block the program
// in its opening for good, and a link to a device such as /dev/zero would
// fill its memory. A description is a few kilobytes.
inline constexpr std::size_t kSmallFileLimit = std::size_t{1} << 20;

enum class SmallFileState { Read, Missing, NotRegular, TooLarge, Failed };

struct SmallFile {
  SmallFileState state = SmallFileState::Missing;
  std::string bytes;  // the whole file, when Read
  int error = 0;      // errno, when Failed
};

// Reads the file at `path` (the file system's bytes) without ever waiting
// for a writer: a pipe or a device is NotRegular, a file larger than
// `limit` TooLarge, a folder Failed with EISDIR.
SmallFile read_small_file(const std::string& path, std::size_t limit = kSmallFileLimit);

// Why a file that is there could not be read, in French: "n'est pas un
// fichier ordinaire...", "dépasse 1 Mo...", or the system's reason.
std::string small_file_problem(const SmallFile& file, std::size_t limit = kSmallFileLimit);

}  // namespace talve
