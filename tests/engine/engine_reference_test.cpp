// SPDX-License-Identifier: GPL-3.0-or-later
// Irregular files read by the engine, compared with a plain computation:
// for each output row, a loop over the raw lines of its interval.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>

#include "engine_run_fixture.h"

namespace talve {
namespace {

using testing::EngineRun;

constexpr int kColumns = 3;

struct RawLine {
  long long seconds = 0;
  bool dated = true;
  std::string text;
  std::optional<double> values[kColumns];
};

struct Config {
  Method method;
  DateTest test;
  StepKind kind;
  int decimals;
  int separator_choice;
  int decimal_choice;
};

// A number written with 0 to 3 decimals and "." or "," as its mark; the
// value is what the C library reads from the same digits.
std::string random_number(std::mt19937& random, double& value) {
  const long long mantissa = static_cast<long long>(random() % 20001) - 10000;
  const int decimals = static_cast<int>(random() % 4);
  long long scale = 1;
  for (int i = 0; i < decimals; ++i) scale *= 10;
  const long long magnitude = mantissa < 0 ? -mantissa : mantissa;
  std::string text = mantissa < 0 ? "-" : "";
  text += std::to_string(magnitude / scale);
  if (decimals > 0) {
    std::string fraction = std::to_string(magnitude % scale);
    text += "." + std::string(static_cast<std::size_t>(decimals) - fraction.size(), '0') + fraction;
  }
  value = std::strtod(text.c_str(), nullptr);
  if (random() % 2 == 0)
    for (char& c : text)
      if (c == '.') c = ',';
  return text;
}

std::string random_field(std::mt19937& random, std::optional<double>& value, bool clean) {
  const unsigned r = clean ? 0 : random() % 100;
  double number = 0;
  if (r < 70) {
    const std::string text = random_number(random, number);
    value = number;
    return text;
  }
  if (r < 78) return "NA";
  if (r < 83) return "-99999";
  if (r < 88) return "";
  if (r < 92) return "abc";
  const int limit = static_cast<int>(random() % 5);
  value = limit + 0.5;
  return "<" + std::to_string(limit) + ".5";
}

std::vector<RawLine> random_lines(std::mt19937& random, long long start, long long step, int count) {
  std::vector<RawLine> lines;
  long long t = start - 2 * step;
  for (int i = 0; i < count; ++i) {
    const unsigned r = random() % 100;
    if (r < 10) {
      // repeated instant
    } else if (r < 15) {
      t -= 1 + static_cast<long long>(random() % static_cast<unsigned>(3 * step));
    } else if (r < 20) {
      t += step - (step / 2) * static_cast<long long>(random() % 3);  // often right on a grid instant
    } else {
      t += 1 + static_cast<long long>(random() % static_cast<unsigned>(step + step / 2));
    }
    RawLine line;
    line.seconds = t;
    // Every file starts with a clean line, so that no first-line question
    // comes up.
    const bool clean = i == 0 || i == count / 2;
    line.dated = clean || random() % 100 != 0;
    line.text = line.dated ? format_canonical(from_whole_seconds(t)) : "";
    for (int k = 0; k < kColumns; ++k) line.text += ";" + random_field(random, line.values[k], clean);
    lines.push_back(std::move(line));
  }
  return lines;
}

// The rows of the reference: per row, per column, the value or nothing,
// and the line count.
struct ReferenceRow {
  std::optional<double> cells[kColumns];
  long long nb = 0;
};

std::vector<ReferenceRow> reference_rows(const std::vector<RawLine>& lines, const std::vector<long long>& g,
                                         const Config& c) {
  const int n = static_cast<int>(g.size()) - 1;  // g[1..n]
  std::vector<ReferenceRow> rows(static_cast<std::size_t>(n) + 2);
  std::vector<std::vector<double>> found(kColumns);
  for (int r = 1; r <= n; ++r) {
    ReferenceRow& row = rows[static_cast<std::size_t>(r)];
    for (auto& list : found) list.clear();
    for (const RawLine& line : lines) {
      if (!line.dated || line.seconds < g[1] || line.seconds > g[static_cast<std::size_t>(n)]) continue;
      const long long t = line.seconds;
      bool in = false;
      if (c.test == DateTest::LessOrEqual) {
        in = (r == 1 || g[static_cast<std::size_t>(r - 1)] < t) && t <= g[static_cast<std::size_t>(r)];
      } else if (c.kind == StepKind::Time) {
        in = r >= 2 && g[static_cast<std::size_t>(r - 1)] <= t && t < g[static_cast<std::size_t>(r)];
      } else {
        in = r < n && g[static_cast<std::size_t>(r)] <= t && t < g[static_cast<std::size_t>(r + 1)];
      }
      if (!in) continue;
      ++row.nb;
      for (int k = 0; k < kColumns; ++k)
        if (line.values[k]) found[static_cast<std::size_t>(k)].push_back(*line.values[k]);
    }
    if (row.nb == 0) continue;
    for (int k = 0; k < kColumns; ++k) {
      const auto& v = found[static_cast<std::size_t>(k)];
      if (v.empty()) continue;
      double x = v[0];
      double sum = 0;
      for (double y : v) {
        sum += y;
        if (c.method == Method::Max && y > x) x = y;
        if (c.method == Method::Min && y < x) x = y;
      }
      switch (c.method) {
        case Method::Mean:
        case Method::MeanFillGaps:
          x = sum / static_cast<double>(v.size());
          break;
        case Method::Last:
          x = v.back();
          break;
        case Method::Cumul: {
          const ReferenceRow& above = rows[static_cast<std::size_t>(r - 1)];
          x = sum + (r >= 2 && above.cells[k] ? *above.cells[k] : 0.0);
          break;
        }
        default:
          break;
      }
      row.cells[k] = x;
    }
  }
  if (c.method == Method::MeanFillGaps) {
    const std::vector<ReferenceRow> before = rows;
    for (int r = 2; r <= n - 1; ++r) {
      for (int k = 0; k < kColumns; ++k) {
        const auto& up = before[static_cast<std::size_t>(r - 1)].cells[k];
        const auto& here = before[static_cast<std::size_t>(r)].cells[k];
        const auto& down = before[static_cast<std::size_t>(r + 1)].cells[k];
        if (here || !up || !down) continue;
        rows[static_cast<std::size_t>(r)].cells[k] = (*up + *down) / 2;
        rows[static_cast<std::size_t>(r)].nb = 2;
      }
    }
  }
  return rows;
}

std::string reference_number(double value, int decimals, char mark) {
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, "%5.*f", decimals, value);
  std::string text = buffer;
  for (char& ch : text)
    if (ch == '.') ch = mark;
  return text;
}

void check_against_reference(const Config& c, unsigned seed) {
  std::mt19937 random(seed);
  const long long step = c.kind == StepKind::Time ? 600 : 86400;
  const int n = c.kind == StepKind::Time ? 300 : 30;
  const long long start = whole_seconds(testing::at("07/11/2021 00:00:00"));
  const std::vector<RawLine> lines = random_lines(random, start, step, 3000);

  EngineRun run;
  run.ws.period.date_test = c.test;
  run.ws.period.step_kind = c.kind;
  run.set("RadioGroup_methode_ItemIndex", std::to_string(static_cast<int>(c.method)));
  run.set("Edit_nb_decimale.text", std::to_string(c.decimals));
  run.set("RadioGroup_separateur_sortie_ItemIndex", std::to_string(c.separator_choice));
  run.set("RadioGroup_DECIMAL_SEPARATOR_sortie_ItemIndex", std::to_string(c.decimal_choice));
  std::vector<std::string> first{"date;a;b;c"};
  std::vector<std::string> second{"date;a;b;c"};
  for (std::size_t i = 0; i < lines.size(); ++i)
    (i < lines.size() / 2 ? first : second).push_back(lines[i].text);
  run.add_file("a.csv", first);
  run.add_file("b.csv", second);
  const TimeGrid grid = testing::regular_grid("07/11/2021 00:00:00", step, n);
  ASSERT_TRUE(run.run(grid, kColumns, "date\ta\tb\tc"));

  std::vector<long long> g{0};
  for (int r = 1; r <= n; ++r) g.push_back(start + (r - 1) * step);
  const std::vector<ReferenceRow> rows = reference_rows(lines, g, c);
  const std::string sep = output_separator(c.separator_choice);
  const char mark = c.decimal_choice == 1 ? '.' : ',';
  ASSERT_EQ(run.result.size(), static_cast<std::size_t>(n));
  int empty[kColumns] = {0, 0, 0};
  for (int r = 2; r <= n; ++r) {
    const ReferenceRow& row = rows[static_cast<std::size_t>(r)];
    std::string values;
    for (int k = 0; k < kColumns; ++k) {
      if (row.nb == 0 || !row.cells[k]) {
        values += "#N/A";
        ++empty[k];
      } else {
        values += reference_number(*row.cells[k], c.decimals, mark);
      }
      values += sep;
    }
    values += std::to_string(row.nb);
    ASSERT_EQ(run.values[static_cast<std::size_t>(r - 1)], values) << "row " << r;
    ASSERT_EQ(run.result[static_cast<std::size_t>(r - 1)],
              std::string(grid.entries[static_cast<std::size_t>(r)]) + sep + values)
        << "row " << r;
  }
  for (int k = 0; k < kColumns; ++k)
    EXPECT_EQ(run.table.empty_counts[static_cast<std::size_t>(k + 2)], empty[k]);
}

TEST(EngineReference, EveryMethodAndDateTestAgreesWithAPlainLoop) {
  const Method methods[] = {Method::Mean, Method::Last,         Method::Max,
                            Method::Min,  Method::MeanFillGaps, Method::Cumul};
  unsigned seed = 1000;
  for (Method method : methods) {
    for (StepKind kind : {StepKind::Time, StepKind::Day}) {
      for (DateTest test : {DateTest::LessOrEqual, DateTest::Strict}) {
        const int variant = static_cast<int>(seed % 4);
        const Config config{method, test, kind, variant, variant, static_cast<int>(seed % 2)};
        SCOPED_TRACE(::testing::Message() << "method " << static_cast<int>(method) << " kind "
                                          << static_cast<int>(kind) << " test " << static_cast<int>(test));
        check_against_reference(config, ++seed);
      }
    }
  }
}

}  // namespace
}  // namespace talve
