// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/setting_checks.h"

#include <string_view>

#include "core/column_methods.h"
#include "core/data_description.h"
#include "core/entry_rules.h"
#include "core/settings_table.h"
#include "core/workspace.h"
#include "engine/derived_series.h"
#include "engine/result_format.h"
#include "text/date_columns.h"
#include "text/text_utils.h"

namespace talve {
namespace {

// Choices the run reads whose value outside their buttons it takes as the
// first button.
constexpr std::string_view kChoices[] = {
    "RadioGroup_methode_ItemIndex",
    "RadioGroup_datetime_nb_col_ItemIndex",
    "RadioGroup_separateur_sortie_ItemIndex",
    "RadioGroup_DECIMAL_SEPARATOR_sortie_ItemIndex",
};

void check_choice(const DataDescription& d, std::string_view key, std::vector<UnusableSetting>& out) {
  const auto captions = choice_captions(key);
  const int choice = d.choice(key);
  if (choice >= 0 && choice < static_cast<int>(captions.size())) return;
  out.push_back({std::string(key), d.text(key), "0 à " + std::to_string(captions.size() - 1),
                 "0 (" + std::string(captions[0]) + ")"});
}

// A bound of the missing values that does not read as a number is read as
// 0, which turns every value on one side of 0 into a missing one.
void check_bound(const DataDescription& d, std::string_view key, std::vector<UnusableSetting>& out) {
  const std::string& text = d.text(key);
  if (text.empty()) return;
  std::string number = trim(text);
  remplacer_car(',', '.', number);
  double value = 0;
  if (read_real(number, value)) return;
  out.push_back({std::string(key), text, "un nombre, ou rien pour aucune borne", "0"});
}

}  // namespace

std::vector<UnusableSetting> unusable_run_settings(const DataDescription& d) {
  std::vector<UnusableSetting> out;
  const std::string& decimals = d.text("Edit_nb_decimale.text");
  if (!decimals_text_usable(decimals)) {
    out.push_back({"Edit_nb_decimale.text", decimals, "0 à " + std::to_string(kMaxOutputDecimals),
                   std::to_string(decimals_from_text(decimals))});
  }
  for (std::string_view key : kChoices) check_choice(d, key, out);
  check_bound(d, "Edit_min_na.text", out);
  check_bound(d, "Edit_max_na.text", out);
  const std::string& columns = d.text("Edit_num_col_datetime.text");
  if (d.choice("RadioGroup_datetime_nb_col_ItemIndex") != 1 && !read_date_columns(columns)) {
    out.push_back({"Edit_num_col_datetime.text", columns,
                   "un n° de colonne, ou plusieurs joints par \"+\" : 2+3+4", "0 (aucune date)"});
  }
  const std::string& max_gap = d.text("Edit_nmax_lacune.text");
  if (d.checked("CheckBox_post_traitement.Checked") && !max_gap_from_text(max_gap)) {
    out.push_back(
        {"Edit_nmax_lacune.text", max_gap, "un entier positif ou nul", std::to_string(kDefaultMaxGap)});
  }
  const std::string& own_methods = d.text("Edit_methode_par_colonne.text");
  if (const std::string problem = column_methods_problem(d); !problem.empty())
    out.push_back({"Edit_methode_par_colonne.text", own_methods, problem,
                   "aucune : la méthode choisie pour toutes les colonnes"});
  const std::string& min_share = d.text("Edit_taux_min.text");
  if (!min_share_from_text(min_share))
    out.push_back({"Edit_taux_min.text", min_share, "un pourcentage entier de 0 à 100", "0 (aucun minimum)"});
  return out;
}

void warn_unusable_settings(Workspace& ws) {
  const std::vector<UnusableSetting> settings = unusable_run_settings(ws.description);
  if (settings.empty()) return;
  std::string text = " Réglages hors des valeurs possibles, remplacés pour ce traitement :\n\n";
  for (const UnusableSetting& s : settings) {
    text += "   " + s.key + " = <" + s.value + ">  (" + s.allowed +
            ")\n       => valeur utilisée : " + s.used + "\n";
    ws.ajout_suivi(" !!! " + s.key + " = <" + s.value + "> hors des valeurs possibles (" + s.allowed +
                   "), valeur utilisée : " + s.used);
  }
  ws.ui().ask(MessageType::Warning, kOkButton, text);
}

}  // namespace talve
