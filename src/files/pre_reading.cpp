// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/pre_reading.h"

#include <algorithm>

#include "core/column_preview.h"
#include "core/workspace.h"
#include "files/end_of_data.h"
#include "files/file_table.h"
#include "files/listing_settings.h"
#include "files/pre_read_columns.h"
#include "files/pre_read_questions.h"
#include "text/ascii.h"
#include "text/filename_rules.h"
#include "text/text_utils.h"

namespace talve {
namespace {

constexpr std::string_view kNoDate = "    ????";
constexpr std::string_view kNotYet = " ---";
constexpr std::size_t kShortYearFieldLength = 17;

// The title line of a file, "" without titles.
std::string_view title_line_of(const LoadedFile& file, const DataBlock& block) {
  return block.title >= 0 ? file.line_or_empty(block.title) : std::string_view();
}

// "" (no usable date) and "??" (an empty field) both mean that the line
// gave no date.
bool no_date(std::string_view text) { return text.empty() || text == "??"; }

// The first date of the file did not read: with a 17-character value and a
// four-digit year pattern the short-year pattern is offered; otherwise the
// user may open the file and stop, or go on.
PreReadOutcome ask_about_first_date(Workspace& ws, const ListingSettings& settings, const DataBlock& block,
                                    std::string_view line, const std::string& value, const std::string& date,
                                    const std::string& path) {
  DateProblem problem;
  problem.date = date;
  problem.pattern = settings.pattern;
  problem.field = value;
  problem.two_columns = settings.two_date_columns;
  problem.columns = settings.date_columns_text();
  problem.line_number = block.first + 1;
  problem.line = std::string(line);
  if (no_date(date) && !settings.two_date_columns && value.size() == kShortYearFieldLength &&
      settings.pattern.starts_with("aaaa")) {
    if (ws.ui().ask(MessageType::Warning, kYesCancel, empty_date_format_question(problem)) == Answer::Yes)
      ws.description.set_text("Edit_format_datetime_mesure.text", std::string(kShortYearPattern));
    return PreReadOutcome::stop;
  }
  if (ws.ui().ask(MessageType::Warning, kYesNo, first_date_question(problem)) == Answer::Yes) {
    ws.ui().open_in_editor(path, settings.editor);
    return PreReadOutcome::stop;
  }
  return PreReadOutcome::read;
}

PreReadOutcome read_dates(Workspace& ws, const ListingSettings& settings, const LoadedFile& file,
                          const DataBlock& block, const std::string& path, PreReadFacts& facts) {
  const std::string_view first_line = file.line_or_empty(block.first);
  const FieldCutting cutting = settings.cutting(title_line_of(file, block));
  const std::string first_value = date_value_in(first_line, settings, cutting);
  const std::string first = ws.dates.normalise_date_heure(first_value, settings.pattern);
  if (no_date(first) || contains(first, "//") || contains(first, "::")) {
    const PreReadOutcome outcome =
        ask_about_first_date(ws, settings, block, first_line, first_value, first, path);
    if (outcome != PreReadOutcome::read) return outcome;
  }
  facts.first_date = no_date(first) ? std::string() : first;
  std::string normalised;
  facts.first = facts.first_date.empty() ? 0 : ws.dates.texte_vers_datetime(facts.first_date, normalised);
  long long last_index = block.last;
  facts.end_marker_missing = block.last < 0;
  if (facts.end_marker_missing) {
    last_index = last_dated_line(file, block, settings.pattern, [&settings, &cutting](std::string_view line) {
      return date_value_in(line, settings, cutting);
    });
  }
  const std::string last = ws.dates.normalise_date_heure(
      date_value_in(file.line_or_empty(last_index), settings, cutting), settings.pattern);
  facts.last_date = no_date(last) ? std::string() : last;
  facts.last = facts.last_date.empty() ? 0 : ws.dates.texte_vers_datetime(facts.last_date, normalised);
  if (facts.end_marker_missing)
    ws.ajout_suivi(
        "   " + std::string(kNoEndMarker) + " <" + ws.description.text("Edit_balise_fin.text") + "> : " +
        (last_index < 0
             ? std::string("aucune date lue dans les dernières lignes")
             : "dernière date lue en ligne " + std::to_string(last_index + 1) + " : " + facts.last_date));
  return PreReadOutcome::read;
}

void fill_row(Workspace& ws, FileTable& table, int row, const PreReadFacts& facts, long long line_count) {
  const std::string first = facts.first_date.empty() ? std::string(kNoDate) : facts.first_date;
  const std::string last = facts.last_date.empty() ? std::string(kNoDate) : facts.last_date;
  table.ecrire_case(row, "date dep", first);
  table.ecrire_case(row, "date fin", last);
  ws.set_caption("Label_date_heure_min", first);
  ws.set_caption("Label_date_heure_max", last);
  // Without its end marker a file is read to its end, as the run counts it.
  const long long last_line = facts.end_marker_missing ? line_count - 1 : facts.last_line;
  table.ecrire_case(row, "n.données", format_grouped(std::max(0LL, last_line - facts.first_line + 1)));
  for (std::string_view title : {"n.extraites", "pas moyen observé", "correction"})
    table.ecrire_case(row, title, std::string(kNotYet));
  if (facts.end_marker_missing) table.ecrire_case(row, "correction", std::string(kNoEndMarker));
}

void show_columns(Workspace& ws, FileTable& table, int row, const ColumnFindings& findings,
                  const PreReadFacts& facts) {
  const int count = findings.measurement_columns;
  ws.set_caption("Edit_intitule_origine", findings.origin_titles);
  refresh_column_preview(ws);
  ws.set_caption("Label19",
                 std::to_string(count) + (count < 2 ? " colonne de données" : " colonnes de données"));
  table.ecrire_case(row, "nb Colonnes", " " + std::to_string(count + facts.date_columns));
  table.ecrire_case(row, "n°Lig intitulés",
                    facts.title_line < 1 ? " -" : " " + std::to_string(facts.title_line + 1));
}

// A file without any line (the loader has traced it as empty) says nothing
// about the description: its row tells it has no data.
void fill_empty_row(FileTable& table, int row) {
  table.ecrire_case(row, "date dep", std::string(kNoDate));
  table.ecrire_case(row, "date fin", std::string(kNoDate));
  table.ecrire_case(row, "n.données", "0");
  for (std::string_view title : {"n.extraites", "pas moyen observé", "correction"})
    table.ecrire_case(row, title, std::string(kNotYet));
  table.ecrire_case(row, "nb Colonnes", " 0");
  table.ecrire_case(row, "n°Lig intitulés", " -");
}

}  // namespace

void show_file_being_read(Workspace& ws, int index, const std::string& name, double size_megabytes) {
  ws.set_caption("Label_nom_de_fichier", nom_syllabes(name));
  ws.set_caption("Label_fic", std::to_string(index) + "  " + name);
  ws.set_caption("Label1", format_0_00(size_megabytes) + " Mo");
}

PreReadOutcome pre_read_file(Workspace& ws, FileTable& table, int row, const std::string& path,
                             const LoadedFile& file, const ListingSettings& settings, PreReadFacts& facts) {
  if (file.empty()) {
    fill_empty_row(table, row);
    return PreReadOutcome::empty_file;
  }
  const DataBlock block = locate_data_block(file, ws.description);
  facts = PreReadFacts();
  facts.marker_line = block.marker;
  facts.first_line = block.first;
  facts.last_line = block.last;
  facts.title_line = block.title;
  facts.date_columns = settings.date_column_count();
  facts.split = settings.split;
  const long long remaining = static_cast<long long>(file.size()) - block.first;
  ws.set_caption("Label26", format_grouped(std::max(0LL, remaining)));

  PreReadOutcome outcome = check_title_line(ws, settings, file, block, path);
  if (outcome != PreReadOutcome::read) return outcome;
  ColumnFindings findings;
  outcome = find_columns(ws, settings, file, block, path, findings);
  if (outcome != PreReadOutcome::read) return outcome;
  facts.measurement_columns = findings.measurement_columns;
  facts.titles_tab = findings.titles_tab;
  show_columns(ws, table, row, findings, facts);

  outcome = read_dates(ws, settings, file, block, path, facts);
  if (outcome != PreReadOutcome::read) return outcome;
  fill_row(ws, table, row, facts, static_cast<long long>(file.size()));
  table.set_facts(row, facts);
  return PreReadOutcome::read;
}

}  // namespace talve
