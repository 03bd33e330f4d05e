// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/pending_links.h"

#include "session/session.h"

namespace talve {

void save_period_file(Session&) {}

void reread_clipboard_file(Session&) {}

void clear_checked_files(Session&) {}

void refresh_listing_button(Session& session) {
  const std::string& mask = session.description.text("Edit_masque.text");
  std::string caption;
  switch (session.flags.input_mode) {
    case InputMode::Spreadsheet:
      caption = "1- Valider le fichier " + mask;
      break;
    case InputMode::Clipboard:
      caption = "1- Valider le presse-papier";
      break;
    case InputMode::Files:
      caption = "1- Valider et Lister les fichiers   " + mask;
      break;
  }
  session.set_caption("SpeedButton_lister", caption);
}

}  // namespace talve
