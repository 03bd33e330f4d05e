// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/first_line_checks.h"

#include "core/workspace.h"
#include "engine/decoding.h"
#include "files/end_of_data.h"
#include "files/file_table.h"
#include "files/line_excerpt.h"
#include "text/text_utils.h"

namespace talve {
namespace {

// The instant text of a line and its value, through the text path. A line
// outside the file (no end marker) has no text at all.
void read_date(Workspace& ws, const LoadedFile& file, long long index, const DecodeSettings& settings,
               std::string& text, TDateTime& value) {
  if (index < 0 || index >= static_cast<long long>(file.size())) {
    text.clear();
    value = 0;
    return;
  }
  text = ws.dates.normalise_date_heure(date_value_of(file[static_cast<std::size_t>(index)], settings),
                                       settings.pattern);
  std::string normalised;
  value = ws.dates.texte_vers_datetime(text, normalised);
}

// The first data line holds more letters than digits: it may be the titles.
[[nodiscard]] bool abandon_for_titles(Workspace& ws, int row, std::string_view path, std::string_view line,
                                      int digits, int letters) {
  const std::string text =
      "fichier " + std::to_string(row) + "\n" + std::string(path) + "\n\n" +
      " il semble que la 1ère ligne de données soit une description de colonnes " + "\n" + "<" +
      line_excerpt(line) + ">" + "\n" + " nb chiffres    = " + std::to_string(digits) + "\n" +
      " nb de lettrres = " + std::to_string(letters) + "\n\n" + " Annuler ce traitement ?";
  return ws.ui().ask(MessageType::Warning, kYesNo, text) == Answer::Yes;
}

std::string shown_date(const std::string& text) { return text.empty() ? "    ????" : text; }

// The columns of a line: its separators plus one (runs of blanks as one),
// or, with quoted fields, the fields it is cut into.
int column_count(std::string_view line, const DecodeSettings& settings) {
  if (settings.quoted) {
    FieldSplitter fields;
    static_cast<void>(fields.cut(line, settings.cutting(), ControlBytes::None));
    return static_cast<int>(fields.size());
  }
  std::string columns(line);
  if (settings.split == ' ') {
    while (columns.find("  ") != std::string::npos) remplacer_tout("  ", " ", columns);
  }
  return compter_car(settings.split, columns) + 1;
}

}  // namespace

FileCheck check_first_lines(Workspace& ws, FileTable& table, int row, std::string_view path,
                            const LoadedFile& file, const DataBlock& block, const DecodeSettings& settings,
                            FileDates& dates, DataSpan& span) {
  table.ecrire_case(row, "n°Lig intitulés", block.title < 1 ? " -" : " " + std::to_string(block.title + 1));
  const std::string_view first_line = file.line_or_empty(block.first);
  const int digits = compter_numeriques(first_line);
  const int letters = compter_lettres(first_line);
  if (digits < letters) {
    if (abandon_for_titles(ws, row, path, first_line, digits, letters)) return FileCheck::abandon;
    table.ecrire_case(row, "n°Lig intitulés", " ? ");
  }
  read_date(ws, file, block.first, settings, dates.first_text, dates.first);
  if (dates.first_text.find("//") != std::string::npos) {
    const Answer answer =
        ws.ui().ask(MessageType::Warning, kYesNo,
                    "Problème de date : vérifier le n° de la colonne Date \n\n Annuler ce traitement ?");
    if (answer == Answer::Yes) return FileCheck::abandon;
  }
  // Without its end marker a file ends with its last line that reads as a
  // date, as its pre-reading found.
  const long long last =
      block.last >= 0 ? block.last
                      : last_dated_line(file, block, settings.pattern, [&settings](std::string_view line) {
                          return date_value_of(line, settings);
                        });
  read_date(ws, file, last, settings, dates.last_text, dates.last);
  if (dates.last <= dates.first) table.ecrire_case(row, "correction", "à faire");
  table.ecrire_case(row, "date dep", shown_date(dates.first_text));
  table.ecrire_case(row, "date fin", shown_date(dates.last_text));
  span.widen(dates.first);
  span.widen(dates.last);
  const long long lines = static_cast<long long>(file.size());
  // An outlined file's line count is known once its lines are read.
  if (!file.line_count_provisional())
    ws.set_caption("Label26", format_grouped(lines - block.first - block.marker));

  table.ecrire_case(row, "nb Colonnes", " " + std::to_string(column_count(first_line, settings)));
  return FileCheck::go_on;
}

}  // namespace talve
