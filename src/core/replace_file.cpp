// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "text/system_error.h"

namespace talve {
namespace {

namespace fs = std::filesystem;

bool fail(std::string* error, const std::string& reason) {
  if (error) *error = reason;
  return false;
}

bool write_all(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// The file actually replaced: the end of a chain of symbolic links.
fs::path final_target(const std::string& path) {
  std::error_code ec;
  if (fs::is_symlink(path, ec)) {
    const fs::path resolved = fs::weakly_canonical(path, ec);
    if (!ec) return resolved;
  }
  return fs::path(path);
}

}  // namespace

bool replace_file(const std::string& path, std::string_view bytes, std::string* error) {
  const fs::path target = final_target(path);
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  // The "~" keeps the temporary file out of every data-file listing.
  std::string temp = (folder / ("~" + target.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return fail(error, system_error_text(errno));

  struct stat existing {};
  const mode_t mode = ::stat(target.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : 0644;
  // The bytes are on the disk before the rename makes them the file, so
  // that a crash never leaves the name on a file without its data;
  // fdatasync flushes them with the size, not the times.
  bool ok = ::fchmod(fd, mode) == 0 && write_all(fd, bytes) && ::fdatasync(fd) == 0;
  const int saved_errno = errno;
  ok = (::close(fd) == 0) && ok;
  if (ok && std::rename(temp.c_str(), target.c_str()) == 0) return true;

  const std::string reason = system_error_text(ok ? errno : saved_errno);
  ::unlink(temp.c_str());
  return fail(error, reason);
}

}  // namespace talve
