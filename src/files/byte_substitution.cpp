// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/byte_substitution.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/replace_file.h"
#include "core/workspace.h"

namespace talve {
namespace {

struct Descriptor {
  int fd = -1;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
};

// Reads until the end of the file, growing the buffer when the file turns
// out longer than its size said; false on a read error. The buffer starts a
// little larger than the expected size, so that the read which meets the
// end of an unchanged file never has to grow (and copy) it.
[[nodiscard]] bool read_to_end(int fd, FileBuffer& bytes, std::size_t expected) {
  constexpr std::size_t kSlack = 65536;
  std::size_t used = 0;
  bytes.resize(expected + kSlack);
  while (true) {
    if (used == bytes.size()) bytes.resize(bytes.size() + bytes.size() / 2 + kSlack);
    const ssize_t got = ::read(fd, bytes.data() + used, bytes.size() - used);
    if (got < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (got == 0) break;
    used += static_cast<std::size_t>(got);
  }
  bytes.resize(used);
  return true;
}

}  // namespace

WholeFile read_whole_file(const std::string& path) {
  WholeFile result;
  Descriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC)};
  if (file.fd < 0) {
    result.error = errno;
    return result;
  }
  struct stat status {};
  // A folder opens fine but is no data file; neither is a pipe or a device.
  if (::fstat(file.fd, &status) != 0 || !S_ISREG(status.st_mode)) return result;
  // The size can change between the two calls: whatever follows is read
  // too, so the buffer always holds the whole file as it was read.
  if (!read_to_end(file.fd, *result.bytes, static_cast<std::size_t>(status.st_size))) {
    result.error = errno;
    result.bytes->clear();
    return result;
  }
  result.state = result.bytes->empty() ? WholeFileState::Empty : WholeFileState::Read;
  return result;
}

void substitute_byte(char* data, std::size_t size, char byte, char replacement) {
  // The bytes to replace are rare (NUL) or one per field (TAB): jump from
  // one to the next instead of testing every byte.
  char* const end = data + size;
  for (char* at = data; at < end;) {
    at = static_cast<char*>(std::memchr(at, byte, static_cast<std::size_t>(end - at)));
    if (!at) break;
    *at++ = replacement;
  }
}

void apply_substitution(Substitution substitution, char* data, std::size_t size, bool may_hold_nul) {
  switch (substitution) {
    case Substitution::None:
      break;
    case Substitution::NulToStandIn:
      if (may_hold_nul) substitute_byte(data, size, '\0', '\x01');
      break;
    case Substitution::NulToUnderscore:
      if (may_hold_nul) substitute_byte(data, size, '\0', '_');
      break;
    case Substitution::Tabulation:
      if (may_hold_nul) substitute_byte(data, size, '\0', '\x01');
      substitute_byte(data, size, '\t', ';');
      break;
  }
}

CopyOutcome copie_substitution(Workspace& ws, const std::string& source, const std::string& destination,
                               char byte, char replacement) {
  WholeFile file = read_whole_file(source);
  CopyOutcome outcome = CopyOutcome::Copied;
  if (file.state == WholeFileState::Missing) {
    ws.ui().message("fichier inexistant\n" + source);
    outcome = CopyOutcome::SourceMissing;
  } else if (file.state == WholeFileState::Empty) {
    ws.ajout_suivi("fichier VIDE => " + source);
    outcome = CopyOutcome::SourceEmpty;
  }
  substitute_byte(*file.bytes, byte, replacement);
  if (!replace_file(destination, file.bytes->view())) return CopyOutcome::WriteFailed;
  return outcome;
}

}  // namespace talve
