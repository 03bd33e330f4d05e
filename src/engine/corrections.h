// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/step_tally.h"
#include "text/tdatetime.h"
#include "text/trace_sink.h"

namespace talve {

class Workspace;

// The instant corrections of a run, read once at its start.
struct CorrectionSettings {
  bool add_second_if_equal = false;  // `CheckBox_correction_si_t1egalt2`
  bool add_day_if_backward = false;  // `CheckBox_correction_si_t1supt2`
  bool offset_active = false;        // `CheckBox_decalage_actif`
  TDateTime offset = 0;              // days + time, negated for "-  négatif"
  bool drift_active = false;         // `CheckBox_derive_active`
  TDateTime drift_amount = 0;        // real time - logger time
  TDateTime drift_start = 0;         // `DateTimePicker_debut_derive`
  TDateTime drift_observed = 0;      // `DateTimePicker_constat_derive`
  TDateTime step_days = 0;           // the grid step in days

  static CorrectionSettings read(const Workspace& ws);
  // The offset the instants move by: nothing unless the offset is active.
  TDateTime applied_offset() const { return offset_active ? offset : 0; }
};

// What the corrections saw in one file, in milliseconds.
struct StepCounters {
  static constexpr std::int64_t kNoInterval = 9999 * kMillisecondsPerDay;
  std::int64_t interval_sum = 0;  // observed intervals shorter than six steps
  long long interval_count = 0;
  std::int64_t interval_min = kNoInterval;
  long long one_second = 0;  // "+1s" corrections
  long long one_day = 0;     // "+1j" corrections
};

// Corrects the instant of each line of a file, in file order: repeated
// instants pushed by one second, backward ones by one day (when asked),
// then the clock drift and the offset added; the observed step is measured
// on the raw instants. Everything is counted in whole milliseconds, so that
// an instant moved onto a grid instant is that instant, whatever correction
// brought it there, and is compared with the grid as such.
class InstantCorrector {
 public:
  InstantCorrector() = default;
  explicit InstantCorrector(const CorrectionSettings& settings);

  // A new file: previous instant 0, counters cleared.
  void begin_file();
  // The corrected instant of line k in milliseconds (t is 0 when its date
  // did not read); the first two corrections of each kind are traced as
  // k + " : + 1s à " + instant text (or " : + 1j à "). The instant text is
  // made only for a traced line.
  template <typename InstantText>
  std::int64_t correct_lazily(TDateTime raw, long long line_number, InstantText&& instant_text,
                              TraceSink& log) {
    std::int64_t t = to_milliseconds(raw);
    const std::int64_t d = t - m_previous;
    if (d > 0 && d < m_step_window) {
      m_counters.interval_sum += d;
      ++m_counters.interval_count;
      if (d < m_counters.interval_min) m_counters.interval_min = d;
    }
    // The first line of a file has no step before it.
    if (d > 0 && m_previous != 0) m_steps.add(d);
    if (t == m_previous) {
      if (m_settings.add_second_if_equal) {
        t += 1000;
        if (++m_counters.one_second <= kTraced) trace(log, line_number, false, instant_text());
      }
    } else if (t < m_previous && m_settings.add_day_if_backward) {
      t += kMillisecondsPerDay;
      if (++m_counters.one_day <= kTraced) trace(log, line_number, true, instant_text());
    }
    m_previous = t;
    std::int64_t corrected = t + m_offset;
    if (m_drift_rate != 0) corrected += nearest_count(m_drift_rate * static_cast<double>(t - m_drift_start));
    return corrected;
  }
  std::int64_t correct(TDateTime t, long long line_number, std::string_view instant_text, TraceSink& log) {
    return correct_lazily(
        t, line_number, [instant_text] { return instant_text; }, log);
  }

  const StepCounters& counters() const { return m_counters; }
  // The steps between consecutive raw instants of every file since the run
  // started, for the measurements an interval should receive.
  StepTally& steps() { return m_steps; }

 private:
  static constexpr long long kTraced = 2;
  static void trace(TraceSink& log, long long line_number, bool day, std::string_view instant_text);

  CorrectionSettings m_settings;
  std::int64_t m_step_window = 0;  // six steps
  std::int64_t m_offset = 0;
  // The drift per millisecond since its start, from the whole milliseconds
  // of its amount and span.
  double m_drift_rate = 0;
  std::int64_t m_drift_start = 0;
  std::int64_t m_previous = 0;
  StepCounters m_counters;
  StepTally m_steps;
};

// The FileTable text "pas moyen observé" of a file: " ---" without any
// interval; the mean in seconds ("  #0.# s") up to 900 s, beyond that the
// mean plus one second as hh:nn:ss; then " /" and the shortest interval
// (" #0.# s", or " ---").
std::string observed_step_text(const StepCounters& counters);

}  // namespace talve
