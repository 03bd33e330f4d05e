// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/result_table_limit.h"

#include <string>

#include "session/session.h"
#include "text/text_utils.h"

namespace talve {

bool result_table_fits(Session& s, long long grid_count, long long data_columns) {
  const long long rows = grid_count + 3;
  const long long columns = data_columns + 5;
  if (data_columns <= kMaxDataColumns && rows <= kMaxResultCells / columns) return true;
  // The rows of the result: the grid's first instant only bounds the first
  // interval.
  const std::string size =
      format_grouped(grid_count - 1) + " lignes x " + format_grouped(data_columns) + " colonnes de données";
  s.run.failure = "le tableau des résultats serait trop grand (" + size + ")";
  s.ajout_suivi("");
  s.ajout_suivi(" !!! tableau des résultats trop grand : " + size);
  s.ui().ask(MessageType::Error, kOkButton,
             " Le tableau des résultats serait trop grand :\n\n " + size +
                 "\n\n => réduire la période ou allonger le pas de temps,\n"
                 "    vérifier le séparateur de colonne et la ligne des intitulés\n"
                 "    (un fichier sans fin de ligne ou binaire donne des millions de colonnes)");
  return false;
}

}  // namespace talve
