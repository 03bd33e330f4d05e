// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/column_methods.h"

#include <array>
#include <map>

#include "text/ascii.h"
#include "text/text_utils.h"

namespace talve {
namespace {

constexpr std::array<std::string_view, 7> kNames = {"moyenne",     "ponctuel", "max",  "min",
                                                    "moy_si_vide", "cumul",    "somme"};

std::string names_text() {
  std::string text;
  for (std::string_view name : kNames) text += (text.empty() ? "" : ", ") + std::string(name);
  return text;
}

int method_of(std::string_view name) {
  for (std::size_t i = 0; i < kNames.size(); ++i)
    if (equals_nocase(kNames[i], name)) return static_cast<int>(i);
  return -1;
}

// The items of a text cut at a separator, blanks around each dropped.
std::vector<std::string_view> items_of(std::string_view text, char separator) {
  std::vector<std::string_view> items;
  while (true) {
    const auto at = text.find(separator);
    items.push_back(trim_view(text.substr(0, at)));
    if (at == std::string_view::npos) break;
    text.remove_prefix(at + 1);
  }
  return items;
}

ColumnMethodList failed(std::string error) {
  ColumnMethodList list;
  list.error = std::move(error);
  return list;
}

}  // namespace

std::span<const std::string_view> column_method_names() { return kNames; }

ColumnMethodList parse_column_methods(std::string_view text) {
  ColumnMethodList list;
  std::map<int, int> method_of_column;
  for (std::string_view group : items_of(text, ';')) {
    if (group.empty()) continue;
    const auto colon = group.find(':');
    if (colon == std::string_view::npos)
      return failed("<" + std::string(group) +
                    "> : une méthode, \":\" puis ses n° de colonnes sont attendus (ex. cumul:3,5;max:7)");
    const std::string_view name = trim_view(group.substr(0, colon));
    const int method = method_of(name);
    if (method < 0)
      return failed("méthode inconnue <" + std::string(name) + "> : les méthodes possibles sont " +
                    names_text());
    std::string columns_text;
    bool any_column = false;
    for (std::string_view item : items_of(group.substr(colon + 1), ',')) {
      if (item.empty()) continue;
      any_column = true;
      int column = 0;
      if (!read_int(item, column) || column < 1)
        return failed("colonne inconnue <" + std::string(item) + "> pour la méthode " +
                      std::string(kNames[method]) + " : un n° de colonne à partir de 1 est attendu");
      const auto [found, inserted] = method_of_column.emplace(column, method);
      if (!inserted && found->second != method)
        return failed("la colonne " + std::to_string(column) + " a deux méthodes : " +
                      std::string(kNames[found->second]) + " et " + std::string(kNames[method]));
      if (!inserted) continue;  // the same method given twice
      list.methods.push_back({column, method});
      columns_text += (columns_text.empty() ? "" : ",") + std::to_string(column);
    }
    if (!any_column) return failed("la méthode " + std::string(kNames[method]) + " n'a pas de n° de colonne");
    if (columns_text.empty()) continue;
    list.canonical += (list.canonical.empty() ? "" : ";") + std::string(kNames[method]) + ":" + columns_text;
  }
  return list;
}

std::optional<int> min_share_from_text(std::string_view text) {
  const std::string_view trimmed = trim_view(text);
  if (trimmed.empty()) return 0;
  int share = 0;
  if (!read_int(trimmed, share) || share < 0 || share > 100) return std::nullopt;
  return share;
}

}  // namespace talve
