// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/pending_links.h"

#include "core/period_file.h"
#include "inputs/clipboard_reading.h"
#include "session/own_files.h"
#include "session/session.h"
#include "text/encoding.h"

namespace talve {

void save_period_file(Session& session) {
  // The period stays marked changed: the next saving tries again.
  if (!write_period_file(session))
    tell_own_file_unwritten(
        session, " le fichier de la période n'a pas pu être écrit : " + name_as_text(period_file_path()));
}

void reread_clipboard_file(Session& session) { static_cast<void>(read_clipboard(session)); }

void clear_checked_files(Session& session) {
  session.table_state.checked_files.clear();
  session.table_state.first_checked_row = 1;
}

}  // namespace talve
