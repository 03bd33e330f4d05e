// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/date_columns.h"

#include <algorithm>

#include "text/text_utils.h"

namespace talve {

bool is_column_list(std::string_view text) { return text.find('+') != std::string_view::npos; }

std::optional<std::vector<int>> read_date_columns(std::string_view text) {
  if (!is_column_list(text)) {
    int column = 0;
    return std::vector<int>{read_int(trim_view(text), column) ? column : 0};
  }
  std::vector<int> columns;
  while (true) {
    const std::size_t plus = text.find('+');
    const std::string_view item = trim_view(text.substr(0, plus));
    int column = 0;
    const bool digits = !item.empty() && item.find_first_not_of("0123456789") == std::string_view::npos;
    if (!digits || !read_int(item, column) || column < 1 ||
        std::find(columns.begin(), columns.end(), column) != columns.end())
      return std::nullopt;
    columns.push_back(column);
    if (plus == std::string_view::npos) break;
    text.remove_prefix(plus + 1);
  }
  return columns;
}

std::vector<int> date_columns_or_none(std::string_view text) {
  return read_date_columns(text).value_or(std::vector<int>{0});
}

std::string date_columns_rule_text(std::string_view typed) {
  return " la valeur <" + std::string(typed) +
         "> n'est pas valide comme n° de colonne de la date-heure :\n\n"
         "   un n° de colonne (2), ou les n° des colonnes d'une date écrite sur plusieurs colonnes,\n"
         "   joints par \"+\" dans leur ordre de lecture (2+3+4), chacun une seule fois";
}

}  // namespace talve
