// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/column_preview.h"

#include <vector>

#include "core/data_description.h"
#include "core/workspace.h"
#include "text/field_cutting.h"
#include "text/text_utils.h"

namespace talve {
namespace {

constexpr int kSpaceSeparator = 1;  // `RadioGroup_separateur_colonne_ItemIndex` "Espace"

bool is_list_separator(char c) { return c == '\t' || c == ',' || c == ';'; }

std::vector<std::string> split_titles(std::string_view text) {
  std::vector<std::string> titles;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && !is_list_separator(text[i])) continue;
    titles.push_back(trim(text.substr(start, i - start)));
    start = i + 1;
  }
  return titles;
}

std::vector<std::string> split_on_tabs(std::string_view text) {
  std::vector<std::string> titles;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i] != '\t') continue;
    titles.emplace_back(text.substr(start, i - start));
    start = i + 1;
  }
  return titles;
}

// The split character of a separator choice, as the titles line holds it
// (the tabs of tab-separated files are ";" once loaded).
char split_of(int separator_choice) {
  switch (separator_choice) {
    case 1:
      return ' ';
    case 3:
      return ',';
    default:
      return ';';
  }
}

}  // namespace

std::optional<std::string> column_title_preview(const DataDescription& description,
                                                std::string_view original_titles) {
  if (!description.checked("CheckBox_col_cochee.Checked")) return std::string("---");
  const std::string& list = description.text("Edit_col_cochee.text");
  if (list.empty() || list.back() == ',') return std::nullopt;

  std::string source;
  const int separator = description.choice("RadioGroup_separateur_colonne_ItemIndex");
  const bool alternative = description.checked("CheckBox_int_col_alternatif.Checked");
  if (alternative)
    source = description.text("Edit_new_desc_colonne.text");
  else if (description.checked("CheckBox_guillemets.Checked"))
    // Quoted titles may hold separators ("Temp, °C"): cut as the files are.
    source = fields_with_tabs(original_titles, FieldCutting{split_of(separator), true, false});
  else if (separator == kSpaceSeparator)
    source = intitules_vers_sep(original_titles, '\t');
  else
    source = std::string(original_titles);
  const std::vector<std::string> titles = !alternative && description.checked("CheckBox_guillemets.Checked")
                                              ? split_on_tabs(source)
                                              : split_titles(source);

  std::string preview = "=> ";
  bool first = true;
  for (const std::string& item : split_titles(list)) {
    int column = 0;
    const bool known = read_int(item, column) && column >= 1 && column <= static_cast<int>(titles.size());
    if (!first) preview += " | ";
    preview += known ? titles[static_cast<std::size_t>(column - 1)] : std::string("?");
    first = false;
  }
  return preview;
}

void refresh_column_preview(Workspace& workspace) {
  if (auto preview = column_title_preview(workspace.description, workspace.caption("Edit_intitule_origine")))
    workspace.set_caption("Label_col_alternatives", std::move(*preview));
}

}  // namespace talve
