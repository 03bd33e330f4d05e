// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/chart_columns.h"

#include <algorithm>

#include "text/text_utils.h"

namespace talve {
namespace {

// Only the first fifteen items are dealt out: five charts of three series
// stay readable.
constexpr int kDealtItems = 15;

std::vector<std::string_view> split_on(std::string_view text, char separator) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find(separator, start);
    fields.push_back(
        text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) return fields;
    start = end + 1;
  }
}

}  // namespace

std::vector<std::string> chart_items(const ColumnMap& map) {
  std::vector<std::string> items;
  std::size_t longest = 0;
  for (int column = 2; column < map.count; ++column) {
    const std::string& title =
        column < static_cast<int>(map.titles.size()) ? map.titles[column] : std::string();
    items.push_back(title);
    longest = std::max(longest, title.size());
  }
  if (map.count < 2) return items;
  std::string count_item = "n OK";
  if (count_item.size() < longest) count_item.append(longest - count_item.size(), ' ');
  items.push_back(std::move(count_item));
  return items;
}

std::string check_state_text(const ChartChecks& lists) {
  std::string text;
  for (const std::vector<bool>& list : lists) {
    for (std::size_t i = 0; i < list.size(); ++i)
      if (list[i]) text += std::to_string(i) + ",";
    text += ";";
  }
  return text;
}

ChartChecks checks_from_text(std::string_view text, int item_count) {
  ChartChecks lists;
  const std::size_t count = static_cast<std::size_t>(std::max(item_count, 0));
  for (auto& list : lists) list.assign(count, false);
  const std::vector<std::string_view> fields = split_on(text, ';');
  for (std::size_t k = 0; k < lists.size() && k < fields.size(); ++k) {
    for (std::string_view index_text : split_on(fields[k], ',')) {
      int index = 0;
      if (read_int(trim_view(index_text), index) && index >= 0 && static_cast<std::size_t>(index) < count)
        lists[k][static_cast<std::size_t>(index)] = true;
    }
  }
  return lists;
}

ChartChecks dealt_checks(int item_count) {
  ChartChecks lists;
  const int count = std::max(item_count, 0);
  for (auto& list : lists) list.assign(static_cast<std::size_t>(count), false);
  for (int i = 0; i < std::min(count, kDealtItems); ++i)
    lists[static_cast<std::size_t>(i % kChartCount)][static_cast<std::size_t>(i)] = true;
  return lists;
}

}  // namespace talve
