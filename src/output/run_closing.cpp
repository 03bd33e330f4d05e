// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/run_closing.h"

#include <algorithm>
#include <cmath>

#include "core/workspace.h"
#include "engine/aggregation.h"
#include "engine/period_values.h"
#include "output/processing_report.h"
#include "text/text_utils.h"

namespace talve {
namespace {

std::string station_part(const std::string& station) {
  return station.empty() ? std::string() : " station( " + station + " )";
}

// What follows "3- TRAITEMENT EFFECTUÉ  (méthode : ...)" in the log.
std::string log_options(const RunClosing& run) {
  std::string text = station_part(run.station);
  text += "  " + date_test_caption(run.date_test);
  if (run.post_processing)
    text += " avec POSTtraitement des " + std::to_string(run.grid_count) + " données extraites";
  if (run.forced_growth) text += " + avec cumul croissant forcé";
  if (run.day_correction) text += "  correction + 1 j SI t1>t2 ";
  if (run.second_correction) text += "  correction +1s SI t1=t2  ";
  return text;
}

// The same for the summary box, built from another station.
std::string summary_options(const RunClosing& run, const std::string& station) {
  std::string text = station_part(station);
  if (run.post_processing) text += " avec POSTtraitement des données extraites";
  if (run.delta || run.derivative) text += difference_caption(run.delta);
  return text;
}

std::string title_line(const RunClosing& run) {
  return std::string(run.stopped ? "3- TRAITEMENT STOPPÉ  (méthode : "
                                 : "3- TRAITEMENT EFFECTUÉ  (méthode : ") +
         run.method_caption + ")";
}

// How far a stopped run went.
std::string stopped_line(const RunClosing& run) {
  return "     arrêté par « stop » au fichier " + std::to_string(run.files_read) + " sur " +
         std::to_string(run.files_total) + " : " + std::to_string(run.rows_with_data) +
         " lignes de résultat sur " + std::to_string(std::max(0, run.grid_count - 1)) +
         " ont reçu des mesures";
}

std::string columns_line(const RunClosing& run) {
  return "     " + run.results_caption + " lignes     x     " + std::to_string(run.column_count) +
         " colonnes attendues";
}

}  // namespace

std::string offset_text(bool negative, int days, TDateTime time) {
  return std::string(negative ? "-" : "+") + " " + std::to_string(days) + " j " + format_time(time);
}

std::string drift_sign_and_time(TDateTime drift) {
  return std::string(drift >= 0 ? "+" : "-") + format_time(std::fabs(drift));
}

RunClosing RunClosing::read(const Workspace& ws) {
  const DataDescription& d = ws.description;
  RunClosing run;
  run.method_caption = talve::method_caption(method_from_choice(d.choice("RadioGroup_methode_ItemIndex")));
  run.date_test = ws.period.date_test;
  run.post_processing = d.checked("CheckBox_post_traitement.Checked");
  run.forced_growth = d.checked("CheckBox_cumul_corriger.Checked");
  run.day_correction = d.checked("CheckBox_correction_si_t1supt2.Checked");
  run.second_correction = d.checked("CheckBox_correction_si_t1egalt2.Checked");
  run.delta = d.checked("CheckBox_delta_Y.Checked");
  run.derivative = d.checked("CheckBox_derivees.Checked");
  run.drift_active = d.checked("CheckBox_derive_active.Checked");
  run.drift_wrong = d.time("TimePicker_derive_erronee");
  run.drift_real = d.time("TimePicker_derive_reelle");
  run.offset_active = d.checked("CheckBox_decalage_actif.Checked");
  run.offset_negative = d.checked("RadioButton_decalage_negatif.Checked");
  run.offset_days = ws.offset_days;
  run.offset_time = d.time("TimePicker_decalage");
  run.lines_caption = ws.caption("Label_nlig_impliquee");
  run.results_caption = ws.caption("Label_nr_final");
  run.inverted_dates = ws.dates.inverted_total();
  run.step_text = step_description(ws.period);
  return run;
}

std::vector<std::string> closing_lines(const RunClosing& run, const WrittenFiles& files,
                                       const std::vector<std::string>& statistics) {
  std::vector<std::string> lines;
  lines.emplace_back("");
  lines.push_back(title_line(run) + log_options(run));
  if (run.stopped) lines.push_back(stopped_line(run));
  const TDateTime drift = run.drift_real - run.drift_wrong;
  if (run.drift_active && drift != 0) {
    lines.emplace_back("  La dérive des dates de mesure n'est pas nulle");
    lines.push_back("   " + format_time(run.drift_wrong) + " => " + format_time(run.drift_real) +
                    "  dérive = " + drift_sign_and_time(drift));
  }
  if (run.offset_active) {
    lines.emplace_back(" Le décalage des dates de mesure n'est pas nul");
    lines.push_back("   " + offset_text(run.offset_negative, run.offset_days, run.offset_time));
  }
  lines.push_back("     " + run.lines_caption);
  lines.push_back(columns_line(run));
  if (run.inverted_dates > 0) {
    lines.push_back(" ----------------------->  nombre de dates inversées : " +
                    std::to_string(run.inverted_dates));
    lines.emplace_back("");
  }
  lines.insert(lines.end(), statistics.begin(), statistics.end());
  lines.push_back("  Données horodatée régulières extraites et enregistrées dans    " + files.result_name);
  lines.push_back("  ainsi que dans le presse-papier au pas de " + run.step_text);
  lines.push_back("  La fenêtre de suivi dans   " + files.report_name + " du répertoire : ");
  lines.push_back("   " + files.output_folder);
  lines.push_back("  durée totale = " + duree_texte(files.total_duration));
  return lines;
}

std::string summary_message(const RunClosing& run, const WrittenFiles& files,
                            const std::string& station_row2) {
  const std::string s = summary_options(run, station_row2);
  const std::string stopped = run.stopped ? "\n\n" + stopped_line(run) : std::string();
  return title_line(run) + s + stopped + "\n\n" + "     " + run.lines_caption + "\n\n" + columns_line(run) +
         "\n\n" + s + "\n\n" + files.result_name +
         " <- Données horodatée régulières ( copiées dans le presse-papier )" + "\n\n" + files.report_name +
         " <- fenêtre de suivi dans le répertoire : " + files.output_folder + "\n\n" +
         "    (le fichier de description est également enregistré), durée totale = " +
         duree_texte(files.total_duration);
}

}  // namespace talve
