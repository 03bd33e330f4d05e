// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/replace_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "core/interruption.h"
#include "text/system_error.h"

namespace talve {
namespace {

namespace fs = std::filesystem;

bool fail(std::string* error, const std::string& reason) {
  if (error) *error = reason;
  return false;
}

constexpr std::string_view kInterruptedReason = "écriture interrompue";

// The bytes go in pieces, so that an interruption is seen within a
// fraction of a second on the largest results.
constexpr std::size_t kPiece = 4u << 20;

// False on a write error, or (errno EINTR) when the writing was to stop.
[[nodiscard]] bool write_all(int fd, std::string_view bytes, bool interruptible) {
  while (!bytes.empty()) {
    if (interruptible && interruption_requested()) {
      errno = EINTR;
      return false;
    }
    const ssize_t written = ::write(fd, bytes.data(), std::min(bytes.size(), kPiece));
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

// A temporary file beside its target, open and locked.
struct TemporaryFile {
  std::string path;
  int fd = -1;
};

// "~" + name + kTemporaryMark + six random characters: the "~" keeps the
// file out of every data-file listing, the mark tells it is this program's
// own. It is locked while it is written, and the lock is taken on the file
// the name still gives, so that a run cleaning the folder meanwhile never
// removes it.
TemporaryFile create_temporary(const fs::path& folder, const std::string& name) {
  for (int attempt = 0; attempt < 8; ++attempt) {
    TemporaryFile temp;
    temp.path = (folder / ("~" + name + std::string(kTemporaryMark) + "XXXXXX")).string();
    temp.fd = ::mkstemp(temp.path.data());
    if (temp.fd < 0) return temp;
    struct stat opened {};
    struct stat named {};
    if (::flock(temp.fd, LOCK_EX) == 0 && ::fstat(temp.fd, &opened) == 0 &&
        ::stat(temp.path.c_str(), &named) == 0 && opened.st_ino == named.st_ino &&
        opened.st_dev == named.st_dev)
      return temp;
    ::close(temp.fd);
  }
  errno = EAGAIN;
  return {};
}

bool is_temporary_name(std::string_view name) {
  const std::size_t mark = name.rfind(kTemporaryMark);
  if (name.size() < 2 || name.front() != '~' || mark == std::string_view::npos || mark < 2) return false;
  const std::string_view random = name.substr(mark + kTemporaryMark.size());
  return random.size() == 6 && std::all_of(random.begin(), random.end(), [](char c) {
           return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
         });
}

}  // namespace

bool is_read_only_file(const std::string& path) {
  const fs::path target = final_target(path);
  struct stat status {};
  if (::stat(target.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return false;
  // The owner's write bit: the superuser may write anything, but a file
  // its owner protected is not to be replaced by anyone.
  return (status.st_mode & S_IWUSR) == 0 || ::access(target.c_str(), W_OK) != 0;
}

bool replace_file(const std::string& path, std::string_view bytes, std::string* error, bool interruptible) {
  const fs::path target = final_target(path);
  // The rename would go through whatever the file's own permissions are:
  // only the folder's are asked.
  if (is_read_only_file(target.string())) return fail(error, system_error_text(EACCES));
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  const TemporaryFile temp = create_temporary(folder, target.filename().string());
  if (temp.fd < 0) return fail(error, system_error_text(errno));

  struct stat existing {};
  const mode_t mode = ::stat(target.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : 0644;
  // The bytes are on the disk before the rename makes them the file, so
  // that a crash never leaves the name on a file without its data;
  // fdatasync flushes them with the size, not the times.
  bool ok =
      ::fchmod(temp.fd, mode) == 0 && write_all(temp.fd, bytes, interruptible) && ::fdatasync(temp.fd) == 0;
  int saved_errno = errno;
  if (ok && interruptible && interruption_requested()) {
    ok = false;
    saved_errno = EINTR;
  }
  // Renamed while still open: the lock that tells the temporary file is in
  // use holds until its name is gone.
  if (ok && std::rename(temp.path.c_str(), target.c_str()) == 0) {
    ::close(temp.fd);
    return true;
  }
  const std::string reason =
      saved_errno == EINTR ? std::string(kInterruptedReason) : system_error_text(ok ? errno : saved_errno);
  ::unlink(temp.path.c_str());
  ::close(temp.fd);
  return fail(error, reason);
}

std::vector<std::string> remove_abandoned_temporaries(const std::string& folder) {
  std::vector<std::string> removed;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    std::error_code status_ec;
    if (!is_temporary_name(name) || !it->is_regular_file(status_ec)) continue;
    const std::string path = it->path().string();
    // A file of another user is left alone, and so is one that a running
    // program still writes: it holds a lock on it until it is renamed.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) continue;
    struct stat status {};
    const bool own = ::fstat(fd, &status) == 0 && status.st_uid == ::geteuid();
    if (own && ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::unlink(path.c_str()) == 0) removed.push_back(name);
    ::close(fd);
  }
  std::sort(removed.begin(), removed.end());
  return removed;
}

}  // namespace talve
