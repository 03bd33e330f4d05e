// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/memory_shortage.h"

#include "session/session.h"

namespace talve {

void report_memory_shortage(Session& s) {
  // The table of the results is what grows with the period: releasing it
  // gives back most of what the task held.
  s.results = ResultTable();
  s.result_list = TextRows();
  s.values_only_list = TextRows();
  s.run.failure = kMemoryShortage;
  s.ajout_suivi("");
  s.ajout_suivi(" !!! " + kMemoryShortage);
  s.ui().ask(MessageType::Error, kOkButton,
             " Mémoire insuffisante : le traitement est arrêté.\n\n"
             " => réduire la période ou allonger le pas de temps,\n"
             "    garder moins de colonnes, ou fermer d'autres programmes");
}

}  // namespace talve
