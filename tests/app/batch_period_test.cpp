// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batch_period.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

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

TEST(BatchPeriod, WithPeriodDscTheBoundsComeFromTheLastRun) {
  DataDescription d;
  d.assign("Label_min_dsc.caption", "01/03/2024");
  d.assign("Label_max_dsc.caption", "02/03/2024 12:00:00");
  d.assign("Label_pas_dsc.caption", "00:30:00");
  BatchOptions options;
  options.period = "dsc";
  std::string error;
  const auto period = batch_period(options, d, error);
  ASSERT_TRUE(period) << error;
  EXPECT_FALSE(period->needs_data());
  EXPECT_EQ(period->period.start_caption, "01/03/2024 00:00:00");
  EXPECT_EQ(period->period.end_caption, "02/03/2024 12:00:00");
  EXPECT_EQ(whole_seconds(period->period.step_time), 1800);
  EXPECT_EQ(period->period.date_test, DateTest::LessOrEqual);

  options.start = "05/03/2024 00:00:00";
  options.date_test = "lt";
  const auto chosen = batch_period(options, d, error);
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->period.start_caption, "05/03/2024 00:00:00");
  EXPECT_EQ(chosen->start_origin, BoundOrigin::Option);
  EXPECT_EQ(chosen->end_origin, BoundOrigin::Description);
  EXPECT_EQ(chosen->period.date_test, DateTest::Strict);

  // By default the bounds wait for the listed files.
  const auto by_default = batch_period(BatchOptions{}, d, error);
  ASSERT_TRUE(by_default);
  EXPECT_TRUE(by_default->needs_data());
}

// The grid instants walked one by one from the start, the month and year
// steps with the calendar, and the rows that gather an instant, from their
// definition.
struct NaiveGrid {
  StepKind kind;
  int count;
  int step_seconds;
  DateTest test;

  CivilDateTime moved(CivilDateTime t, int direction) const {
    switch (kind) {
      case StepKind::Time:
        return decode_date_time(*encode_date_time(t) + direction * from_whole_seconds(step_seconds));
      case StepKind::Day:
        return decode_date_time(*encode_date_time(t) + direction * count);
      case StepKind::Month:
        for (int i = 0; i < count; ++i) {
          t.date.month += direction;
          if (t.date.month == 13) t.date = {t.date.year + 1, 1, t.date.day};
          if (t.date.month == 0) t.date = {t.date.year - 1, 12, t.date.day};
        }
        return t;
      case StepKind::Year:
        t.date.year += direction * count;
        return t;
    }
    return t;
  }
  // Does the row of instants[k] gather x? With "(inf strict)" and a
  // calendar step a row gathers the step from its instant, which the grid
  // must hold the end of.
  bool gathers(const std::vector<TDateTime>& g, std::size_t k, TDateTime x) const {
    if (test == DateTest::LessOrEqual) return g[k - 1] < x && x <= g[k];
    if (kind == StepKind::Time) return g[k - 1] <= x && x < g[k];
    return k + 1 <= g.size() - 2 && g[k] <= x && x < g[k + 1];
  }
};

// Random spans and steps: the bounds are aligned on the step, the first row
// of the grid they give gathers the earliest instant and its last row (for
// a calendar step with "(inf strict)", the row before it, the last one
// gathering beyond the grid) the latest one.
TEST(BatchPeriod, BoundsFromTheDataGatherTheFirstAndLastInstants) {
  std::mt19937 random(4);
  const int steps_in_seconds[] = {1, 60, 600, 900, 1800, 3600, 10800, 86399};
  for (int i = 0; i < 1500; ++i) {
    const auto kind = static_cast<StepKind>(random() % 4);
    const NaiveGrid grid{kind, 1 + static_cast<int>(random() % 3),
                         steps_in_seconds[random() % std::size(steps_in_seconds)],
                         random() % 2 ? DateTest::Strict : DateTest::LessOrEqual};
    const std::int64_t base = 45000LL * 86400 + static_cast<std::int64_t>(random() % (400LL * 86400));
    const std::int64_t span =
        static_cast<std::int64_t>(random() % (kind == StepKind::Time ? 3 * 86400 : 800 * 86400));
    const TDateTime earliest = from_whole_seconds(base);
    const TDateTime latest = from_whole_seconds(base + span);

    talve::BatchPeriod period;
    period.period.step_kind = kind;
    period.period.step_count = grid.count;
    period.period.step_time = from_whole_seconds(grid.step_seconds);
    period.period.date_test = grid.test;
    std::string error;
    ASSERT_TRUE(bounds_from_data(period, earliest, latest, error)) << error;
    const TDateTime start = *parse_canonical(period.period.start_caption);
    const TDateTime end = *parse_canonical(period.period.end_caption);
    const std::string what = period.period.start_caption + " .. " + period.period.end_caption + " for " +
                             format_canonical(earliest) + " .. " + format_canonical(latest);

    const CivilDateTime s = decode_date_time(start);
    if (kind == StepKind::Time) {
      ASSERT_EQ(whole_seconds(start) % grid.step_seconds, 0) << what;
    } else {
      ASSERT_EQ(s.time.hour * 3600 + s.time.minute * 60 + s.time.second, 0) << what;
      ASSERT_TRUE(kind == StepKind::Day || s.date.day == 1) << what;
      ASSERT_TRUE(kind != StepKind::Year || s.date.month == 1) << what;
    }
    // One step before the start, the instants up to the end (which must be
    // one of them), one step after.
    std::vector<TDateTime> g{*encode_date_time(grid.moved(s, -1))};
    CivilDateTime t = s;
    for (; whole_seconds(*encode_date_time(t)) <= whole_seconds(end); t = grid.moved(t, 1))
      g.push_back(*encode_date_time(t));
    ASSERT_EQ(whole_seconds(g.back()), whole_seconds(end)) << what;
    g.push_back(*encode_date_time(t));
    const bool calendar_strict = grid.test == DateTest::Strict && kind != StepKind::Time;
    const std::size_t last = g.size() - (calendar_strict ? 3 : 2);
    ASSERT_GE(last, 1u) << what;
    ASSERT_TRUE(grid.gathers(g, 1, earliest)) << what;
    ASSERT_TRUE(grid.gathers(g, last, latest)) << what;
  }
}

}  // namespace
}  // namespace talve
