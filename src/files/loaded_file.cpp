// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/loaded_file.h"

#include <algorithm>
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

LoadedFile LoadedFile::read_in_pieces(std::shared_ptr<const FileBuffer> head_bytes,
                                      std::vector<std::string_view> head,
                                      std::shared_ptr<const KeptLines> kept, std::size_t line_count,
                                      const DataBlock& block, PieceSource pieces, bool provisional) {
  LoadedFile file(std::move(head_bytes), std::move(head));
  file.m_outline = true;
  file.m_line_count = line_count;
  file.m_in_pieces =
      std::make_shared<const InPieces>(InPieces{std::move(kept), block, std::move(pieces), provisional});
  return file;
}

std::string_view LoadedFile::kept_line(std::size_t index) const {
  const KeptLines& kept = *m_in_pieces->kept;
  const auto at = std::lower_bound(kept.begin(), kept.end(), index,
                                   [](const auto& line, std::size_t wanted) { return line.first < wanted; });
  return at != kept.end() && at->first == index ? std::string_view(at->second) : std::string_view();
}

}  // namespace talve
