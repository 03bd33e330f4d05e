// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace talve {

// How the lines of one grid interval are folded into a value: 0 to 5 are
// the buttons of `RadioGroup_methode_ItemIndex`; Sum is only given to
// columns of their own (`Edit_methode_par_colonne.text`).
enum class Method {
  Mean = 0,          // "moyenne des n mesures OK"
  Last = 1,          // "ponctuel = dernière mesure OK"
  Max = 2,           // "max des n  mesures OK "
  Min = 3,           // "min des n  mesures OK "
  MeanFillGaps = 4,  // "moy ET si vide = prec+suiv /2"
  Cumul = 5,         // "cumul": the interval's sum, carried down the rows
  Sum = 6,           // "somme": the interval's sum alone
};

}  // namespace talve
