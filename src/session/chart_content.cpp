// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/chart_content.h"

#include "engine/period_values.h"
#include "output/chart_look.h"
#include "session/memory_shortage.h"
#include "session/session.h"
#include "text/text_utils.h"

namespace talve {
namespace {

constexpr const char* kColumnsKey = "suite_coche_liste_graph";
constexpr const char* kDerivativesKey = "suite_coche_liste_graph_deriv";
constexpr int kSmallPointsAbove = 10000;

// Lines fell in the rows the result holds, 2..n.
bool result_has_lines(const ResultTable& table) {
  if (table.map.empty()) return false;
  for (int row = 2; row <= table.grid_count; ++row)
    if (table.nb(row) != 0) return true;
  return false;
}

}  // namespace

ChartContent open_chart_content(Session& s) {
  ChartContent content;
  const ResultTable& table = s.results;
  content.generation = table.generation;
  content.items = chart_items(table.map);
  const int count = static_cast<int>(content.items.size());
  DataDescription& description = s.description;
  if (!trim_view(description.text(kColumnsKey)).empty() || count == 0) {
    content.columns = checks_from_text(description.text(kColumnsKey), count);
    content.derivatives = checks_from_text(description.text(kDerivativesKey), count);
  } else {
    content.columns = dealt_checks(count);
    content.derivatives = checks_from_text("", count);
    description.assign(kColumnsKey, check_state_text(content.columns));
    description.assign(kDerivativesKey, check_state_text(content.derivatives));
    description.mark_modified();
  }
  content.start_caption = s.period.start_caption;
  content.end_caption = s.period.end_caption;
  content.count_caption = s.period.count_caption;
  content.step_caption = chart_step_caption(s.period);
  content.step_days = static_cast<double>(step_seconds(s.period)) / 86400.0;
  content.no_data = !result_has_lines(table);
  return content;
}

bool chart_points_start_small(const Session& s) { return s.grid.count() > kSmallPointsAbove; }

void keep_chart_checks(Session& s, const ChartChecks& columns, const ChartChecks& derivatives) {
  s.description.assign(kColumnsKey, check_state_text(columns));
  s.description.assign(kDerivativesKey, check_state_text(derivatives));
}

void chart_list_clicked(Session& s) { s.description.mark_modified(); }

bool forget_chart_checks(Session& s) {
  if (s.ui().ask(MessageType::Confirmation, kYesNo,
                 " cocher toutes les colonnes en les  \n dispatchant sur les 5 graphiques ? \n") !=
      Answer::Yes)
    return false;
  s.description.assign(kColumnsKey, "");
  s.description.assign(kDerivativesKey, "");
  return true;
}

void tell_no_chart_data(Session& s) {
  s.ui().message(" aucune donnée, vérifier la période et le traitement...");
}

void tell_chart_memory_shortage(Session& s) {
  s.ui().ask(MessageType::Error, kOkButton,
             " graphiques : " + kMemoryShortage + "\n\n cocher moins de colonnes ou raccourcir la période ");
}

bool chart_rows_readable(const Session& s, unsigned long long generation) {
  return !s.flags.busy && !s.flags.running && s.results.generation == generation;
}

}  // namespace talve
