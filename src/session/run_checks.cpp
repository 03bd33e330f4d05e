// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/run_checks.h"

#include "engine/aggregation.h"
#include "output/run_closing.h"
#include "session/session.h"
#include "text/text_utils.h"

namespace talve {
namespace {

constexpr int kLargeGrid = 32000;
constexpr std::string_view kGoOn = "\n\n   continuer ? ";

[[nodiscard]] bool confirmed(Session& s, MessageType type, const std::string& question) {
  return s.ui().ask(type, kYesNo, question) == Answer::Yes;
}

[[nodiscard]] bool offset_accepted(Session& s) {
  const DataDescription& d = s.description;
  if (!d.checked("CheckBox_decalage_actif.Checked")) return true;
  const TDateTime time = d.time("TimePicker_decalage");
  if (s.offset_days == 0 && whole_seconds(time) == 0) return true;
  const std::string offset =
      offset_text(d.checked("RadioButton_decalage_negatif.Checked"), s.offset_days, time);
  return confirmed(s, MessageType::Confirmation,
                   "Le décalage des dates de mesure n'est pas nul\n\n   " + offset + std::string(kGoOn));
}

[[nodiscard]] bool drift_accepted(Session& s) {
  const DataDescription& d = s.description;
  if (!d.checked("CheckBox_derive_active.Checked")) return true;
  const TDateTime real = d.time("TimePicker_derive_reelle");
  const TDateTime wrong = d.time("TimePicker_derive_erronee");
  if (whole_seconds(real) == whole_seconds(wrong)) return true;
  return confirmed(s, MessageType::Confirmation,
                   "La dérive des dates de mesure n'est pas nulle\n\n   " + format_time(wrong) + " => " +
                       format_time(real) + " dérive = " + drift_sign_and_time(real - wrong) +
                       std::string(kGoOn));
}

// Cumulative values only grow through a maximum; asks whether to go back
// and choose that method.
[[nodiscard]] bool cumul_method_accepted(Session& s) {
  const DataDescription& d = s.description;
  if (!d.checked("CheckBox_cumul_corriger.Checked")) return true;
  if (method_from_choice(d.choice("RadioGroup_methode_ItemIndex")) == Method::Max) return true;
  const std::string question =
      " Il faudrait choisir l'option <max des n  mesures OK > \n pour bien traiter une valeur croissante "
      "(cumuls)\n\n   annuler pour modifier ? ";
  return !confirmed(s, MessageType::Confirmation, question);
}

}  // namespace

bool run_checks_passed(Session& s) {
  if (s.file_table.file_row_count() < 1) {
    s.ui().message(" Il faut d'abord Lister des fichiers de données...");
    return false;
  }
  if (s.grid.count() > kLargeGrid &&
      !confirmed(s, MessageType::Warning,
                 "\n\nLe nombre de lignes à générer est supérieur à 32000     .\n\n   continuer ? "))
    return false;
  return offset_accepted(s) && drift_accepted(s) && cumul_method_accepted(s);
}

}  // namespace talve
