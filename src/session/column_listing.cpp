// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/column_listing.h"

#include <string>

#include "engine/column_mapping.h"
#include "session/session.h"

namespace talve {

void lister_colonnes_click(Session& session) {
  int data_columns = 0;
  std::string title_line;
  for (int row = 1; row < session.file_table.row_count(); ++row) {
    if (const PreReadFacts* facts = session.file_table.facts(row)) {
      data_columns = facts->measurement_columns;
      title_line = facts->titles_tab;
      break;
    }
  }
  lister_colonnes(session, data_columns, title_line);
}

}  // namespace talve
