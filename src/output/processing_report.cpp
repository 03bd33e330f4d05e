// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/processing_report.h"

#include "core/settings_table.h"
#include "core/workspace.h"
#include "engine/aggregation.h"
#include "engine/period_values.h"
#include "files/file_table.h"

namespace talve {
namespace {

std::string choice_caption(std::string_view key, int choice) {
  const auto captions = choice_captions(key);
  if (choice < 0 || static_cast<std::size_t>(choice) >= captions.size()) return {};
  return std::string(captions[static_cast<std::size_t>(choice)]);
}

}  // namespace

std::string date_test_caption(DateTest test) {
  return test == DateTest::Strict ? "(inf strict)" : "(inf ou =)";
}

std::string difference_caption(bool delta) {
  return delta ? "  calcul des delta Y (rétro cumul)  y(i) - y(i-1) "
               : "  calcul des dérivées (rétro cumul) [y(i) - y(i-1)] / pas";
}

ReportHeader ReportHeader::read(const Workspace& ws, std::string pattern_line, int grid_count) {
  const DataDescription& d = ws.description;
  ReportHeader header;
  header.description_name = d.file_name();
  header.mask = d.text("Edit_masque.text");
  header.separator_caption = choice_caption("RadioGroup_separateur_colonne_ItemIndex",
                                            d.choice("RadioGroup_separateur_colonne_ItemIndex"));
  header.method_caption = talve::method_caption(method_from_choice(d.choice("RadioGroup_methode_ItemIndex")));
  header.delta = d.checked("CheckBox_delta_Y.Checked");
  header.derivative = d.checked("CheckBox_derivees.Checked");
  header.pattern_line = std::move(pattern_line);
  header.date_test = ws.period.date_test;
  header.step_text = step_description_report(ws.period);
  header.start_caption = ws.period.start_caption;
  header.end_caption = ws.period.end_caption;
  header.grid_count = grid_count;
  return header;
}

std::vector<std::string> column_method_lines(const ColumnMap& map) {
  std::vector<std::string> lines;
  if (map.methods.empty()) return lines;
  for (int j = 2; j < map.count; ++j) {
    const auto index = static_cast<std::size_t>(j);
    lines.push_back("   " + map.titles[index] + " = (" + method_caption(map.methods[index]) + ")");
  }
  return lines;
}

std::vector<std::string> report_header_lines(const ReportHeader& h) {
  std::vector<std::string> lines;
  lines.emplace_back(" SUIVI DU TRAITEMENT : TABLEAU DES FICHIERS");
  lines.emplace_back("");
  lines.push_back("  Description de données : " + h.description_name);
  lines.push_back(" extention " + h.mask);
  lines.push_back(" séparateur IN = (" + h.separator_caption + ")");
  lines.push_back(" méthode de calcul = (" + h.method_caption + ")");
  if (!h.column_methods.empty()) {
    lines.emplace_back(" méthode de chaque colonne :");
    lines.insert(lines.end(), h.column_methods.begin(), h.column_methods.end());
  }
  if (h.delta || h.derivative) lines.push_back(difference_caption(h.delta));
  lines.push_back(h.pattern_line);
  lines.push_back(" test des dates = (" + date_test_caption(h.date_test) + ")");
  lines.push_back(" pas = (" + h.step_text + ")");
  lines.push_back(" période du " + h.start_caption + " au " + h.end_caption);
  lines.push_back(" nombre de résultats = " + std::to_string(h.grid_count - 1));
  lines.emplace_back("");
  return lines;
}

std::vector<std::string> file_table_lines(const FileTable& table) {
  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(table.row_count()));
  for (int row = 0; row < table.row_count(); ++row) {
    std::string line;
    for (int column = 0; column < table.column_count(); ++column) line += " \t" + table.cell(row, column);
    lines.push_back(std::move(line));
  }
  return lines;
}

std::vector<std::string> report_file_lines(const ReportHeader& header, const FileTable& table,
                                           const std::vector<std::string>& log) {
  std::vector<std::string> lines = report_header_lines(header);
  for (std::string& line : file_table_lines(table)) lines.push_back(std::move(line));
  lines.emplace_back("");
  lines.emplace_back(" Fenêtre de suivi");
  lines.insert(lines.end(), log.begin(), log.end());
  return lines;
}

}  // namespace talve
