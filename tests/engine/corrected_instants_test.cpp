// SPDX-License-Identifier: GPL-3.0-or-later
// An instant moved by the corrections (offset, drift, +1 s, +1 day) falls in
// the same grid row as the same instant written in the file.
#include <gtest/gtest.h>

#include <random>

#include "engine_run_fixture.h"

namespace talve {
namespace {

using testing::EngineRun;
using testing::regular_grid;
using Lines = std::vector<std::string>;

// The rows of a result without its title row, which names the offset.
Lines data_rows(const EngineRun& run) { return Lines(run.result.begin() + 1, run.result.end()); }

// One line every 15 minutes of 1 January 2021, its value the minutes since
// midnight, each instant moved by `shift_seconds` in the text.
Lines quarter_hour_lines(long long shift_seconds) {
  Lines lines{"date;minutes"};
  const long long midnight = whole_seconds(testing::at("01/01/2021 00:00:00"));
  for (int minutes = 0; minutes < 24 * 60; minutes += 15) {
    const TDateTime t = from_whole_seconds(midnight + minutes * 60 + shift_seconds);
    lines.push_back(format_canonical(t) + ";" + std::to_string(minutes));
  }
  return lines;
}

TEST(CorrectedInstants, HalfHourOffsetPutsOneLineInEachRow) {
  // 01:00 to 23:00 every 15 minutes: t0 = 00:45 and 89 written rows.
  const TimeGrid grid = regular_grid("01/01/2021 00:45:00", 900, 90);
  EngineRun moved;
  moved.set("CheckBox_decalage_actif.Checked", "true");
  moved.set("TimePicker_decalage", "00:30:00");
  moved.add_file("a.csv", quarter_hour_lines(0));
  ASSERT_TRUE(moved.run(grid, 1, "date\tminutes"));

  EngineRun written_later;
  written_later.add_file("a.csv", quarter_hour_lines(30 * 60));
  ASSERT_TRUE(written_later.run(grid, 1, "date\tminutes"));

  const Lines rows = data_rows(moved);
  ASSERT_EQ(rows.size(), 89u);
  EXPECT_EQ(rows.front(), "01/01/2021 01:00:00;30,00;1");
  EXPECT_EQ(rows[1], "01/01/2021 01:15:00;45,00;1");
  EXPECT_EQ(rows.back(), "01/01/2021 23:00:00;1350,00;1");
  EXPECT_EQ(rows, data_rows(written_later));
}

// What a case corrects, in whole seconds.
struct Corrections {
  bool add_second = false;
  bool add_day = false;
  bool offset_active = false;
  long long offset = 0;
  bool drift_active = false;
  long long drift_amount = 0;  // real time - logger time
  long long drift_start = 0;
  long long drift_span = 1;  // observation - start
};

// The instants of one file corrected as the run is meant to: in whole
// seconds, each compared with the previous corrected one.
std::vector<long long> corrected_seconds(const std::vector<long long>& raw, const Corrections& c) {
  std::vector<long long> out;
  long long previous = 0;
  for (long long t : raw) {
    if (t == previous && c.add_second) {
      t += 1;
    } else if (t < previous && c.add_day) {
      t += 86400;
    }
    previous = t;
    // Every case is chosen so that the drift is a whole number of seconds.
    const long long drift = c.drift_active ? c.drift_amount * (t - c.drift_start) / c.drift_span : 0;
    out.push_back(t + (c.offset_active ? c.offset : 0) + drift);
  }
  return out;
}

std::string time_text(long long seconds) { return format_time(from_whole_seconds(seconds)); }

void describe(EngineRun& run, const Corrections& c) {
  run.set("CheckBox_correction_si_t1egalt2.Checked", c.add_second ? "true" : "false");
  run.set("CheckBox_correction_si_t1supt2.Checked", c.add_day ? "true" : "false");
  run.set("CheckBox_decalage_actif.Checked", c.offset_active ? "true" : "false");
  const long long size = c.offset < 0 ? -c.offset : c.offset;
  run.ws.offset_days = static_cast<int>(size / 86400);
  run.set("TimePicker_decalage", time_text(size % 86400));
  run.set("RadioButton_decalage_positif.Checked", c.offset < 0 ? "false" : "true");
  run.set("RadioButton_decalage_negatif.Checked", c.offset < 0 ? "true" : "false");
  run.set("CheckBox_derive_active.Checked", c.drift_active ? "true" : "false");
  const long long logger = 12 * 3600;
  run.set("TimePicker_derive_erronee", time_text(logger));
  run.set("TimePicker_derive_reelle", time_text(logger + c.drift_amount));
  run.set("DateTimePicker_debut_derive", format_canonical(from_whole_seconds(c.drift_start)));
  run.set("DateTimePicker_constat_derive",
          format_canonical(from_whole_seconds(c.drift_start + c.drift_span)));
}

template <typename T, std::size_t N>
T pick(std::mt19937& random, const T (&choices)[N]) {
  return choices[random() % N];
}

// What the cases went through, so that the test cannot pass on lines that
// all fall outside the grid or that nothing corrected.
struct Coverage {
  long long lines = 0;
  long long in_grid = 0;
  long long one_second = 0;
  long long one_day = 0;
};

// Raw instants on a lattice whose corrected images often land right on a
// grid instant, a second beside it or a day later, in an order with
// repeated and backward instants.
void check_corrections_against_the_text(StepKind kind, DateTest test, unsigned seed, Coverage& coverage) {
  std::mt19937 random(seed);
  const bool by_day = kind == StepKind::Day;
  const long long step = by_day ? 86400 : pick(random, {300LL, 900LL, 3600LL});
  const int n = by_day ? 12 : 48;
  const long long first = whole_seconds(testing::at(by_day ? "03/01/2021 00:00:00" : "03/01/2021 06:00:00"));

  Corrections c;
  c.add_second = random() % 2 == 0;
  c.add_day = random() % 2 == 0;
  c.offset_active = random() % 4 != 0;
  c.offset = static_cast<long long>(random() % (4 * 86400)) - 2 * 86400;
  c.drift_active = random() % 2 == 0;
  // The corrected lattice: rate r = amount / span, raw unit u, so that a
  // raw step moves the corrected instant by u (1 + r) seconds, a multiple
  // of a minute. With the +1 s correction only a whole rate keeps every
  // drift a whole number of seconds. The drift settings are given even
  // when the drift is not active, which must then move nothing.
  if (c.add_second) {
    c.drift_span = 60;
    c.drift_amount = 60 * pick(random, {1LL, 2LL, -2LL, -3LL});
  } else {
    c.drift_span = by_day ? 3600 : 900;
    c.drift_amount = by_day ? pick(random, {-1200LL, -600LL, 600LL, 1800LL})
                            : pick(random, {-300LL, -120LL, -60LL, 60LL, 120LL, 300LL});
  }
  const long long unit = c.drift_active && !c.add_second ? c.drift_span : by_day ? 3600 : 60;
  const long long lattice_start = first + 60 * static_cast<long long>(random() % 30);
  c.drift_start = lattice_start - (c.offset_active ? c.offset : 0);
  const long long moved = c.drift_active ? unit + unit * c.drift_amount / c.drift_span : unit;

  // Raw unit counts m whose corrected instant lies around the grid.
  const long long low = first - 2 * step - lattice_start;
  const long long high = first + (n + 1) * step - lattice_start;
  long long m = moved > 0 ? low / moved : high / moved;
  const long long m_high = moved > 0 ? high / moved : low / moved;
  std::vector<long long> raw;
  while (m <= m_high && raw.size() < 600) {
    raw.push_back(c.drift_start + m * unit);
    const unsigned move = random() % 100;
    if (move < 12) continue;  // the same instant again
    if (c.add_day && move < 15) {
      // A clock set back by a day, as files holding only the time of day
      // read across midnight: the +1 day correction puts the line right
      // after the one before.
      m -= 86400 / unit - static_cast<long long>(random() % 3);
    } else if (!c.add_day && move < 18) {
      m -= 1 + static_cast<long long>(random() % 5);
    } else {
      m += 1 + static_cast<long long>(random() % 3);
    }
  }
  const std::size_t half = raw.size() / 2;
  const std::vector<long long> first_raw(raw.begin(), raw.begin() + static_cast<std::ptrdiff_t>(half));
  const std::vector<long long> second_raw(raw.begin() + static_cast<std::ptrdiff_t>(half), raw.end());

  // Each line's value is its number, so that a line in the wrong row shows.
  int number = 0;
  auto file_lines = [&number](const std::vector<long long>& instants) {
    Lines lines{"date;v"};
    for (long long t : instants)
      lines.push_back(format_canonical(from_whole_seconds(t)) + ";" + std::to_string(++number));
    return lines;
  };
  const TimeGrid grid = regular_grid(format_canonical(from_whole_seconds(first)), step, n);

  EngineRun corrected;
  corrected.ws.period.step_kind = kind;
  corrected.ws.period.date_test = test;
  describe(corrected, c);
  corrected.add_file("a.csv", file_lines(first_raw));
  corrected.add_file("b.csv", file_lines(second_raw));
  ASSERT_TRUE(corrected.run(grid, 1, "date\tv"));
  coverage.lines += static_cast<long long>(raw.size());
  coverage.in_grid += corrected.table.line_total;
  for (const FileReport& report : corrected.reports) {
    coverage.one_second += report.steps.one_second;
    coverage.one_day += report.steps.one_day;
  }

  number = 0;
  EngineRun in_the_text;
  in_the_text.ws.period.step_kind = kind;
  in_the_text.ws.period.date_test = test;
  in_the_text.add_file("a.csv", file_lines(corrected_seconds(first_raw, c)));
  in_the_text.add_file("b.csv", file_lines(corrected_seconds(second_raw, c)));
  ASSERT_TRUE(in_the_text.run(grid, 1, "date\tv"));

  ASSERT_EQ(data_rows(corrected), data_rows(in_the_text))
      << "step " << step << " +1s " << c.add_second << " +1j " << c.add_day << " offset " << c.offset_active
      << " " << c.offset << " drift " << c.drift_active << " " << c.drift_amount << "/" << c.drift_span;
}

TEST(CorrectedInstants, CorrectionsGiveTheRowsOfTheInstantsWrittenCorrected) {
  unsigned seed = 500;
  Coverage coverage;
  for (StepKind kind : {StepKind::Time, StepKind::Day}) {
    for (DateTest test : {DateTest::LessOrEqual, DateTest::Strict}) {
      for (int k = 0; k < 12; ++k) {
        SCOPED_TRACE(::testing::Message() << "kind " << static_cast<int>(kind) << " test "
                                          << static_cast<int>(test) << " seed " << seed);
        check_corrections_against_the_text(kind, test, ++seed, coverage);
      }
    }
  }
  EXPECT_GT(coverage.in_grid, coverage.lines * 2 / 5);
  EXPECT_GT(coverage.one_second, 300);
  EXPECT_GT(coverage.one_day, 3000);
}

}  // namespace
}  // namespace talve
