// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batch_period.h"

#include <gtest/gtest.h>

#include "app/batch_options.h"
#include "core/data_description.h"

namespace talve {
namespace {

struct StepCase {
  const char* text;
  bool reads;
  StepKind kind;
  int count;
  int seconds;
};

TEST(BatchPeriod, StepOptions) {
  const StepCase cases[] = {
      {"00:15:00", true, StepKind::Time, 1, 900},   {"23:59:59", true, StepKind::Time, 1, 86399},
      {"1 jour", true, StepKind::Day, 1, 0},        {"2 jours", true, StepKind::Day, 2, 0},
      {"3 mois", true, StepKind::Month, 3, 0},      {"1 année", true, StepKind::Year, 1, 0},
      {"400 années", true, StepKind::Year, 400, 0}, {"00:00:00", false, StepKind::Time, 1, 0},
      {"24:00:00", false, StepKind::Time, 1, 0},    {"0:15:00", false, StepKind::Time, 1, 0},
      {"0 jour", false, StepKind::Time, 1, 0},      {"401 jours", false, StepKind::Time, 1, 0},
      {"1 semaine", false, StepKind::Time, 1, 0},   {"jour", false, StepKind::Time, 1, 0},
  };
  for (const StepCase& c : cases) {
    Period period;
    period.step_time = 0;
    EXPECT_EQ(read_step_option(c.text, period), c.reads) << c.text;
    if (!c.reads) continue;
    EXPECT_EQ(period.step_kind, c.kind) << c.text;
    EXPECT_EQ(period.step_count, c.count) << c.text;
    EXPECT_EQ(whole_seconds(period.step_time), c.seconds) << c.text;
  }
}

TEST(BatchPeriod, DefaultsComeFromTheLastRun) {
  DataDescription d;
  d.assign("Label_min_dsc.caption", "01/03/2024");
  d.assign("Label_max_dsc.caption", "02/03/2024 12:00:00");
  d.assign("Label_pas_dsc.caption", "00:30:00");
  BatchOptions options;
  std::string error;
  const auto period = batch_period(options, d, error);
  ASSERT_TRUE(period) << error;
  EXPECT_EQ(period->start_caption, "01/03/2024 00:00:00");
  EXPECT_EQ(period->end_caption, "02/03/2024 12:00:00");
  EXPECT_EQ(whole_seconds(period->step_time), 1800);
  EXPECT_EQ(period->date_test, DateTest::LessOrEqual);

  options.start = "05/03/2024 00:00:00";
  options.date_test = "lt";
  const auto chosen = batch_period(options, d, error);
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->start_caption, "05/03/2024 00:00:00");
  EXPECT_EQ(chosen->date_test, DateTest::Strict);
}

}  // namespace
}  // namespace talve
