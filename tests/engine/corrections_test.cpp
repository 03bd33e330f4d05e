// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/corrections.h"

#include <gtest/gtest.h>

#include "core/workspace.h"
#include "grid_fixture.h"
#include "support/scripted_interface.h"
#include "text/system_locale.h"

namespace talve {
namespace {

using testing::at;

CorrectionSettings quarter_step() {
  CorrectionSettings s;
  s.step_days = 900 * kOneSecond;
  return s;
}

// Corrects the instants in order and returns them as texts.
std::vector<std::string> corrected(InstantCorrector& corrector, const std::vector<TDateTime>& instants,
                                   TrackingLog& log) {
  std::vector<std::string> out;
  long long k = 1;
  for (TDateTime t : instants)
    out.push_back(format_canonical(from_milliseconds(corrector.correct(t, k++, format_canonical(t), log))));
  return out;
}

TEST(Corrections, RepeatedInstantIsComparedWithTheCorrectedOne) {
  TrackingLog log;
  CorrectionSettings s = quarter_step();
  s.add_second_if_equal = true;
  InstantCorrector only_seconds(s);
  only_seconds.begin_file();
  const TDateTime ten = at("07/11/2021 10:00:00");
  EXPECT_EQ(corrected(only_seconds, {ten, ten, ten}, log),
            (std::vector<std::string>{"07/11/2021 10:00:00", "07/11/2021 10:00:01", "07/11/2021 10:00:00"}));
  EXPECT_EQ(only_seconds.counters().one_second, 1);

  s.add_day_if_backward = true;
  InstantCorrector both(s);
  both.begin_file();
  EXPECT_EQ(corrected(both, {ten, ten, ten}, log),
            (std::vector<std::string>{"07/11/2021 10:00:00", "07/11/2021 10:00:01", "08/11/2021 10:00:00"}));
  EXPECT_EQ(both.counters().one_day, 1);
}

TEST(Corrections, BackwardInstantMovesOneDay) {
  TrackingLog log;
  CorrectionSettings s = quarter_step();
  s.add_day_if_backward = true;
  InstantCorrector corrector(s);
  corrector.begin_file();
  EXPECT_EQ(corrected(corrector, {at("07/11/2021 23:50:00"), at("07/11/2021 00:10:00")}, log),
            (std::vector<std::string>{"07/11/2021 23:50:00", "08/11/2021 00:10:00"}));
}

TEST(Corrections, UnreadDateCountsAsABackwardStep) {
  TrackingLog log;
  CorrectionSettings s = quarter_step();
  s.add_day_if_backward = true;
  InstantCorrector corrector(s);
  corrector.begin_file();
  corrector.correct(at("07/11/2021 10:00:00"), 1, "", log);
  EXPECT_EQ(corrector.correct(0, 2, "", log), kMillisecondsPerDay);
  EXPECT_EQ(corrector.counters().one_day, 1);
}

TEST(Corrections, OnlyTheFirstTwoCorrectionsAreTraced) {
  testing::ScriptedInterface ui;
  TrackingLog log(&ui);
  CorrectionSettings s = quarter_step();
  s.add_second_if_equal = true;
  s.add_day_if_backward = true;
  InstantCorrector corrector(s);
  corrector.begin_file();
  const TDateTime t = at("07/11/2021 10:00:00");
  // Each line repeats the corrected instant before it.
  const TDateTime t1 = t + kOneSecond;
  const TDateTime t2 = t1 + kOneSecond;
  corrector.correct(t, 1, "a", log);
  corrector.correct(t, 2, "b", log);   // +1s
  corrector.correct(t1, 3, "c", log);  // +1s
  corrector.correct(t2, 4, "d", log);  // +1s, not traced
  corrector.correct(t, 5, "e", log);   // +1j
  EXPECT_EQ(ui.tracking, (std::vector<std::string>{"2 : + 1s à b", "3 : + 1s à c", "5 : + 1j à e"}));
  EXPECT_EQ(corrector.counters().one_second, 3);
  EXPECT_EQ(corrector.counters().one_day, 1);
  // A new file starts again from zero.
  corrector.begin_file();
  EXPECT_EQ(corrector.counters().one_second, 0);
  corrector.correct(t, 1, "f", log);
  EXPECT_EQ(corrector.counters().one_second, 0);
}

TEST(Corrections, DriftGrowsLinearlyFromItsStart) {
  TrackingLog log;
  CorrectionSettings s = quarter_step();
  s.drift_active = true;
  s.drift_amount = 60 * kOneSecond;
  s.drift_start = 0;
  s.drift_observed = 10;
  InstantCorrector corrector(s);
  corrector.begin_file();
  EXPECT_EQ(corrector.correct(5, 1, "", log) - 5 * kMillisecondsPerDay, 30'000);
  EXPECT_EQ(corrector.correct(20, 2, "", log) - 20 * kMillisecondsPerDay, 120'000);
  // Without a span between its start and its observation there is none.
  s.drift_observed = s.drift_start;
  InstantCorrector flat(s);
  flat.begin_file();
  EXPECT_EQ(flat.correct(5, 1, "", log), 5 * kMillisecondsPerDay);
}

TEST(Corrections, OffsetMovesInstantsOnlyWhenActive) {
  // The offset used to be added even with "activer le décalage mesure"
  // unchecked, which only decided whether the run asked about it.
  TrackingLog log;
  CorrectionSettings s = quarter_step();
  s.offset = 1 + 3600 * kOneSecond;
  InstantCorrector inactive(s);
  inactive.begin_file();
  const TDateTime t = at("07/11/2021 10:00:00");
  EXPECT_EQ(format_canonical(from_milliseconds(inactive.correct(t, 1, "", log))), "07/11/2021 10:00:00");
  s.offset_active = true;
  InstantCorrector active(s);
  active.begin_file();
  EXPECT_EQ(format_canonical(from_milliseconds(active.correct(t, 1, "", log))), "08/11/2021 11:00:00");
}

TEST(Corrections, SettingsFromTheDescription) {
  testing::ScriptedInterface ui;
  Workspace ws(ui);
  ws.offset_days = 2;
  ws.description.assign("TimePicker_decalage", "01:30:00");
  ws.description.assign("RadioButton_decalage_negatif.Checked", "true");
  ws.description.assign("CheckBox_decalage_actif.Checked", "true");
  ws.description.assign("TimePicker_derive_reelle", "10:01:00");
  ws.description.assign("TimePicker_derive_erronee", "10:00:00");
  ws.description.assign("DateTimePicker_debut_derive", "01/11/2021");
  ws.description.assign("DateTimePicker_constat_derive", "11/11/2021 12:00:00");
  ws.period.step_kind = StepKind::Day;
  ws.period.step_count = 3;
  const CorrectionSettings s = CorrectionSettings::read(ws);
  EXPECT_NEAR(s.offset, -(2 + 1.5 / 24), 1e-12);
  EXPECT_EQ(s.applied_offset(), s.offset);
  EXPECT_NEAR(s.drift_amount * kSecondsPerDay, 60, 1e-6);
  EXPECT_EQ(s.drift_start, at("01/11/2021 00:00:00"));
  EXPECT_EQ(s.drift_observed, at("11/11/2021 12:00:00"));
  EXPECT_EQ(s.step_days, 3);
}

TEST(Corrections, ObservedStep) {
  set_system_decimal_separator(',');
  TrackingLog log;
  InstantCorrector corrector(quarter_step());
  corrector.begin_file();
  EXPECT_EQ(observed_step_text(corrector.counters()), " ---");
  const TDateTime t = at("07/11/2021 10:00:00");
  // 60 s and 90 s apart; then a jump of seven steps, not counted.
  for (TDateTime x :
       {t, t + 60 * kOneSecond, t + 150 * kOneSecond, t + 150 * kOneSecond + 7 * 900 * kOneSecond})
    corrector.correct(x, 1, "", log);
  EXPECT_EQ(corrector.counters().interval_count, 2);
  EXPECT_EQ(observed_step_text(corrector.counters()), "   75 s / 60 s");

  StepCounters long_steps;
  long_steps.interval_sum = 2 * 3600'000;
  long_steps.interval_count = 2;
  long_steps.interval_min = 1800'000;
  EXPECT_EQ(observed_step_text(long_steps), " 01:00:01 / 1800 s");

  StepCounters fractions;
  fractions.interval_sum = 1'500;
  fractions.interval_count = 1;
  EXPECT_EQ(observed_step_text(fractions), "   1,5 s / ---");
}

// Only intervals shorter than six steps make the observed step: a gap of
// six steps or more is an interruption of the logger, not its pace.
TEST(Corrections, ObservedStepTakesIntervalsShorterThanSixSteps) {
  struct Case {
    long long seconds;  // from one line to the next
    int counted;
  };
  const Case cases[] = {{6 * 900 - 1, 1}, {6 * 900, 0}, {6 * 900 + 1, 0}, {1, 1}, {0, 0}, {-60, 0}};
  const TDateTime t = at("07/11/2021 10:00:00");
  for (const Case& c : cases) {
    TrackingLog log;
    InstantCorrector corrector(quarter_step());
    corrector.begin_file();
    corrector.correct(t, 1, "", log);
    corrector.correct(t + static_cast<double>(c.seconds) * kOneSecond, 2, "", log);
    EXPECT_EQ(corrector.counters().interval_count, c.counted) << c.seconds;
  }
}

}  // namespace
}  // namespace talve
