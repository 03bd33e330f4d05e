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

}  // namespace talve
