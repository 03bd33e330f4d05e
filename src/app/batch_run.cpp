// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batch_run.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <new>
#include <ostream>

#include "app/batch_keys.h"
#include "app/batch_options.h"
#include "app/batch_period.h"
#include "app/batch_progress.h"
#include "app/batch_sample_description.h"
#include "app/batch_signals.h"
#include "app/console_interface.h"
#include "core/description_file.h"
#include "core/entry_rules.h"
#include "core/folder_paths.h"
#include "core/interruption.h"
#include "core/size_limits.h"
#include "core/small_file.h"
#include "engine/count_preview.h"
#include "engine/grid_build.h"
#include "engine/grid_target.h"
#include "engine/period_values.h"
#include "session/description_actions.h"
#include "session/listing.h"
#include "session/listing_sources.h"
#include "session/memory_shortage.h"
#include "session/processing_run.h"
#include "session/session.h"
#include "text/date_pattern.h"
#include "text/date_pattern_fields.h"
#include "text/encoding.h"
#include "text/system_error.h"
#include "text/text_utils.h"

namespace talve {
namespace {

namespace fs = std::filesystem;

std::string absolute_folder(const std::string& folder) { return chemin_avec_barre(absolute_path(folder)); }

// Reads the description file; false, with the reason, when it cannot be.
[[nodiscard]] bool read_batch_description(Session& s, const std::string& path, ConsoleInterface& ui,
                                          std::string& reason) {
  const SmallFile file = read_small_file(file_system_path(path));
  if (file.state == SmallFileState::Missing) {
    reason = "fichier de description introuvable : " + path;
    return false;
  }
  if (file.state != SmallFileState::Read) {
    reason = "le fichier de description " + path + " n'a pas pu être lu : " + small_file_problem(file);
    return false;
  }
  const std::string& bytes = file.bytes;
  if (description_in_utf8(bytes)) ui.note(utf8_description_note(path));
  const std::string folder = folder_of(path);
  DataDescription& d = s.description;
  d.assign("dossier_description", folder);
  d.set_file_name(fs::path(path).filename().string());
  if (read_description(s) != ReadOutcome::Read) {
    const auto stop = unreadable_value(bytes);
    reason = "le fichier de description " + path + " n'a pas pu être lu" +
             (stop ? " : " + unreadable_value_text(*stop) : std::string());
    return false;
  }
  // The file names its own folder as it was when written: it lies here.
  d.assign("dossier_description", folder);
  // A pattern without a date would date every line alike: one row of
  // nothing, which no run should write.
  const std::string pattern = date_pattern_in_force(d);
  if (!pattern_reads_a_date(pattern)) {
    reason = "le fichier de description " + path + " est refusé : " + pattern_without_date_text(pattern);
    return false;
  }
  return true;
}

void apply_folders(Session& s, const BatchOptions& options) {
  DataDescription& d = s.description;
  if (options.data_dir) d.assign("dossier_choisi", absolute_folder(*options.data_dir));
  if (options.output_dir) d.assign("dossier_choisi_sortie", absolute_folder(*options.output_dir));
  // Every listed file is pre-read and processed; one that does not fit the
  // description is left out (and named) rather than stopping the listing.
  d.assign("CheckBox_prelire_tous.Checked", "true");
  s.table_state.leave_out_refused_files = true;
  s.table_state.checked_files.clear();
  s.table_state.first_checked_row = 1;
}

// The output folder takes the result and its report: checked before any
// file is read, so that a run is not made for nothing.
[[nodiscard]] bool output_folder_writable(const std::string& folder, std::string& reason) {
  const std::string named = "le répertoire de sortie " + folder;
  if (folder.empty()) {
    reason = "le répertoire de sortie n'est pas donné (dossier_choisi_sortie, ou --output-dir)";
    return false;
  }
  // Without its final "/", a file named as the folder is told as a file.
  const std::string path = file_system_path(
      folder.size() > 1 && folder.back() == '/' ? folder.substr(0, folder.size() - 1) : folder);
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) {
    reason =
        errno == ENOENT ? named + " n'existe pas" : named + " est inaccessible : " + system_error_text(errno);
    return false;
  }
  if (!S_ISDIR(status.st_mode)) {
    reason = named + " désigne un fichier, pas un répertoire";
    return false;
  }
  if (::access(path.c_str(), W_OK | X_OK) != 0) {
    reason = named + " n'accepte pas d'écriture : " + system_error_text(errno);
    return false;
  }
  return true;
}

// Step 1; false, with the reason, when nothing can follow.
[[nodiscard]] bool list_files(Session& s, ConsoleInterface& ui, std::string& reason) {
  // A workbook is read again at each run: a converted sheet left by an
  // earlier session may come from another workbook.
  if (s.flags.input_mode == InputMode::Spreadsheet && !convert_workbook_for_listing(s)) {
    reason = "le classeur " + s.description.text("Label_nom_fic_excel.caption") + " n'a pas pu être lu";
    return false;
  }
  const ListingResult listed = lister_tableau(s);
  for (const std::string& path : s.table_state.left_out_files) ui.note("fichier écarté : " + path);
  if (listed != ListingResult::completed || s.file_table.file_row_count() < 1) {
    reason =
        s.run.failure == kMemoryShortage
            ? kMemoryShortage
            : "la liste des fichiers de " + s.description.text("dossier_choisi") + " n'a pas pu être faite";
    return false;
  }
  return true;
}

// The file table as the report writes it, one line per row.
void write_file_table(const Session& s, std::ostream& out) {
  for (const auto& row : s.file_table.rows()) {
    std::string line;
    for (const std::string& cell : row) line += " \t" + cell;
    out << cp1252_to_utf8(line) << '\n';
  }
  out << std::flush;
}

// A listed file whose first or last date does not read is left out of the
// bound of the default period that date would give: the user is told which
// file, since its data may then fall outside the period.
void tell_dates_left_out(const Session& s, const BatchPeriod& period, int row, const PreReadFacts& facts,
                         ConsoleInterface& ui) {
  const bool start = period.start_origin == BoundOrigin::Data && facts.first == 0;
  const bool end = period.end_origin == BoundOrigin::Data && facts.last == 0;
  if (!start && !end) return;
  const std::string told = start && end
                               ? "ses première et dernière dates ne se lisent pas, la période par défaut"
                           : start ? "sa première date ne se lit pas, le début de la période par défaut"
                                   : "sa dernière date ne se lit pas, la fin de la période par défaut";
  ui.note("fichier " + name_as_text(row_file_path(s, row)) + " : " + told + " n'en tient pas compte");
}

// The earliest "date dep" and the latest "date fin" of the listed files.
[[nodiscard]] bool data_period(Session& s, BatchPeriod& period, ConsoleInterface& ui, std::string& reason) {
  TDateTime earliest = 0;
  TDateTime latest = 0;
  for (int row = 1; row <= s.file_table.file_row_count(); ++row) {
    const PreReadFacts* facts = s.file_table.facts(row);
    if (facts == nullptr) continue;
    tell_dates_left_out(s, period, row, *facts, ui);
    if (facts->first != 0) earliest = earliest == 0 ? facts->first : std::min(earliest, facts->first);
    if (facts->last != 0) latest = latest == 0 ? facts->last : std::max(latest, facts->last);
  }
  if (!bounds_from_data(period, earliest, latest, reason)) return false;
  s.period = period.period;
  return true;
}

// Why the grid could not be made, from the period itself: the boxes above
// have told the details.
std::string grid_failure(Session& s, GridOutcome outcome) {
  const Period& p = s.period;
  const std::string failed = "la liste horodatée n'a pas pu être créée : ";
  const TDateTime start = period_start(s);
  const TDateTime end = period_end(s);
  if (end < start)
    return failed + "la fin de la période (" + p.end_caption + ") est antérieure à son début (" +
           p.start_caption + ")";
  if (outcome == GridOutcome::Failed)
    return failed + "un instant de la liste n'est pas une date du calendrier (jour " +
           p.start_caption.substr(0, 2) + " absent d'un mois)";
  const std::int64_t step = step_seconds(p);
  const std::int64_t estimate = count_estimate(instant_seconds(end) - (instant_seconds(start) - step), step);
  if (estimate > kMaxGridInstants)
    return failed + "la période du " + p.start_caption + " au " + p.end_caption + " compte " +
           format_grouped(estimate) + " instants au pas de " + step_description(p) +
           ", plus que la limite de " + format_grouped(kMaxGridInstants);
  return failed + "la période du " + p.start_caption + " au " + p.end_caption + " n'en donne aucun instant";
}

[[nodiscard]] bool build_grid(Session& s, std::string& reason) {
  GridTarget target{s, s.grid, s.result_list, 0.0};
  const GridOutcome built = create_grid(target).outcome;
  if (built != GridOutcome::Built || s.grid.count() < 2) {
    reason = built == GridOutcome::OutOfMemory ? kMemoryShortage : grid_failure(s, built);
    return false;
  }
  return true;
}

// The lines written on standard output reached it: the result's path is
// its last line, which a full disk or a closed pipe would lose. Otherwise
// the error stream says so and the run ends with status 1.
[[nodiscard]] int output_status(std::ostream& out, ConsoleInterface& ui, int status) {
  errno = 0;
  out.flush();
  if (out.good()) return status;
  const int error = errno;
  ui.note("la sortie standard n'a pas pu être écrite" +
          (error != 0 ? " (" + system_error_text(error) + ")" : std::string()) +
          " : les chemins des fichiers écrits n'y sont pas");
  return kBatchNoResult;
}

int fail(ConsoleInterface& ui, const std::string& reason) {
  ui.note("aucun fichier résultat : " + reason);
  return kBatchNoResult;
}

// Nothing was written after the interruption: the previous result stays.
int interrupted(ConsoleInterface& ui) {
  ui.note("traitement interrompu : aucun fichier résultat n'est écrit, un résultat précédent reste tel quel");
  return interrupted_exit_status();
}

// Steps 1 to 3 and the writing, as run_batch says.
int run_batch_steps(const BatchOptions& options, std::ostream& out, std::ostream& errors,
                    ConsoleInterface& ui, BatchProgress& progress) {
  Session session(ui);
  ui.set_file_in_hand(&session.table_state.file_in_hand);
  ui.set_stop_flag(&session.flags.stop);
  progress.watch(&session);
  session.run.keep_settings_files = true;
  session.run.result_view = false;

  std::string reason;
  if (!read_batch_description(session, absolute_path(options.description_path), ui, reason))
    return fail(ui, reason);
  auto period = batch_period(options, session.description, reason);
  if (!period) {
    ui.note(reason + "\n\n" + batch_usage());
    return kBatchUsage;
  }
  session.period = period->period;
  apply_folders(session, options);
  if (options.list_only) {
    const bool listed = list_files(session, ui, reason);
    progress.clear();
    if (interruption_requested()) return interrupted(ui);
    if (!listed) return fail(ui, reason);
    write_file_table(session, out);
    return output_status(out, ui, kBatchWritten);
  }
  if (!output_folder_writable(session.description.text("dossier_choisi_sortie"), reason))
    return fail(ui, reason);
  ui.note(period_line(*period));
  const bool listed = list_files(session, ui, reason);
  if (interruption_requested()) return interrupted(ui);
  if (!listed) return fail(ui, reason);
  if (period->needs_data()) {
    if (!data_period(session, *period, ui, reason)) return fail(ui, reason);
    ui.note(period_line(*period));
  }
  const bool built = build_grid(session, reason);
  if (interruption_requested()) return interrupted(ui);
  if (!built) return fail(ui, reason);

  const RunOutcome outcome = traiter_fichier_click(session);
  progress.clear();
  if (outcome == RunOutcome::Interrupted) return interrupted(ui);
  if (outcome == RunOutcome::WrittenWithoutReport) {
    // The result is there and named; its report is not, and is not named.
    ui.note("aucun fichier de suivi : " + session.run.failure);
    out << cp1252_to_utf8(absolute_path(session.run.result_path)) << '\n';
    return output_status(out, ui, kBatchNoReport);
  }
  if (outcome != RunOutcome::Written) {
    const std::string& why = session.run.failure;
    return fail(ui, why.empty() ? std::string("le traitement n'a pas eu lieu") : why);
  }
  out << cp1252_to_utf8("suivi : " + absolute_path(session.run.report_path)) << '\n';
  out << cp1252_to_utf8(absolute_path(session.run.result_path)) << '\n';
  const int status = output_status(out, ui, kBatchWritten);
  if (options.end_process_when_written) {
    errors.flush();
    std::fflush(nullptr);
    std::_Exit(status);
  }
  return status;
}

}  // namespace

int run_batch(const BatchOptions& options, std::ostream& out, std::ostream& errors, bool progress_line) {
  ConsoleInterface ui(errors);
  if (options.keys) {
    out << cp1252_to_utf8(description_keys_text());
    return output_status(out, ui, kBatchWritten);
  }
  if (options.inspect) return run_inspection(options, out, ui);
  BatchProgress progress(progress_line);
  ui.set_progress(&progress);
  // The listing and the run report a failed allocation themselves; this
  // catches it anywhere else (the grid above all), so that the program says
  // why it stops instead of aborting.
  try {
    return run_batch_steps(options, out, errors, ui, progress);
  } catch (const std::bad_alloc&) {
    progress.watch(nullptr);
    progress.clear();
    return fail(ui, kMemoryShortage);
  }
}

}  // namespace talve
