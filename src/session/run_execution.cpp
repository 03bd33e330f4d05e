// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/run_execution.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <vector>

#include "core/entry_rules.h"
#include "core/interruption.h"
#include "engine/column_mapping.h"
#include "engine/period_values.h"
#include "engine/processing_engine.h"
#include "files/check_marks.h"
#include "files/file_buffer.h"
#include "files/file_preview.h"
#include "files/loader.h"
#include "files/table_refresh.h"
#include "session/button_colours.h"
#include "session/listing_sources.h"
#include "session/pending_links.h"
#include "session/progress_display.h"
#include "session/result_table_limit.h"
#include "session/result_writing.h"
#include "session/session.h"
#include "text/date_pattern.h"
#include "text/date_pattern_fields.h"
#include "text/encoding.h"
#include "text/text_utils.h"

namespace talve {
namespace {

constexpr double kSoundAfterSeconds = 60;

// The FileTable cells a run fills for every file it reads.
constexpr std::string_view kRunColumns[] = {"date dep",    "date fin",          "n.données",
                                            "n.extraites", "pas moyen observé", "durée de traitement",
                                            "correction",  "nb Colonnes",       "n°Lig intitulés"};

// What the run carries from its preparation through its files.
struct RunContext {
  explicit RunContext(Session& session) : s(session), engine(session, session.results), grid(session.grid) {}

