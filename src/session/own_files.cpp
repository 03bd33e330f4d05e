// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/own_files.h"

#include "core/program_folder.h"
#include "session/session.h"
#include "text/encoding.h"

namespace talve {

void tell_own_file_unwritten(Session& session, const std::string& line) {
  session.ajout_suivi(line);
  if (session.own_file_failure_told) return;
  session.own_file_failure_told = true;
  session.ui().ask(MessageType::Warning, kOkButton,
                   line + "\n\n Le dossier des fichiers du programme (" + name_as_text(program_folder()) +
                       ") n'accepte pas d'écriture : la période, la dernière description utilisée et les "
                       "répertoires récents ne seront pas retrouvés au prochain démarrage." +
                       "\n\n (message affiché une seule fois)");
}

}  // namespace talve
