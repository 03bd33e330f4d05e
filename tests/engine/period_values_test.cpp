// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/period_values.h"

#include <gtest/gtest.h>

#include "core/workspace.h"
#include "engine/count_preview.h"
#include "engine/run_step.h"
#include "support/scripted_interface.h"

namespace talve {
namespace {

using testing::ScriptedInterface;

TEST(PeriodValues, StepDescriptions) {
  struct Case {
    StepKind kind;
    int count;
    TDateTime time;
    const char* result_file;
    const char* report;
    std::int64_t seconds;
  };
  const std::vector<Case> cases = {
      {StepKind::Time, 3, encode_time(0, 15, 0), "00:15:00", "00:15:00", 900},
      // The picker's date part is not part of the step, nor is its sign.
      {StepKind::Time, 1, 2.0 + encode_time(1, 2, 3), "01:02:03", "01:02:03", 3723},
      {StepKind::Time, 1, -encode_time(0, 10, 0), "00:10:00", "00:10:00", 600},
      {StepKind::Day, 1, 0.0, "1 jour", "1 jour", 86400},
      {StepKind::Day, 2, 0.0, "2 jours", "2 jour", 2 * 86400},
      {StepKind::Month, 3, 0.0, "3 mois", "3 mois", 90 * 86400},
      {StepKind::Year, 1, 0.0, "1 année", "1 année", 365 * 86400},
      {StepKind::Year, 2, 0.0, "2 années", "2 année", 730 * 86400},
  };
  for (const Case& c : cases) {
    Period period;
    period.step_kind = c.kind;
    period.step_count = c.count;
    period.step_time = c.time;
    EXPECT_EQ(step_description(period), c.result_file);
    EXPECT_EQ(step_description_report(period), c.report);
    EXPECT_EQ(step_seconds(period), c.seconds) << c.result_file;
    // The engine's step in days is the same step.
    EXPECT_EQ(run_step_days(period), from_whole_seconds(c.seconds)) << c.result_file;
  }
}

TEST(PeriodValues, RoundingHalvesToEven) {
  struct Case {
    std::int64_t numerator, denominator, expected;
  };
  for (const Case& c :
       {Case{1, 2, 0}, Case{3, 2, 2}, Case{5, 2, 2}, Case{7, 2, 4}, Case{-1, 2, 0}, Case{-3, 2, -2},
        Case{-5, 2, -2}, Case{7, 3, 2}, Case{8, 3, 3}, Case{-7, 3, -2}, Case{-8, 3, -3}}) {
    EXPECT_EQ(round_half_even(c.numerator, c.denominator), c.expected) << c.numerator << "/" << c.denominator;
  }
  EXPECT_EQ(floor_div(-1, 3), -1);
  EXPECT_EQ(floor_div(-3, 3), -1);
  EXPECT_EQ(floor_div(4, 3), 1);
}

TEST(PeriodValues, InstantsBeforeTheOriginStayOnAStraightLine) {
  for (const std::int64_t seconds : {-200000LL, -86400LL, -43200LL, -1LL, 0LL, 1LL, 43200LL, 3786912000LL}) {
    EXPECT_EQ(instant_seconds(instant_value(seconds)), seconds) << seconds;
  }
  EXPECT_EQ(format_canonical(instant_value(-43200)), "29/12/1899 12:00:00");
}

TEST(PeriodValues, CaptionsAndWeekdays) {
  ScriptedInterface ui;
  Workspace ws(ui);
  set_start_caption(ws, *encode_date(2021, 11, 7) + encode_time(6, 30, 0));
  set_end_caption(ws, *encode_date(2021, 11, 8));
  EXPECT_EQ(ws.period.start_caption, "07/11/2021 06:30:00");
  EXPECT_EQ(ui.captions["Label_temps_deb"], "07/11/2021 06:30:00");
  EXPECT_EQ(ui.captions["Label_jour_semaine_deb"], "dimanche");
  EXPECT_EQ(ws.period.end_caption, "08/11/2021 00:00:00");
  EXPECT_EQ(ui.captions["Label_jour_semaine_fin"], "lundi");
  EXPECT_EQ(period_start(ws), *encode_date(2021, 11, 7) + encode_time(6, 30, 0));
}

TEST(PeriodValues, CaptionsAreReadLeniently) {
  ScriptedInterface ui;
  Workspace ws(ui);
  ws.period.start_caption = " 2021-11-07 06:30 ";
  EXPECT_EQ(period_start(ws), *encode_date(2021, 11, 7) + encode_time(6, 30, 0));
  ws.period.end_caption = "31/02/2022 10:00:00";
  EXPECT_EQ(period_end(ws), 0.0);
  EXPECT_EQ(ws.log.lines().back(), " * erreur date : 31/02/2022 10:00:00   <31/02/2022 10:00:00>");
}

TEST(CountPreview, CaptionsAndColours) {
  struct Case {
    const char* name;
    const char* start;
    const char* end;
    TDateTime step;
    const char* caption;
    CountColour colour;
    bool counted;
  };
  const std::vector<Case> cases = {
      {"default period", "07/11/2021 00:00:00", "08/11/2021 10:00:00", encode_time(0, 15, 0), "136 => 1 jour",
       CountColour::Blue, true},
      {"an odd number of steps rounds up", "07/11/2021 00:00:00", "07/11/2021 00:45:00",
       encode_time(0, 15, 0), "4", CountColour::Blue, true},
      {"thousands grouped", "01/01/2021 00:00:00", "11/01/2021 00:00:00", encode_time(0, 0, 1),
       "864 000 => 10 jours", CountColour::Blue, true},
      {"end before start", "08/11/2021 10:00:00", "07/11/2021 00:00:00", encode_time(0, 15, 0),
       "-136 => 1 jour", CountColour::Red, true},
      {"zero step", "07/11/2021 00:00:00", "08/11/2021 10:00:00", 0.0, "---", CountColour::Unchanged, false},
      {"end equal to start", "07/11/2021 00:00:00", "07/11/2021 00:00:00", encode_time(0, 15, 0), "---",
       CountColour::Unchanged, false},
  };
  for (const Case& c : cases) {
    ScriptedInterface ui;
    Workspace ws(ui);
    ws.period.start_caption = c.start;
    ws.period.end_caption = c.end;
    ws.period.step_time = c.step;
    const CountCaption caption = count_preview(ws);
    EXPECT_EQ(caption.text, c.caption) << c.name;
    EXPECT_EQ(caption.colour, c.colour) << c.name;
    EXPECT_EQ(ui.captions["Label25"], c.caption) << c.name;
    EXPECT_EQ(ws.period.count_caption, c.caption) << c.name;
    EXPECT_EQ(ws.period.changed, c.counted) << c.name;
  }
}

}  // namespace
}  // namespace talve