  Session& s;
  ProcessingEngine engine;
  // The grid as the run started: an event that empties or rebuilds the
  // grid while the run lets the window work does not pull it from under
  // the formatting.
  TimeGrid grid;
  bool partial = false;  // only the rows marked "x" are read
  int first_row = 1;
  int data_columns = 0;    // D, from the pre-reading
  std::string title_line;  // the column titles of the files, TAB-separated
  bool column_map_done = false;
};

void progress(Session& s, const std::string& text) { show_progress(s, text, Phase::Processing); }

std::string percent_text(int percent) { return "3- patienter ... " + std::to_string(percent) + "%   "; }

// The size of a row's file in kilobytes: "taille (Mo)" x 1000, rounded.
long long row_kilobytes(const FileTable& table, int row) {
  return std::llround(lire_reel(trim(table.lire_case(row, "taille (Mo)"))) * 1000);
}

bool row_selected(const RunContext& run, int row) {
  return !run.partial || is_checked(run.s.file_table, row);
}

// D and the column titles come from the pre-reading of the first row read,
// else of any row that was pre-read.
void take_pre_read_facts(RunContext& run) {
  const FileTable& table = run.s.file_table;
  const PreReadFacts* facts = table.facts(run.first_row);
  for (int row = 1; facts == nullptr && row < table.row_count(); ++row) facts = table.facts(row);
  if (facts == nullptr) return;
  run.data_columns = facts->measurement_columns;
  run.title_line = facts->titles_tab;
}

void note_last_run_period(Session& s) {
  DataDescription& d = s.description;
  d.assign("Label_min_dsc.caption", s.period.start_caption);
  d.assign("Label_max_dsc.caption", s.period.end_caption);
  d.assign("Label_pas_dsc.caption", step_time_text(s.period));
  if (s.period.changed && !s.run.keep_settings_files) save_period_file(s);
}

void mark_run_cells(RunContext& run) {
  FileTable& table = run.s.file_table;
  for (int row = 1; row < table.row_count(); ++row)
    for (std::string_view title : kRunColumns) table.ecrire_case(row, title, " ---");
  const int marked = first_marked_row(table);
  run.partial = marked > 0;
  run.first_row = marked > 0 ? marked : 1;
}

void count_sizes(RunContext& run) {
  RunState& state = run.s.run;
  const FileTable& table = run.s.file_table;
  state.size_done = 0;
  state.size_total = 0;
  state.files_done = 0;
  state.files_total = 0;
  // Only the files the run reads: the estimate of the time left follows
  // the share of their size already read.
  for (int row = 1; row < table.row_count(); ++row) {
    if (!row_selected(run, row)) continue;
    state.size_total += row_kilobytes(table, row);
    ++state.files_total;
  }
}

// False when the ResultTable would be too large: nothing is prepared.
[[nodiscard]] bool prepare(RunContext& run) {
  Session& s = run.s;
  // The run loads every file itself: the lines the listing kept of the file
  // it pre-read last would only double the memory of the largest file.
  s.table_state.last_loaded = LoadedFile();
  s.run.chart_enabled = false;
  set_traiter_colour(s, ButtonColour::Red);
  progress(s, percent_text(0));
  for (int percent = 1; percent <= 6; ++percent) progress(s, percent_text(percent));
  mark_run_cells(run);
  progress(s, percent_text(7));
  s.flags.stop = false;
  set_stop_live(s, true);
  s.ui().set_busy(true);
  progress(s, percent_text(8));
  rafraichir_tableau(s, s.file_table, s.table_state);
  // The preparation reads the whole table and builds the whole ResultTable
  // (a fraction of a second on a long grid): the window answers between its
  // steps.
  s.ui().process_events();
  progress(s, percent_text(9));
  progress(s, percent_text(10));
  take_pre_read_facts(run);
  // The table is as wide as the column map will be: a list of selected
  // columns may ask for far more than the files hold.
  const int table_columns =
      std::max(run.data_columns, mapped_data_column_count(s.description, run.data_columns));
  if (!result_table_fits(s, run.grid.count(), table_columns)) return false;
  count_sizes(run);
  run.engine.set_progress([&s](const std::string& text) { progress(s, text); });
  run.engine.prepare(run.grid, run.data_columns);
  s.ui().process_events();
  s.set_caption("Label_patienter", "3- patienter ... 50%    ");
  s.set_visible("ListBox_DONNEE_date_clean", false);
  if (run.partial || s.flags.table_edited) {
    s.ajout_suivi("");
    s.ajout_suivi("  Liste partielle");
  }
  return true;
}

// The log memo is hidden while the file loads. The file is surveyed piece
// by piece and its lines read again the same way by the engine: a run holds
// no file whole, whatever its size.
[[nodiscard]] bool load_row_file(Session& s, const std::string& path, LoadedFile& file) {
  s.set_visible("Memo1", false);
  s.set_visible("Memo6", false);
  LoadLimits limits;
  limits.held_whole = false;
  const bool loaded = load_data_file(s, path, file, limits);
  s.set_caption("Memo6", preview_text(file.first_lines()));
  s.set_visible("Memo1", true);
  s.set_visible("Memo6", true);
  s.preview_shown = true;
  return loaded;
}

// `Label10`: the time left, from the share of the size read so far.
void show_time_left(Session& s) {
  const RunState& state = s.run;
  const double left_megabytes = static_cast<double>(state.size_total - state.size_done) / 1000;
  if (state.size_done <= 0) {
    s.set_caption("Label10", "reste " + format_0_00(left_megabytes) + " Mo");
    return;
  }
  const double elapsed = state.clock() - state.started;
  const double left =
      elapsed * static_cast<double>(state.size_total) / static_cast<double>(state.size_done) - elapsed;
  const TDateTime left_days = left / kSecondsPerDay;
  s.set_caption("Label10", format_time(left_days) + " >> " + format_time(now() + left_days) + "    " +
                               format_0_00(left_megabytes) + " Mo");
}

enum class [[nodiscard]] RowEnd{next, stopped, load_failed, abandoned};

RowEnd read_row(RunContext& run, int row) {
  Session& s = run.s;
  FileTable& table = s.file_table;
  const std::string name = table.lire_case(row, "fichier");
  const std::string row_text = std::to_string(row);
  s.table_state.current_row = row;
  s.ajout_suivi("");
  s.ajout_suivi("  " + row_text + " <---------------" + name + "  " + table.lire_case(row, "Station"));
  const std::string path = row_file_path(s, row);
  const FileInHand in_hand(s.table_state, name_as_text(path));
  s.set_caption("Label_fic", row_text + "  " + name);
  s.run.size_done += row_kilobytes(table, row);

  LoadedFile file;
  if (!load_row_file(s, path, file)) return RowEnd::load_failed;
  const FileInput input{row,
                        name_as_text(path),
                        &file,
                        locate_data_block(file, s.description),
                        run.title_line,
                        run.data_columns};
  if (run.engine.begin_file(table, input) == FileCheck::abandon) return RowEnd::abandoned;
  if (!run.column_map_done) {
    s.run.station = table.lire_case(row, "Station");
    run.column_map_done = true;
  }
  const bool complete = run.engine.read_lines();
  run.engine.end_file(table);
  ++s.run.files_done;

  progress(s, "3- traitement...  ");
  show_time_left(s);
  s.ui().process_events();
  if (!complete || s.flags.stop) return RowEnd::stopped;
  progress(s, "3c- patienter ... fic-" + row_text + "         ");
  trace_file_counters(s, run.engine.file_report());
  return RowEnd::next;
}

void show_data_span(Session& s, const DataSpan& span) {
  if (!span.any) return;
  s.set_caption("Label_date_heure_min", format_canonical(span.earliest));
  s.set_caption("Label_date_heure_max", format_canonical(span.latest));
}

// Lines in the rows the result holds, rows 2..n: row 1 is the lower bound
// of the first interval and is never written.
bool lines_in_written_rows(const ResultTable& table) {
  if (table.map.empty()) return false;
  for (int row = 2; row <= table.grid_count; ++row)
    if (table.nb(row) != 0) return true;
  return false;
}

// No line fell in the period: nothing is written, so that the previous
// result of the same name stays, and the user learns where the data lie.
// A pattern without a date gave every line the same instant, which is no
// date read either.
void tell_empty_run(Session& s, const DataSpan& span, const std::string& pattern) {
  const std::string period = "du " + s.period.start_caption + " au " + s.period.end_caption;
  const bool dated = pattern_reads_a_date(pattern);
  const std::string found =
      !dated     ? "aucune date n'a pu être lue dans les fichiers : " + pattern_without_date_text(pattern)
      : span.any ? "les dates lues vont du " + format_canonical(span.earliest) + " au " +
                       format_canonical(span.latest)
                 : "aucune date n'a pu être lue dans les fichiers";
  s.run.failure = "aucune ligne de données dans la période " + period + " (" + found + ")";
  s.ajout_suivi("");
  s.ajout_suivi(" Aucune ligne de données dans la période " + period + " : " + found);
  s.set_visible("Label_patienter", false);
  s.ui().ask(
      MessageType::Warning, kOkButton,
      " Aucune ligne de données dans la période " + period + "\n\n " + found +
          "\n\n Aucun fichier résultat n'est écrit : un résultat précédent de même nom reste tel quel.");
}

// The result being formatted and written, for as long as it lasts.
class Writing {
 public:
  explicit Writing(Session& s) : m_s(s) {
    m_s.run.writing = true;
    set_stop_live(m_s, false);
  }
  ~Writing() { m_s.run.writing = false; }
  Writing(const Writing&) = delete;
  Writing& operator=(const Writing&) = delete;

