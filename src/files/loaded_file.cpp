// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/loaded_file.h"

#include <cstring>

#include "text/text_utils.h"

namespace talve {

LoadedFile LoadedFile::from_text(std::string_view text) {
  auto bytes = std::make_shared<FileBuffer>();
  bytes->resize(text.size());
  if (!text.empty()) std::memcpy(bytes->data(), text.data(), text.size());
  std::vector<std::string_view> lines = split_lines(bytes->view());
  return LoadedFile(std::move(bytes), std::move(lines));
}

LoadedFile LoadedFile::outline(std::shared_ptr<const FileBuffer> head_bytes,
                               std::vector<std::string_view> head,
                               std::shared_ptr<const FileBuffer> tail_bytes,
                               std::vector<std::string_view> tail, std::size_t line_count) {
  LoadedFile file(std::move(head_bytes), std::move(head));
  file.m_outline = true;
  file.m_tail_bytes = std::move(tail_bytes);
  file.m_tail = std::move(tail);
  file.m_line_count = line_count;
  return file;
}

}  // namespace talve
