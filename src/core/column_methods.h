// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace talve {

// A method of its own for some source columns (`Edit_methode_par_colonne.text`),
// written "cumul:3,5;max:7": groups separated by ";", each a method name, ":"
// and the source column numbers (as `Edit_col_cochee.text` numbers them)
// separated by ",". A column not listed takes the method of the
// "méthode de calcul" buttons. Blanks are allowed around every item; names
// are read without regard to letter case.

// The method names, by method number: 0 to 5 are the six buttons of
// "méthode de calcul" (moyenne, ponctuel, max, min, moy_si_vide, cumul);
// 6, "somme", adds the measurements of each interval without carrying a
// total down the rows.
std::span<const std::string_view> column_method_names();
inline constexpr int kSumMethod = 6;

struct ColumnMethod {
  int column = 0;  // source column, from 1
  int method = 0;  // index into column_method_names()
};

struct ColumnMethodList {
  std::vector<ColumnMethod> methods;  // in the order written
  // Empty when the text reads; otherwise what is wrong, in French, naming
  // the item ("méthode inconnue <moyene>"...).
  std::string error;
  // The text as it reads back: blanks dropped, names in lower case.
  std::string canonical;
};

// Reads the text; an empty or blank text is an empty list. A text with an
// unknown method, a column that is no whole number from 1, a group without
// ":" or a column given two methods has an error and no method.
ColumnMethodList parse_column_methods(std::string_view text);

// The share of measurements an interval needs (`Edit_taux_min.text`): a
// whole percentage from 0 to 100, blanks around it allowed; an empty text is
// 0 (no share required). None when the text is anything else.
std::optional<int> min_share_from_text(std::string_view text);

}  // namespace talve
