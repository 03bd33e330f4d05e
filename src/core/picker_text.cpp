// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/picker_text.h"

#include <vector>

#include "text/date_pattern_fields.h"
#include "text/filename_rules.h"
#include "text/text_utils.h"

namespace talve {
namespace {

// The numbers of "a<sep>b<sep>c": between min_parts and max_parts pieces of
// one to four digits.
std::optional<std::vector<int>> numbers(std::string_view text, char separator, std::size_t min_parts,
                                        std::size_t max_parts) {
  std::vector<int> parts;
  while (true) {
    const auto end = text.find(separator);
    const std::string_view piece = text.substr(0, end);
    int value = 0;
    if (piece.empty() || piece.size() > 4 ||
        piece.find_first_not_of("0123456789") != std::string_view::npos || !read_int(piece, value))
      return std::nullopt;
    parts.push_back(value);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  if (parts.size() < min_parts || parts.size() > max_parts) return std::nullopt;
  return parts;
}

std::optional<TimeOfDay> read_clock(std::string_view text) {
  const auto parts = numbers(text, ':', 2, 3);
  if (!parts) return std::nullopt;
  TimeOfDay clock{(*parts)[0], (*parts)[1], parts->size() == 3 ? (*parts)[2] : 0, 0};
  if (clock.hour > 23 || clock.minute > 59 || clock.second > 59) return std::nullopt;
  return clock;
}

std::optional<CivilDate> read_date(std::string_view text) {
  const auto parts = numbers(text, '/', 3, 3);
  if (!parts || (*parts)[2] < 1000) return std::nullopt;
  const CivilDate date{(*parts)[2], (*parts)[1], (*parts)[0]};
  if (!is_valid_date(date.year, date.month, date.day)) return std::nullopt;
  return date;
}

}  // namespace

std::optional<TDateTime> read_picker_text(std::string_view text) {
  text = trim_view(text);
  const auto blank = text.find(' ');
  if (blank != std::string_view::npos) {
    const auto date = read_date(text.substr(0, blank));
    const auto clock = read_clock(trim_view(text.substr(blank + 1)));
    if (!date || !clock) return std::nullopt;
    return encode_date_time(CivilDateTime{*date, *clock});
  }
  if (text.find('/') != std::string_view::npos) {
    const auto date = read_date(text);
    if (!date) return std::nullopt;
    return encode_date(date->year, date->month, date->day);
  }
  const auto clock = read_clock(text);
  if (!clock) return std::nullopt;
  return encode_time(clock->hour, clock->minute, clock->second);
}

std::vector<std::string_view> pattern_list_entries(std::string_view list) {
  if (list == "ListBox_date_fic") return {kExemplesDateFichier.begin(), kExemplesDateFichier.end()};
  for (const PatternPicker* picker : {&date_time_picker(), &date_picker(), &time_picker()})
    if (picker->list == list) return {picker->entries.begin(), picker->entries.end()};
  return {};
}

std::string pattern_list_choice(std::string_view list, std::string_view entry) {
  if (list == "ListBox_date_fic") return std::string(entry);
  return picked_text(entry);
}

}  // namespace talve
