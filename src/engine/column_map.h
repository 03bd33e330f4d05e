// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "engine/method.h"

namespace talve {

// The output columns of a run, fixed at its first file: column 1 the
// instant, columns 2..count-1 the data columns taken from the files, column
// count the line count "nb". Vectors are indexed by output column (index 0
// unused).
struct ColumnMap {
  int count = 0;                    // C
  std::vector<int> sources;         // 1-based source column of each data column, 0 elsewhere
  std::vector<std::string> titles;  // title of each output column
  // The method of each output column when some columns have their own
  // (`Edit_methode_par_colonne.text`); empty when all take the chosen one.
  std::vector<Method> methods;

  int data_count() const { return count > 2 ? count - 2 : 0; }
  bool empty() const { return count == 0; }
};

}  // namespace talve
