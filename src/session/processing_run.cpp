// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/processing_run.h"

#include <new>

#include "core/entry_rules.h"
#include "engine/grid_build.h"
#include "engine/grid_target.h"
#include "session/button_colours.h"
#include "session/end_of_run_shutdown.h"
#include "session/listing.h"
#include "session/listing_sources.h"
#include "session/memory_shortage.h"
#include "session/progress_display.h"
#include "session/run_checks.h"
#include "session/run_execution.h"
#include "session/session.h"

namespace talve {
namespace {

// The run's flags for as long as it lasts, however it ends: no other long
// task starts meanwhile, and the buttons get back their idle look.
class RunningFlags {
 public:
  explicit RunningFlags(Session& s) : m_s(s) { m_s.flags.running = true; }
  ~RunningFlags() {
    m_s.flags.running = false;
    m_s.flags.busy = false;
    m_s.ui().set_busy(false);
    m_s.set_visible("Memo1", true);
    m_s.run.chart_enabled = true;
    set_stop_live(m_s, false);
  }
  RunningFlags(const RunningFlags&) = delete;
  RunningFlags& operator=(const RunningFlags&) = delete;

 private:
  Session& m_s;
};

// "du seul fichier", "des 3 fichiers", "du seul fichier coché", "des 2
// fichiers cochés".
std::string files_text(const Session& s) {
  const auto checked = s.table_state.checked_files.size();
  const auto count = checked > 0 ? checked : static_cast<std::size_t>(s.file_table.file_row_count());
  std::string text =
      count == 1 ? std::string("du seul fichier") : "des " + std::to_string(count) + " fichiers";
  if (checked > 0) text += " coché";
  if (checked > 1) text += "s";
  return text;
}

void announce(Session& s) {
  if (s.description.checked("CheckBox_col_cochee.Checked")) apply_col_cochee_rule(s.description, s.ui());
  const std::string rule(50, '=');
  s.ajout_suivi("");
  s.ajout_suivi(rule);
  s.ajout_suivi("       --> TRAITEMENT " + files_text(s));
  s.ajout_suivi(rule);
}

void prepare_screen(Session& s) {
  s.set_caption("Memo2", "");
  s.set_visible("Memo3", false);
  s.set_caption("RichEdit3", "");
  s.set_caption("RichEdit4", "");
  s.set_visible("RichEdit4", false);
  s.set_visible("ListBox_DONNEE_date_clean", false);
  s.set_visible("Panel1", true);  // the large tracking window
  set_grid_colour(s, ButtonColour::Blue);
  set_traiter_colour(s, ButtonColour::Red);
}

// The listing and the grid a run needs first, each timed as its own step.
// False when the listing did not list every file: the description is to be
// corrected first.
[[nodiscard]] bool listing_and_grid(Session& s) {
  if (s.table_state.pre_read_since_listing == 0) {
    if (s.flags.input_mode == InputMode::Spreadsheet && workbook_to_convert(s) &&
        !convert_workbook_for_listing(s)) {
      s.run.failure = "le classeur n'a pas pu être lu";
      return false;
    }
    start_phase(s, Phase::Listing);
    const ListingResult listed = lister_tableau(s);
    record_phase(s, Phase::Listing);
    if (listed != ListingResult::completed || s.file_table.file_row_count() < 1) {
      if (s.run.failure.empty()) s.run.failure = "la liste des fichiers n'a pas pu être faite";
      return false;
    }
  }
  if (s.description.modified()) s.set_caption("Memo2", "");
  if (s.grid.empty()) {
    start_phase(s, Phase::Grid);
    // The run's own progress replaces the grid's "100%" at once: it is not
    // held up for a second as after the grid button. A grid that could not
    // be built has said why; the run then finds it empty and ends.
    GridTarget target{s, s.grid, s.result_list, 0.0};
    const GridOutcome built = create_grid(target).outcome;
    record_phase(s, Phase::Grid);
    if (built == GridOutcome::OutOfMemory) {
      s.run.failure = kMemoryShortage;
      return false;
    }
  }
  return true;
}

}  // namespace

RunOutcome traiter_fichier_click(Session& s) {
  if (s.busy()) return RunOutcome::NotStarted;
  if (!run_checks_passed(s)) return RunOutcome::Refused;
  RunOutcome outcome = RunOutcome::NoResult;
  {
    RunningFlags running(s);
    s.run.failure.clear();
    s.run.results_pending = false;
    s.run.result_written = false;
    announce(s);
    prepare_screen(s);
    try {
      if (listing_and_grid(s)) {
        s.flags.busy = true;
        const RunEnd end = execute_run(s);
        if (end == RunEnd::Written) outcome = RunOutcome::Written;
        if (end == RunEnd::ReportFailed) outcome = RunOutcome::WrittenWithoutReport;
        if (end == RunEnd::Interrupted) outcome = RunOutcome::Interrupted;
        if (end == RunEnd::Abandoned || end == RunEnd::LoadFailed || end == RunEnd::TooLarge ||
            end == RunEnd::Empty || end == RunEnd::Interrupted) {
          s.set_visible("Label_patienter", false);
          set_traiter_colour(s, ButtonColour::Blue);
        }
      }
    } catch (const std::bad_alloc&) {
      // Whatever was read is lost with the table: no result is written.
      report_memory_shortage(s);
      s.set_visible("Label_patienter", false);
      outcome = RunOutcome::NoResult;
    }
  }
  set_traiter_colour(s, ButtonColour::Purple);
  show_progress(s, " --- ", Phase::None);
  s.set_caption("Label10", "reste 00:00:00    0 Mo");
  start_end_of_run_shutdown(s);
  return outcome;
}

bool stop_click(Session& s) {
  const bool has_input = s.flags.input_mode == InputMode::Spreadsheet || s.file_table.file_row_count() >= 1;
  if (!has_input || !s.flags.busy || s.run.writing) return false;
  if (s.ui().ask(MessageType::Confirmation, kYesNo, "Stopper le traitement  ?\n") != Answer::Yes)
    return false;
  s.ui().set_busy(true);
  s.flags.stop = true;
  return true;
}

}  // namespace talve
