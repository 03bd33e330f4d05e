// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "files/file_buffer.h"

namespace talve {

// The lines of a data file as the loader left them: one buffer holding the
// whole file after its byte substitutions, and one view per line into it
// (line ends excluded). Copies share the buffer, which never changes once
// loaded, so the views stay valid for as long as any copy lives.
class LoadedFile {
 public:
  LoadedFile() = default;
  LoadedFile(std::shared_ptr<const FileBuffer> bytes, std::vector<std::string_view> lines)
      : m_bytes(std::move(bytes)), m_lines(std::move(lines)) {}

  // A file made of a text as it stands (no substitution), cut into lines:
  // for tests and for texts that never were on disk.
  static LoadedFile from_text(std::string_view text);

  const std::vector<std::string_view>& lines() const { return m_lines; }
  std::size_t size() const { return m_lines.size(); }
  bool empty() const { return m_lines.empty(); }
  std::string_view operator[](std::size_t index) const { return m_lines[index]; }
  // The line at a signed index, "" outside the file (the positions of a data
  // block may be -1 or past the last line).
  std::string_view line_or_empty(long long index) const {
    return index >= 0 && static_cast<std::size_t>(index) < m_lines.size()
               ? m_lines[static_cast<std::size_t>(index)]
               : std::string_view();
  }
  // Size in bytes of what was read.
  std::size_t byte_count() const { return m_bytes ? m_bytes->size() : 0; }

 private:
  std::shared_ptr<const FileBuffer> m_bytes;
  std::vector<std::string_view> m_lines;
};

}  // namespace talve
