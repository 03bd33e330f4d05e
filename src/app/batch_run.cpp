// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batch_run.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <new>
#include <ostream>

#include "app/batch_options.h"
#include "app/batch_period.h"
#include "app/batch_progress.h"
#include "app/console_interface.h"
#include "core/folder_paths.h"
#include "engine/grid_build.h"
#include "engine/grid_target.h"
#include "session/description_actions.h"
#include "session/listing.h"
#include "session/memory_shortage.h"
#include "session/processing_run.h"
#include "session/session.h"
#include "text/encoding.h"
#include "text/text_utils.h"

namespace talve {
namespace {

namespace fs = std::filesystem;

std::string absolute_folder(const std::string& folder) {
  std::error_code ec;
  return chemin_avec_barre(fs::absolute(fs::path(folder), ec).lexically_normal().string());
}

std::string absolute_path(const std::string& path) {
  std::error_code ec;
  return fs::absolute(fs::path(path), ec).lexically_normal().string();
}

// Reads the description file; false, with the reason, when it cannot be.
bool read_batch_description(Session& s, const std::string& path, std::string& reason) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) {
    reason = "fichier de description introuvable : " + path;
    return false;
  }
  const std::string folder = folder_of(path);
  DataDescription& d = s.description;
  d.assign("dossier_description", folder);
  d.set_file_name(fs::path(path).filename().string());
  if (read_description(s) != ReadOutcome::Read) {
    reason = "le fichier de description n'a pas pu être lu : " + path;
    return false;
  }
  // The file names its own folder as it was when written: it lies here.
  d.assign("dossier_description", folder);
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

// Step 1; false, with the reason, when nothing can follow.
bool list_files(Session& s, ConsoleInterface& ui, std::string& reason) {
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

// Steps 1 and 2; false, with the reason, when the run cannot follow.
bool list_and_build_grid(Session& s, ConsoleInterface& ui, std::string& reason) {
  if (!list_files(s, ui, reason)) return false;
  GridTarget target{s, s.grid, s.result_list, 0.0};
  const GridOutcome built = create_grid(target).outcome;
  if (built != GridOutcome::Built || s.grid.count() < 2) {
    reason = built == GridOutcome::OutOfMemory ? kMemoryShortage : "la liste horodatée n'a pas pu être créée";
    return false;
  }
  return true;
}

int fail(ConsoleInterface& ui, const std::string& reason) {
  ui.note("aucun fichier résultat : " + reason);
  return kBatchNoResult;
}

// Steps 1 to 3 and the writing, as run_batch says.
int run_batch_steps(const BatchOptions& options, std::ostream& out, std::ostream& errors,
                    ConsoleInterface& ui, BatchProgress& progress) {
  Session session(ui);
  progress.watch(&session);
  session.run.keep_settings_files = true;
  session.run.result_view = false;

  std::string reason;
  if (!read_batch_description(session, absolute_path(options.description_path), reason))
    return fail(ui, reason);
  const auto period = batch_period(options, session.description, reason);
  if (!period) {
    ui.note(reason + "\n\n" + batch_usage());
    return kBatchUsage;
  }
  session.period = *period;
  apply_folders(session, options);
  if (options.list_only) {
    if (!list_files(session, ui, reason)) return fail(ui, reason);
    progress.clear();
    write_file_table(session, out);
    return kBatchWritten;
  }
  if (!list_and_build_grid(session, ui, reason)) return fail(ui, reason);

  const RunOutcome outcome = traiter_fichier_click(session);
  progress.clear();
  if (outcome != RunOutcome::Written) {
    const std::string& why = session.run.failure;
    return fail(ui, why.empty() ? std::string("le traitement n'a pas eu lieu") : why);
  }
  out << cp1252_to_utf8("suivi : " + absolute_path(session.run.report_path)) << '\n';
  out << cp1252_to_utf8(absolute_path(session.run.result_path)) << '\n' << std::flush;
  if (options.end_process_when_written) {
    errors.flush();
    std::fflush(nullptr);
    std::_Exit(kBatchWritten);
  }
  return kBatchWritten;
}

}  // namespace

int run_batch(const BatchOptions& options, std::ostream& out, std::ostream& errors, bool progress_line) {
  ConsoleInterface ui(errors);
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
