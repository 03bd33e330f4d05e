// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/period_file.h"

#include <cmath>
#include <optional>

#include "core/parameter_storage.h"
#include "core/picker_text.h"
#include "core/program_folder.h"
#include "core/workspace.h"
#include "text/text_utils.h"

namespace talve {
namespace {

enum PeriodLine { kStart = 1, kEnd, kStepTime, kCount, kStepCount, kDateTest, kStepKind };

constexpr int kMinStepCount = 1;
constexpr int kMaxStepCount = 400;

// A whole number within [low, high] on the line; nothing otherwise.
std::optional<int> read_bounded(const std::string& line, int low, int high) {
  int value = 0;
  if (!read_int(trim_view(line), value) || value < low || value > high) return std::nullopt;
  return value;
}

// The start or end caption: kept in its canonical form, with its weekday.
void apply_instant(Workspace& ws, const std::string& line, std::string& caption, const char* caption_control,
                   const char* weekday_control) {
  const auto value = read_picker_text(line);
  if (!value) return;
  caption = format_canonical(*value);
  ws.set_caption(caption_control, caption);
  ws.set_caption(weekday_control, weekday_name(*value));
}

}  // namespace

std::string period_file_path() { return program_file("talve.2dt"); }

void read_period_file(Workspace& ws) {
  const std::string path = period_file_path();
  Period& period = ws.period;
  const auto line = [&path](int n) { return lire_ligne_fichier(path, n); };

  apply_instant(ws, line(kStart), period.start_caption, "Label_temps_deb", "Label_jour_semaine_deb");
  apply_instant(ws, line(kEnd), period.end_caption, "Label_temps_fin", "Label_jour_semaine_fin");
  // Only the time of day of the step picker counts.
  if (const auto step = read_picker_text(line(kStepTime))) period.step_time = *step - std::floor(*step);
  if (const std::string count = line(kCount); !count.empty()) {
    period.count_caption = count;
    ws.set_caption("Label25", count);
  }
  if (const auto count = read_bounded(line(kStepCount), kMinStepCount, kMaxStepCount))
    period.step_count = *count;
  if (const auto test = read_bounded(line(kDateTest), 0, 1)) period.date_test = static_cast<DateTest>(*test);
  if (const auto kind = read_bounded(line(kStepKind), 0, 3)) period.step_kind = static_cast<StepKind>(*kind);
  show_step_kind(ws);
  period.changed = false;
}

bool write_period_file(Workspace& ws) {
  const std::string path = period_file_path();
  const Period& period = ws.period;
  const std::string values[] = {period.start_caption,
                                period.end_caption,
                                format_time(period.step_time),
                                period.count_caption,
                                std::to_string(period.step_count),
                                std::to_string(static_cast<int>(period.date_test)),
                                std::to_string(static_cast<int>(period.step_kind))};
  bool written = true;
  for (int n = kStart; n <= kStepKind; ++n)
    written = ecrire_parametre(values[n - 1], path, n, ws.ui()) && written;
  if (written) ws.period.changed = false;
  return written;
}

void show_step_kind(Workspace& ws) {
  const StepKind kind = ws.period.step_kind;
  const bool by_time = kind == StepKind::Time;
  ws.set_visible("TimePicker_pas", by_time);
  ws.set_visible("SpinEdit_pas_jour_mois_annee", !by_time);
  ws.set_visible("Label56", !by_time);
  ws.set_caption("Label56", kind == StepKind::Day     ? "jour"
                            : kind == StepKind::Month ? "mois"
                            : kind == StepKind::Year  ? "année"
                                                      : "");
}

}  // namespace talve
