// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/byte_substitution.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "core/replace_file.h"
#include "core/workspace.h"

namespace talve {
namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace

WholeFile read_whole_file(const std::string& path) {
  WholeFile result;
  std::error_code error;
  // A folder opens fine on some systems but is no data file.
  if (!std::filesystem::is_regular_file(path, error)) return result;
  const FileHandle file(std::fopen(path.c_str(), "rb"));
  if (!file) return result;
  const std::uintmax_t expected = std::filesystem::file_size(path, error);
  std::string& bytes = *result.bytes;
  if (!error && expected > 0) {
    bytes.resize(static_cast<std::size_t>(expected));
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file.get()));
  }
  // The size can change between the two calls: whatever follows is read
  // too, so the buffer always holds the whole file as it was read.
  char chunk[65536];
  for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0;) bytes.append(chunk, got);
  if (std::ferror(file.get())) {
    bytes.clear();
    return result;
  }
  result.state = bytes.empty() ? WholeFileState::Empty : WholeFileState::Read;
  return result;
}

void substitute_byte(std::string& bytes, char byte, char replacement) {
  std::replace(bytes.begin(), bytes.end(), byte, replacement);
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
  if (!replace_file(destination, *file.bytes)) return CopyOutcome::WriteFailed;
  return outcome;
}

}  // namespace talve
