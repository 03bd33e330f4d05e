// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/listing_pass.h"

#include <algorithm>
#include <set>

#include "files/check_marks.h"
#include "files/data_block.h"
#include "files/file_outline.h"
#include "files/file_preview.h"
#include "files/listing_button.h"
#include "files/listing_settings.h"
#include "files/loader.h"
#include "files/name_date_check.h"
#include "files/pre_reading.h"
#include "files/table_refresh.h"
#include "session/listing_sources.h"
#include "session/session.h"
#include "text/clock.h"
#include "text/encoding.h"
#include "text/filename_rules.h"
#include "text/text_utils.h"

namespace talve {
namespace {

constexpr TDateTime kFirstOf1900 = 2.0;  // 01/01/1900
constexpr std::string_view kNotPreRead = " ---";
constexpr double kBytesPerKilobyte = 1024.0;

// The columns a file that is not pre-read shows " ---" in.
constexpr std::string_view kPreReadColumns[] = {"date dep",    "date fin",          "n.données",
                                                "n.extraites", "pas moyen observé", "durée de traitement",
                                                "correction",  "nb Colonnes",       "n°Lig intitulés"};

// What one pass carries from file to file.
struct Pass {
  Session& s;
  ListingSettings settings;
  std::vector<ListedFile> files;
  bool any_marked = false;
  std::set<std::string> marked_names;
  TDateTime running_min = 0;  // `Label_date_min` at the end
  TDateTime running_max = 0;  // `Label_date_max` at the end
  double started = 0;         // monotonic seconds at the start of the pass
  // Files whose first instant lies far from the date of their name.
  std::vector<NameDateMismatch> far_from_names = {};
};

// The first lines the pre-reading may look at: the preview, the title and
// first data lines, the line of the station rule.
std::size_t head_lines_needed(const Session& s, const ListingSettings& settings) {
  const DataDescription& d = s.description;
  const long long data_line = line_number_setting(d, "Edit_num_ligne_donnee.text");
  const long long title_line = line_number_setting(d, "Edit_num_ligne_intitule_col.text");
  const long long station_line = entier_apres_cle(settings.station_rule, "LIGNE", 1);
  const long long needed = std::max({21LL, data_line, title_line, station_line}) + 2;
  return needed > 0 ? static_cast<std::size_t>(needed) : 0;
}

[[nodiscard]] bool load_for_listing(Session& s, const std::string& path, LoadedFile& file,
                                    const ListingSettings& settings) {
  const bool loaded = load_for_pre_reading(s, path, file, head_lines_needed(s, settings));
  s.set_caption("Memo6", preview_text(file.first_lines()));
  return loaded;
}

// The marks the table holds before it is rebuilt decide which files are
// pre-read and where the first checked row is.
void note_marks(Pass& pass) {
  FileTableState& state = pass.s.table_state;
  const FileTable& table = pass.s.file_table;
  const int first_marked = first_marked_row(table);
  if (state.checked_files.empty() && first_marked > 0) state.first_checked_row = first_marked;
  pass.any_marked = first_marked > 0;
  for (const std::string& name : checked_file_names(table)) pass.marked_names.insert(name);
}

// The cells every listed file gets. Returns the row.
int add_file_row(Pass& pass, int index, const ListedFile& file, LoadedFile& content, bool& content_loaded,
                 bool& content_ok) {
  Session& s = pass.s;
  FileTable& table = s.file_table;
  const int row = table.add_row();
  table.ecrire_case(row, "n", std::to_string(index));
  table.ecrire_case(row, "fichier", file.name);
  table.ecrire_case(row, "s/répertoire", file.subfolder);
  table.set_source_path(row, file.path);
  std::string station;
  if (s.flags.input_mode != InputMode::Clipboard) {
    if (source_station(pass.settings.station_rule) == StationSource::contenu) {
      content_ok = load_for_listing(s, file.path, content, pass.settings);
      content_loaded = true;
      station = content_ok ? station_contenu(content.first_lines(), pass.settings.station_rule)
                           : std::string(kStationInitiale);
    } else {
      station = station_nom_fichier(file.name, pass.settings.station_rule);
    }
  }
  table.ecrire_case(row, "Station", station);
  if (!trim(pass.settings.date_rule).empty()) {
    TDateTime date = 0;
    const std::string text = date_nom_fichier(file.name, pass.settings.date_rule, date, s.log);
    table.ecrire_case(row, "date_NOM_Fichier", text);
    // A name without a date gives "now", which says nothing of the files.
    if (!text.empty()) {
      pass.running_min = std::min(pass.running_min, date);
      pass.running_max = std::max(pass.running_max, date);
    }
  }
  const double kilobytes = static_cast<double>(file.size) / kBytesPerKilobyte;
  table.ecrire_case(row, "taille (Mo)", " " + format_0_00(kilobytes / 1000));
  s.table_state.total_kilobytes += kilobytes;
  s.table_state.current_row = row;
  const auto& checked = s.table_state.checked_files;
  if (!checked.empty() && checked.front() == file.name) s.table_state.first_checked_row = row;
  return row;
}

bool to_pre_read(const Pass& pass, int row, const std::string& name) {
  if (row == pass.s.table_state.first_checked_row) return true;
  return pass.settings.pre_read_all && (!pass.any_marked || pass.marked_names.contains(name));
}

void note_pre_read(Pass& pass, const PreReadFacts& facts, const LoadedFile& file) {
  FileTableState& state = pass.s.table_state;
  if (facts.first != 0) state.earliest_first = std::min(state.earliest_first, facts.first);
  if (facts.last != 0) state.latest_last = std::max(state.latest_last, facts.last);
  pass.running_min = facts.first;
  pass.running_max = facts.last;
  state.last_loaded = file;
  ++state.pre_read_since_listing;
}

// A pattern that reads, but wrongly, gives instants far from the date the
// file's name holds: the file is named in the log at once, and in one box
// at the end of the listing.
void compare_with_name_date(Pass& pass, const std::string& name, const PreReadFacts& facts) {
  if (facts.first == 0) return;
  const std::optional<TDateTime> named = file_name_date(name, pass.settings.date_rule);
  if (!named || !far_from_name_date(facts.first, facts.last != 0 ? facts.last : facts.first, *named)) return;
  const NameDateMismatch mismatch{name, facts.first, *named};
  pass.s.ajout_suivi(name_date_trace_line(mismatch, pass.settings.pattern));
  pass.far_from_names.push_back(mismatch);
}

// Loads (unless the station rule already did) and pre-reads one file.
PreReadOutcome pre_read(Pass& pass, int index, int row, const ListedFile& file, LoadedFile& content,
                        bool content_loaded, bool content_ok) {
  Session& s = pass.s;
  show_file_being_read(s, index, file.name, static_cast<double>(file.size) / kBytesPerKilobyte / 1000);
  if (!content_loaded) content_ok = load_for_listing(s, file.path, content, pass.settings);
  if (!content_ok) return PreReadOutcome::stop;
  PreReadFacts facts;
  const PreReadOutcome outcome =
      pre_read_file(s, s.file_table, row, name_as_text(file.path), content, pass.settings, facts);
  if (outcome == PreReadOutcome::read) {
    note_pre_read(pass, facts, content);
    compare_with_name_date(pass, file.name, facts);
  }
  return outcome;
}

void end_of_pass(Pass& pass) {
  Session& s = pass.s;
  FileTableState& state = s.table_state;
  s.set_caption("Label_date_heure_min", format_system_datetime(state.earliest_first));
  s.set_caption("Label_date_heure_max", format_system_datetime(state.latest_last));
  show_date_bounds(s, state, date_bound_labels(pass.running_min, pass.running_max, 2, 3));
  s.set_caption("Label_nb_fic", std::to_string(pass.files.size()) + " fichiers");
  s.set_caption("Label8", total_size_caption(state.total_kilobytes));
  s.set_caption("Label_patienter", " --- ");
}

// Steps common to every file once its row exists. False when the listing
// is to stop after this file.
[[nodiscard]] bool after_file(Pass& pass, int row, double file_start) {
  Session& s = pass.s;
  const double elapsed = monotonic_seconds() - file_start;
  s.file_table.ecrire_case(row, "durée de traitement", format_time(elapsed / kSecondsPerDay));
  s.set_caption("Label6", "durée " + format_time((monotonic_seconds() - pass.started) / kSecondsPerDay));
  s.set_caption("Label10", "Total " + format_0_00(s.table_state.total_kilobytes / 1000) + " Mo");
  s.ui().process_events();
  return !s.flags.stop;
}

bool refuses_file(PreReadOutcome outcome) {
  return outcome == PreReadOutcome::stop || outcome == PreReadOutcome::stop_and_reset;
}

// The file does not fit the description and nobody is there to correct
// it: its row goes, the log names it, and the listing goes on.
void leave_out(Pass& pass, int row, const ListedFile& file) {
  Session& s = pass.s;
  s.file_table.erase_rows(row, row);
  const std::string path = name_as_text(file.path);
  s.table_state.left_out_files.push_back(path);
  s.ajout_suivi("  fichier écarté, il ne correspond pas à la description : " + path);
}

// The data folder itself could not be read: says why, rather than that no
// file matches the mask.
[[nodiscard]] bool tell_unreadable_data_folder(Session& s) {
  const auto& unreadable = s.table_state.unreadable_folders;
  if (unreadable.empty() || !unreadable.front().subfolder.empty()) return false;
  const std::string folder = s.description.text("dossier_choisi");
  const std::string problem = folder_problem_text(unreadable.front().error);
  s.ajout_suivi("  le répertoire des données " + folder + " " + problem);
  s.ui().ask(MessageType::Error, kOkButton, " Le répertoire des données " + problem + " :\n\n" + folder);
  return true;
}

// Sub-folders that could not be read are named with the reason, in the
// log (and so the report) and in one box: their files are missing from
// the table.
void tell_unreadable_subfolders(Session& s) {
  std::string names;
  const std::string folder = chemin_avec_barre(s.description.text("dossier_choisi"));
  for (const UnreadableFolder& unreadable : s.table_state.unreadable_folders) {
    if (unreadable.subfolder.empty()) continue;
    const std::string line =
        folder + name_as_text(unreadable.subfolder) + " " + folder_problem_text(unreadable.error);
    s.ajout_suivi("  sous-dossier non listé : " + line);
    names += "\n   " + line;
  }
  if (names.empty()) return;
  s.ui().ask(MessageType::Warning, kOkButton,
             " Des sous-dossiers n'ont pas pu être lus, leurs fichiers ne sont pas listés :\n" + names);
}

PassEnd list_files(Pass& pass) {
  Session& s = pass.s;
  int index = 0;
  for (const ListedFile& file : pass.files) {
    ++index;
    const FileInHand in_hand(s.table_state, name_as_text(file.path));
    s.ajout_suivi(std::to_string(index) + "  " + file.name + " -> " + file.subfolder);
    const double file_start = monotonic_seconds();
    LoadedFile content;
    bool content_loaded = false;
    bool content_ok = false;
    const int row = add_file_row(pass, index, file, content, content_loaded, content_ok);
    if (to_pre_read(pass, row, file.name)) {
      const PreReadOutcome outcome = pre_read(pass, index, row, file, content, content_loaded, content_ok);
      if (refuses_file(outcome) && s.table_state.leave_out_refused_files) {
        leave_out(pass, row, file);
        s.ui().process_events();
        if (s.flags.stop) return PassEnd::stopped;
        continue;
      }
      switch (outcome) {
        case PreReadOutcome::read:
        case PreReadOutcome::empty_file:
          break;
        case PreReadOutcome::stop:
          return PassEnd::stopped;
        case PreReadOutcome::stop_and_reset:
          s.file_table.reset();
          return PassEnd::stopped;
        case PreReadOutcome::list_again:
          return PassEnd::list_again;
      }
    } else {
      for (std::string_view title : kPreReadColumns)
        s.file_table.ecrire_case(row, title, std::string(kNotPreRead));
    }
    if (!after_file(pass, row, file_start)) return PassEnd::stopped;
  }
  return PassEnd::completed;
}

}  // namespace

PassEnd run_listing_pass(Session& s) {
  FileTableState& state = s.table_state;
  state.listing_start = now();
  state.pre_read_since_listing = 0;
  state.left_out_files.clear();
  s.ajout_suivi("t0 = " + format_time(state.listing_start));
  s.dates.listing_started();
  s.set_caption("Label_patienter", "1- listage, patienter ...");
  Pass pass{s, {}, {}, false, {}, 0, 0, monotonic_seconds(), {}};
  note_marks(pass);
  s.flags.stop = false;

  std::string first_name;
  pass.files = files_to_list(s, first_name);
  const int count = static_cast<int>(pass.files.size());
  const std::string& mask = s.description.text("Edit_masque.text");
  if (count == 0 && tell_unreadable_data_folder(s)) {
    s.file_table.reset();
    s.set_caption("Label_nb_fic", std::to_string(count) + " fichier");
    return PassEnd::no_file;
  }
  tell_unreadable_subfolders(s);
  if (count == 0) {
    // The rows of another folder or mask would be taken for these files.
    s.file_table.reset();
    s.ui().message("aucun fichier ne correspond au filtre <" + mask + ">" + "\n\n" + " dans " +
                   s.description.text("dossier_choisi"));
    s.set_caption("Label_nb_fic", std::to_string(count) + " fichier");
    return PassEnd::no_file;
  }
  s.set_caption("Label_nb_fic", std::to_string(count) + " fichiers");
  s.set_caption("Label54", std::to_string(count));
  s.set_caption("Label_nom_de_fichier", first_name);
  s.file_table.reset();
  refresh_listing_button(s);
  pass.settings = ListingSettings::read(s.description);
  state.total_kilobytes = 0;
  state.earliest_first = now();
  state.latest_last = kFirstOf1900;
  pass.running_min = now();
  pass.running_max = kFirstOf1900;
  const PassEnd end = list_files(pass);
  end_of_pass(pass);
  if (!pass.far_from_names.empty())
    s.ui().ask(MessageType::Warning, kOkButton,
               name_date_box_text(pass.far_from_names, pass.settings.pattern));
  return end;
}

}  // namespace talve
