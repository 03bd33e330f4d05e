// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/data_block.h"

#include <algorithm>

#include "core/data_description.h"
#include "text/text_utils.h"

namespace talve {
namespace {

constexpr int kByMarkers = 1;
constexpr int kWithoutTitles = 1;
// Far beyond the line count of any file, and far enough from the limits of
// the type that the positions computed from a setting (marker + line - 1,
// line + 2) cannot overflow whatever a hand-edited description holds.
constexpr long long kLineNumberLimit = 1LL << 40;

bool contains(std::string_view line, std::string_view marker) {
  return line.find(marker) != std::string_view::npos;
}

// The last line holding the end marker, searched from the end down to the
// second line; -1 when none does.
long long find_end_marker(const std::vector<std::string_view>& lines, std::string_view marker) {
  for (std::size_t i = lines.size(); i-- > 1;)
    if (contains(lines[i], marker)) return static_cast<long long>(i);
  return -1;
}

}  // namespace

long long last_non_blank_line(const std::vector<std::string_view>& lines, long long base) {
  for (std::size_t i = lines.size(); i-- > 0;) {
    const long long index = base + static_cast<long long>(i);
    if (index < 1) break;
    if (!trim_view(lines[i]).empty()) return index;
  }
  return -1;
}

long long line_number_setting(const DataDescription& description, std::string_view key) {
  long long value = 0;
  if (!read_integer(trim_view(description.text(key)), value)) return 0;
  return std::clamp(value, -kLineNumberLimit, kLineNumberLimit);
}

DataBlock locate_data_block(const std::vector<std::string_view>& lines, const DataDescription& description) {
  const long long first_line = line_number_setting(description, "Edit_num_ligne_donnee.text");
  DataBlock block;
  if (description.choice("RadioGroup_numlig_balise_ItemIndex") == kByMarkers) {
    const std::string& begin = description.text("Edit_balise_deb.text");
    // Not found: the search ran off the end of the file.
    block.marker = static_cast<long long>(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (contains(lines[i], begin)) {
        block.marker = static_cast<long long>(i);
        break;
      }
    }
    // The marker line counts as line 1 of the block.
    block.first = block.marker + first_line - 1;
    const long long end = find_end_marker(lines, description.text("Edit_balise_fin.text"));
    block.last = end < 0 ? -1 : end - 1;
  } else {
    block.marker = 0;
    block.first = first_line - 1;
    // The first line when none is found.
    block.last = std::max(last_non_blank_line(lines), 0LL);
  }
  block.title = description.choice("RadioGroup_avec_sans_intitule_ItemIndex") == kWithoutTitles
                    ? -1
                    : line_number_setting(description, "Edit_num_ligne_intitule_col.text") - 1;
  return block;
}

DataBlock locate_data_block(const LoadedFile& file, const DataDescription& description) {
  if (!file.is_outline()) return locate_data_block(file.lines(), description);
  if (file.in_pieces()) return file.located_block();
  DataBlock block;
  block.marker = 0;
  block.first = line_number_setting(description, "Edit_num_ligne_donnee.text") - 1;
  block.last = 0;
  for (std::size_t i = file.size(); i-- > 1;) {
    if (!trim_view(file.line_or_empty(static_cast<long long>(i))).empty()) {
      block.last = static_cast<long long>(i);
      break;
    }
  }
  block.title = description.choice("RadioGroup_avec_sans_intitule_ItemIndex") == kWithoutTitles
                    ? -1
                    : line_number_setting(description, "Edit_num_ligne_intitule_col.text") - 1;
  return block;
}

}  // namespace talve
