// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/field_cutting.h"

#include "text/text_utils.h"

namespace talve {
namespace {

constexpr char kQuote = '"';

std::size_t skip_blanks(std::string_view line, std::size_t at) {
  while (at < line.size() && line[at] == ' ') ++at;
  return at;
}

// Where the field that starts at `at` ends: the next separator, or the end
// of the line. With the blank as separator a field ends at a blank.
std::size_t field_end(std::string_view line, std::size_t at, char split) {
  const std::size_t end = line.find(split, at);
  return end == std::string_view::npos ? line.size() : end;
}

// A quoted field from its opening quote at `open`: its text (into
// `unquoted` when it holds doubled quotes) and the place after its closing
// quote; npos when it is not closed.
std::size_t read_quoted(std::string_view line, std::size_t open, std::string& unquoted,
                        std::string_view& text) {
  std::size_t at = open + 1;
  bool doubled = false;
  while (true) {
    const std::size_t quote = line.find(kQuote, at);
    if (quote == std::string_view::npos) return std::string_view::npos;
    if (quote + 1 < line.size() && line[quote + 1] == kQuote) {
      doubled = true;
      at = quote + 2;
      continue;
    }
    const std::string_view inside = line.substr(open + 1, quote - open - 1);
    if (!doubled) {
      text = inside;
    } else {
      const std::size_t start = unquoted.size();
      for (std::size_t i = 0; i < inside.size(); ++i) {
        unquoted.push_back(inside[i]);
        if (inside[i] == kQuote) ++i;  // the second of a pair
      }
      text = std::string_view(unquoted).substr(start);
    }
    return quote + 1;
  }
}

}  // namespace

bool empty_first_field_counts(std::string_view title_line, char split) {
  return split != ' ' && !title_line.empty() && title_line.front() != split;
}

bool cut_quoted_line(std::string_view line, const FieldCutting& cutting,
                     std::vector<std::string_view>& fields, std::string& unquoted) {
  fields.clear();
  unquoted.clear();
  // Room for every unquoted text: the views into it must not move.
  unquoted.reserve(line.size());
  const char split = cutting.split;
  const bool blank = split == ' ';
  bool sound = true;
  std::size_t at = 0;
  if (line.empty()) return true;
  if (!blank && line.front() == split && !cutting.empty_first_field) at = 1;
  while (at < line.size()) {
    const std::size_t start = skip_blanks(line, at);
    if (blank && start >= line.size()) break;
    std::size_t next;  // where the next field starts, npos after the last
    if (start < line.size() && line[start] == kQuote) {
      std::string_view text;
      const std::size_t after = read_quoted(line, start, unquoted, text);
      if (after == std::string_view::npos) {
        // Not closed: the rest of the line, quote included, is the field.
        sound = false;
        fields.push_back(trim_view(line.substr(start)));
        break;
      }
      const std::size_t end = field_end(line, after, split);
      if (blank ? end != after : !trim_view(line.substr(after, end - after)).empty()) sound = false;
      fields.push_back(text);
      next = end < line.size() ? end + 1 : std::string_view::npos;
    } else {
      const std::size_t end = field_end(line, blank ? start : at, split);
      const std::string_view field = trim_view(line.substr(at, end - at));
      if (field.find(kQuote) != std::string_view::npos) sound = false;
      fields.push_back(field);
      next = end < line.size() ? end + 1 : std::string_view::npos;
    }
    if (next == std::string_view::npos) break;
    at = blank ? skip_blanks(line, next) : next;
  }
  return sound;
}

std::string cut_field(std::string_view line, int n, const FieldCutting& cutting) {
  if (n < 1) return {};
  if (!cutting.quoted && !cutting.empty_first_field) return champ_n(line, n, cutting.split);
  FieldSplitter splitter;
  static_cast<void>(splitter.cut(line, cutting, ControlBytes::None));
  return std::string(splitter.field(static_cast<std::size_t>(n)));
}

std::string fields_with_tabs(std::string_view line, const FieldCutting& cutting) {
  FieldSplitter splitter;
  static_cast<void>(splitter.cut(line, cutting, ControlBytes::None));
  std::string out;
  for (std::size_t i = 1; i <= splitter.size(); ++i) {
    if (i > 1) out.push_back('\t');
    out.append(splitter.field(i));
  }
  return out;
}

}  // namespace talve
