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
    : m_settings(settings),
      m_step_window(nearest_count(6 * settings.step_days * static_cast<double>(kMillisecondsPerDay))),
      m_offset(to_milliseconds(settings.applied_offset())),
      m_drift_start(to_milliseconds(settings.drift_start)) {
  // Without a span to spread it over, the drift is taken as nothing.
  const std::int64_t span = to_milliseconds(settings.drift_observed) - m_drift_start;
  if (settings.drift_active && span != 0) {
    m_drift_rate = static_cast<double>(to_milliseconds(settings.drift_amount)) / static_cast<double>(span);
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
  const double mean_ms =
      static_cast<double>(counters.interval_sum) / static_cast<double>(counters.interval_count);
  const double mean_seconds = mean_ms / 1000;
  std::string minimum = " ---";
  if (counters.interval_min != StepCounters::kNoInterval && counters.interval_min > 0) {
    minimum = " " + format_0_0(static_cast<double>(counters.interval_min) / 1000) + " s";
  }
  if (mean_seconds <= 900) return " " + ("  " + format_0_0(mean_seconds) + " s") + " /" + minimum;
  return " " + format_time(mean_ms / static_cast<double>(kMillisecondsPerDay) + kOneSecond) + " /" + minimum;
}

}  // namespace talve
