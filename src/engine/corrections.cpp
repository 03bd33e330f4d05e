// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/corrections.h"

#include "core/workspace.h"
#include "engine/run_step.h"
#include "text/system_locale.h"
#include "text/text_utils.h"

namespace talve {
namespace {

// The "#0.#" format: one decimal at most, none when it is 0, the system
// decimal separator.
std::string format_0_0(double value) {
  std::string text = format_fixed(value, 1);
  if (text.size() >= 2 && text.compare(text.size() - 2, 2, ".0") == 0) text.resize(text.size() - 2);
  if (text == "-0") text = "0";
  for (char& c : text)
    if (c == '.') c = system_decimal_separator();
  return text;
}

}  // namespace

CorrectionSettings CorrectionSettings::read(const Workspace& ws) {
  const DataDescription& d = ws.description;
  CorrectionSettings s;
  s.add_second_if_equal = d.checked("CheckBox_correction_si_t1egalt2.Checked");
  s.add_day_if_backward = d.checked("CheckBox_correction_si_t1supt2.Checked");
  s.offset_active = d.checked("CheckBox_decalage_actif.Checked");
  s.offset = ws.offset_days + d.time("TimePicker_decalage");
  if (d.checked("RadioButton_decalage_negatif.Checked")) s.offset = -s.offset;
  s.drift_active = d.checked("CheckBox_derive_active.Checked");
  s.drift_amount = d.time("TimePicker_derive_reelle") - d.time("TimePicker_derive_erronee");
  s.drift_start = d.time("DateTimePicker_debut_derive");
  s.drift_observed = d.time("DateTimePicker_constat_derive");
  s.step_days = run_step_days(ws.period);
  return s;
}

InstantCorrector::InstantCorrector(const CorrectionSettings& settings)
    : m_settings(settings), m_step_window(6 * settings.step_days), m_offset(settings.applied_offset()) {
  // Without a span to spread it over, the drift is taken as nothing.
  if (settings.drift_active && settings.drift_observed != settings.drift_start) {
    m_drift_rate = settings.drift_amount / (settings.drift_observed - settings.drift_start);
  }
}

void InstantCorrector::begin_file() {
  m_previous = 0;
  m_counters = StepCounters();
}

void InstantCorrector::trace(TraceSink& log, long long line_number, bool day, std::string_view instant_text) {
  log.ajout_suivi(std::to_string(line_number) + (day ? " : + 1j à " : " : + 1s à ") +
                  std::string(instant_text));
}

std::string observed_step_text(const StepCounters& counters) {
  if (counters.interval_count == 0) return " ---";
  const double mean = counters.interval_sum / static_cast<double>(counters.interval_count);
  const double mean_seconds = mean * kSecondsPerDay;
  std::string minimum = " ---";
  if (counters.interval_min != 9999 && counters.interval_min > 0) {
    minimum = " " + format_0_0(counters.interval_min * kSecondsPerDay) + " s";
  }
  if (mean_seconds <= 900) return " " + ("  " + format_0_0(mean_seconds) + " s") + " /" + minimum;
  return " " + format_time(mean + kOneSecond) + " /" + minimum;
}

}  // namespace talve