 private:
  Session& m_s;
};

WriteOutcome end_phases(RunContext& run) {
  Session& s = run.s;
  const Writing writing(s);
  s.set_visible("Memo1", true);
  s.ui().set_busy(true);
  s.set_visible("ListBox_DONNEE_date_clean", false);
  // The values-only rows are for the window's view of them.
  s.values_only_list.clear();
  // Stopped, the lists hold what was formatted, which is written.
  static_cast<void>(
      run.engine.finish(run.grid.entries, s.result_list, s.run.result_view ? &s.values_only_list : nullptr));
  if (s.run.clock() - s.run.started > kSoundAfterSeconds && !s.shutdown_after_run) s.ui().play_end_sound();
  s.set_caption("Label_nb_fic", std::to_string(s.file_table.row_count() - 1) + "  fichiers");
  show_data_span(s, run.engine.span());
  progress(s, "3- patienter ... mise en forme   ");
  // Formatting stops at the interruption: what it left is not a result.
  if (interruption_requested()) return WriteOutcome::Failed;
  return write_results(s);
}

RunEnd interrupted(Session& s) {
  if (s.run.failure.empty()) s.run.failure = "le traitement a été interrompu";
  s.ajout_suivi("");
  s.ajout_suivi(" Traitement interrompu : " + s.run.failure);
  return RunEnd::Interrupted;
}

RunEnd run_end_of(WriteOutcome outcome) {
  switch (outcome) {
    case WriteOutcome::Written:
      return RunEnd::Written;
    case WriteOutcome::ReportFailed:
      return RunEnd::ReportFailed;
    case WriteOutcome::DescriptionOnly:
    case WriteOutcome::Failed:
      break;
  }
  return RunEnd::WriteFailed;
}

}  // namespace

RunEnd execute_run(Session& s) {
  RunState& state = s.run;
  state.started_at = now();
  state.started = state.clock();
  reset_phase(s, Phase::Processing);
  if (s.grid.empty()) {
    s.ajout_suivi("!!! : ListBox_date_clean.Items.Count= 0");
    state.failure = "la liste horodatée est vide";
    return RunEnd::NoGrid;
  }
  note_last_run_period(s);
  RunContext run(s);
  if (!prepare(run)) return RunEnd::TooLarge;
  for (int row = 1; row < s.file_table.row_count(); ++row) {
    if (!row_selected(run, row)) continue;
    const RowEnd end = read_row(run, row);
    if (end == RowEnd::load_failed) {
      state.failure = "le fichier " + s.file_table.lire_case(row, "fichier") + " n'a pas pu être chargé";
      return RunEnd::LoadFailed;
    }
    if (end == RowEnd::abandoned) {
      state.failure = "le traitement a été annulé au fichier " + s.file_table.lire_case(row, "fichier");
      return RunEnd::Abandoned;
    }
    if (end == RowEnd::stopped) break;
  }
  if (interruption_requested()) return interrupted(s);
  const std::string pattern = date_pattern_in_force(s.description);
  if (!s.flags.stop && (!lines_in_written_rows(s.results) || !pattern_reads_a_date(pattern))) {
    show_data_span(s, run.engine.span());
    tell_empty_run(s, run.engine.span(), pattern);
    return RunEnd::Empty;
  }
  const WriteOutcome written = end_phases(run);
  if (written == WriteOutcome::Failed && interruption_requested()) return interrupted(s);
  return run_end_of(written);
}

}  // namespace talve
