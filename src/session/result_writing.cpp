// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/result_writing.h"

#include <algorithm>
#include <utility>

#include "core/interruption.h"
#include "core/program_folder.h"
#include "core/replace_file.h"
#include "output/processing_report.h"
#include "output/run_closing.h"
#include "output/text_file_output.h"
#include "output/value_statistics.h"
#include "session/button_colours.h"
#include "session/description_actions.h"
#include "session/progress_display.h"
#include "session/result_destination.h"
#include "session/session.h"
#include "text/encoding.h"
#include "text/text_utils.h"

namespace talve {
namespace {

constexpr std::string_view kNoResultYet = "*.txt";

std::string file_name_of(const std::string& path) { return path.substr(path.rfind('/') + 1); }
std::string folder_of_path(const std::string& path) { return path.substr(0, path.rfind('/') + 1); }

bool clipboard_input(const Session& s) { return s.flags.input_mode == InputMode::Clipboard; }

void end_of_writing(Session& s) {
  s.set_visible("Label_patienter", false);
  set_traiter_colour(s, ButtonColour::Blue);
}

void report_failure(Session& s, const std::string& what, const std::string& path, const std::string& reason,
                    const std::string& advice = {}) {
  s.run.failure = "le " + what + " " + path + " n'a pas pu être écrit : " + reason;
  s.ui().ask(MessageType::Error, kOkButton,
             " Le " + what + " n'a pas pu être écrit :\n\n" + path + "\n\n " + reason + advice);
}

// The result list in its file and, with a window, in the result view and on
// the clipboard.
[[nodiscard]] bool save_result_file(Session& s, const std::string& path) {
  std::string reason;
  if (!write_joined_text(path, s.result_list.text(), reason, true)) {
    // Interrupted: the program is ending, nobody is there to read a box.
    if (interruption_requested()) {
      s.run.failure = "le traitement a été interrompu avant que le fichier résultat soit écrit";
      return false;
    }
    report_failure(s, "fichier résultat", path, reason,
                   "\n\n Les données calculées sont conservées : choisir un autre répertoire de sortie\n"
                   " puis les enregistrer avec \"sauver ->\".");
    return false;
  }
  if (!s.run.result_view) return true;
  // The result view keeps a text of its own: the list stays for "sauver ->".
  std::string text(s.result_list.text());
  if (!clipboard_input(s)) s.ui().set_clipboard_text(text);
  s.set_caption("RichEdit3", std::move(text));
  s.set_visible("RichEdit3", true);
  return true;
}

// A program killed while it wrote into the folder left its temporary file
// there: it goes, and the log says so.
void remove_temporaries_left_behind(Session& s, const std::string& folder) {
  for (const std::string& name : remove_abandoned_temporaries(file_system_path(folder)))
    s.ajout_suivi("  fichier temporaire abandonné supprimé : " + folder + name_as_text(name));
}

std::vector<std::string> statistics(const Session& s) {
  StatisticsInput input;
  input.table = &s.results;
  // Every line of the result list below its title row.
  input.written_rows = std::max(static_cast<int>(s.result_list.size()) - 1, 0);
  input.line_total = s.results.line_total;
  input.min_na = s.description.text("Edit_min_na.text");
  input.max_na = s.description.text("Edit_max_na.text");
  return statistics_lines(input);
}

// The result rows, instant 1 on, that received at least one measurement.
int rows_with_data(const ResultTable& table) {
  int rows = 0;
  if (table.map.empty()) return 0;
  for (int row = 2; row <= table.grid_count; ++row)
    if (table.nb(row) != 0) ++rows;
  return rows;
}

// What the end of this run tells, a stop included.
RunClosing closing_of(Session& s) {
  RunClosing closing = RunClosing::read(s);
  closing.grid_count = s.results.grid_count;
  closing.column_count = s.results.map.count;
  closing.stopped = s.flags.stop;
  closing.files_read = s.run.files_done;
  closing.files_total = s.run.files_total;
  closing.rows_with_data = rows_with_data(s.results);
  return closing;
}

// The closing lines into the log, then the report file with the whole log;
// two last lines go to the log only. False when the report could not be
// written.
[[nodiscard]] bool write_report(Session& s, const ResultDestination& destination, const WrittenFiles& files,
                                const std::string& report_path) {
  RunClosing closing = closing_of(s);
  closing.station = s.run.station;
  for (const std::string& line : closing_lines(closing, files, statistics(s))) s.ajout_suivi(line);

  ReportHeader header = ReportHeader::read(s, destination.pattern_line, s.results.grid_count);
  header.column_methods = column_method_lines(s.results.map);
  std::string reason;
  const bool written =
      write_text_lines(report_path, report_file_lines(header, s.file_table, s.log.lines()), reason);
  s.ajout_suivi("");
  const TDateTime now_value = now();
  s.ajout_suivi(format_time(now_value) + "  durée totale " + format_time(now_value - s.run.started_at));
  if (!written) report_failure(s, "fichier de suivi", report_path, reason);
  return written;
}

// The summary box, unless the computer is to shut down after the run.
void sum_up(Session& s, const WrittenFiles& files) {
  if (s.shutdown_after_run) return;
  const RunClosing closing = closing_of(s);
  // The station shown is the one of the second listed file.
  const std::string station = s.file_table.row_count() > 2 ? s.file_table.lire_case(2, "Station") : "";
  s.ui().message(summary_message(closing, files, station));
}

WriteOutcome write_run_results(Session& s) {
  keep_results_out_of_data_folder(s);
  const ResultDestination destination = choose_result_destination(s);
  RunState& run = s.run;
  run.results_pending = true;
  run.result_name = file_name_of(destination.path);
  s.set_caption("Label21", run.result_name);
  s.ajout_suivi(" => " + run.result_name);
  remove_temporaries_left_behind(s, folder_of_path(destination.path));
  if (!save_result_file(s, destination.path)) return WriteOutcome::Failed;
  // Megabytes written and copied: the window answers before the report.
  s.ui().process_events();
  run.results_pending = false;
  run.result_written = true;
  run.result_path = destination.path;
  // The report's path is kept only once the report is there: it is then
  // named as written and opened by "fichier de suivi".
  run.report_path.clear();
  const std::string report_path = destination.path + ".TXT";

  WrittenFiles files;
  files.result_name = run.result_name;
  files.report_name = file_name_of(report_path);
  files.output_folder = folder_of_path(destination.path);
  files.total_duration = total_duration(run);
  const bool report_written = write_report(s, destination, files, report_path);
  if (report_written) run.report_path = report_path;
  // A description that cannot be written has said so; the results are.
  if (s.description.modified() && !run.keep_settings_files) static_cast<void>(write_description(s));

  s.set_caption("Label6", durations_text(run));
  s.set_caption("Label10", "reste 00:00:00    0 Mo");
  end_of_writing(s);
  if (!report_written) return WriteOutcome::ReportFailed;
  sum_up(s, files);
  return WriteOutcome::Written;
}

void open_if_written(Session& s, const std::string& path) {
  if (s.run.result_name == kNoResultYet || path.empty()) return;
  s.ui().open_in_editor(path, s.description.text("Edit_name_prog_blocnote.text"));
}

}  // namespace

WriteOutcome write_results(Session& s) {
  s.set_caption("Label_patienter", "3- patienter ...enregistrement   ");
  s.set_visible("Label_patienter", true);
  if (s.flags.running || s.run.results_pending) {
    const WriteOutcome outcome = write_run_results(s);
    if (outcome == WriteOutcome::Failed) end_of_writing(s);
    return outcome;
  }
  if (!s.run.keep_settings_files) save_before_leaving(s);
  s.set_visible("Label_patienter", false);
  return WriteOutcome::DescriptionOnly;
}

void sauver_click(Session& s) {
  if (s.busy()) return;
  if (s.file_table.file_row_count() < 1) {
    s.ui().message(" pas de données à enregistrer...");
    return;
  }
  // A failed writing has shown its error: no success follows it.
  const WriteOutcome outcome = write_results(s);
  if (outcome == WriteOutcome::Failed) return;
  // No run left data waiting: only the description was saved, which the
  // user is told rather than pointed at an older result.
  if (outcome == WriteOutcome::DescriptionOnly) {
    std::string told = " aucune donnée extraite en attente d'enregistrement";
    if (s.description.is_current())
      told += "\n\n seule la description a été enregistrée dans \n" + s.description.file_path();
    s.ui().message(told);
    return;
  }
  // The report names where the data went; when it could not be written,
  // the result file does.
  const std::string& written = s.run.report_path.empty() ? s.run.result_path : s.run.report_path;
  if (written.empty()) {
    s.ui().message(" pas de données à enregistrer...");
    return;
  }
  s.ui().message(" Données extraites enregistrées dans \n" + written);
}

void sans_coldate_click(Session& s) {
  if (s.values_only_list.empty()) return;
  // A working file of the program's own folder, whose path is the file
  // system's already; the clipboard and the view do not depend on it.
  const std::string working_file = program_file("~tmp.txt");
  std::string reason;
  if (!replace_file(working_file, s.values_only_list.text(), &reason))
    s.ui().ask(
        MessageType::Error, kOkButton,
        " Le fichier de travail n'a pas pu être écrit :\n\n" + name_as_text(working_file) + "\n\n " + reason);
  s.set_caption("RichEdit4", std::string(s.values_only_list.text()));
  if (!clipboard_input(s)) s.ui().set_clipboard_text(s.caption("RichEdit4"));
  s.set_visible("RichEdit3", false);
  s.set_visible("RichEdit4", true);
  s.ui().message(
      " les colonnes sans la date ni le nombre de lignes extraites\n\n sont copiées dans le presse-papier");
}

void editer_click(Session& s) { open_if_written(s, s.run.result_path); }
void fichier_suivi_click(Session& s) { open_if_written(s, s.run.report_path); }
void memo3_double_click(Session& s) { open_if_written(s, s.run.result_path); }

bool result_button_live(const Session& s, std::string_view button) {
  if (button == "SpeedButton_edit") return s.run.result_name != kNoResultYet && !s.run.result_path.empty();
  if (button == "SpeedButton_suivi") return s.run.result_name != kNoResultYet && !s.run.report_path.empty();
  if (button == "SpeedButton_sans_coldate") return !s.values_only_list.empty();
  if (button == "SpeedButton_graphique") return s.run.chart_enabled;
  return true;
}

void fichiers_sortie_click(Session& s) {
  const DataDescription& description = s.description;
  FileDialogRequest request;
  request.title = "fichiers de sortie : " + description.text("dossier_choisi_sortie");
  request.initial_folder = description.text("dossier_choisi_sortie");
  request.filter = "Fichiers texte (*.txt)|*.txt|Tous les fichiers (*.*)|*.*";
  request.must_exist = true;
  if (const auto path = s.ui().open_file(request))
    s.ui().open_in_editor(*path, description.text("Edit_name_prog_blocnote.text"));
}

void effacer_suivi_click(Session& s) {
  if (s.ui().ask(MessageType::Warning, kYesNo, " Effacer le texte ? ") == Answer::Yes) s.log.clear();
}

}  // namespace talve
