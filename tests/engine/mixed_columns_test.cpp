// SPDX-License-Identifier: GPL-3.0-or-later
// Files whose columns each take their own method, with a minimum share of
// measurements per interval and the marks of the values' origin, read by
// the engine and compared with a plain computation: for each output row, a
// loop over the raw lines of its interval.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>
#include <random>

#include "core/column_methods.h"
#include "engine_run_fixture.h"

namespace talve {
namespace {

using testing::EngineRun;

constexpr int kColumns = 5;
constexpr long long kGridStep = 600;
constexpr long long kMeasureStep = 120;  // five measurements an interval

struct RawLine {
  long long seconds = 0;
  std::string text;
  std::optional<double> values[kColumns];
};

// Lines mostly kMeasureStep apart, with runs of lost lines (from one to a
// dozen), a few other steps and repeated instants; about one value in six
// missing.
std::vector<RawLine> random_lines(std::mt19937& random, long long start, int count) {
  std::vector<RawLine> lines;
  long long t = start - 3 * kMeasureStep;
  for (int i = 0; i < count; ++i) {
    const unsigned r = random() % 100;
    if (r < 8) {
      t += kMeasureStep * (2 + static_cast<long long>(random() % 12));
    } else if (r < 12) {
      t += 1 + static_cast<long long>(random() % (2 * kMeasureStep));
    } else if (r >= 14) {
      t += kMeasureStep;
    }
    RawLine line;
    line.seconds = t;
    line.text = format_canonical(from_whole_seconds(t));
    for (auto& value : line.values) {
      if (random() % 6 == 0 && i != 0) {
        line.text += ";NA";
      } else {
        const double number = static_cast<double>(static_cast<int>(random() % 2001) - 1000) / 10;
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.1f", number);
        line.text += std::string(";") + buffer;
        value = number;
      }
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

// The most frequent step between consecutive lines of each file, the
// shortest of equally frequent ones.
long long most_frequent_step(const std::vector<std::vector<RawLine>>& files) {
  std::map<long long, long long> counts;
  for (const auto& lines : files)
    for (std::size_t i = 1; i < lines.size(); ++i)
      if (const long long d = lines[i].seconds - lines[i - 1].seconds; d > 0) ++counts[d];
  long long best = 0, best_count = 0;
  for (const auto& [step, count] : counts)
    if (count > best_count) {
      best = step;
      best_count = count;
    }
  return best;
}

struct RefCell {
  std::optional<double> value;
  bool filled = false;
};
struct RefRow {
  RefCell cells[kColumns];
  long long nb = 0;
};

// Rows 1..n of grid instants g, "(inf ou =)": row r gathers g[r-1] < t <= g[r]
// (row 1 only g[1]).
std::vector<RefRow> reference_rows(const std::vector<RawLine>& lines, const std::vector<long long>& g,
                                   const Method (&methods)[kColumns], int share, long long step) {
  const int n = static_cast<int>(g.size()) - 1;
  std::vector<RefRow> rows(static_cast<std::size_t>(n) + 2);
  for (int r = 1; r <= n; ++r) {
    RefRow& row = rows[static_cast<std::size_t>(r)];
    std::vector<double> found[kColumns];
    for (const RawLine& line : lines) {
      const long long t = line.seconds;
      if (t < g[1] || t > g[static_cast<std::size_t>(n)]) continue;
      if (!((r == 1 || g[static_cast<std::size_t>(r - 1)] < t) && t <= g[static_cast<std::size_t>(r)]))
        continue;
      ++row.nb;
      for (int k = 0; k < kColumns; ++k)
        if (line.values[k]) found[k].push_back(*line.values[k]);
    }
    if (row.nb == 0) continue;
    // Too few measurements: no value at all in the row.
    const long long length =
        r == 1 ? kGridStep : g[static_cast<std::size_t>(r)] - g[static_cast<std::size_t>(r - 1)];
    if (share > 0 && row.nb * 100 * step < share * length) continue;
    for (int k = 0; k < kColumns; ++k) {
      const std::vector<double>& v = found[k];
      if (v.empty()) continue;
      double sum = 0;
      for (double x : v) sum += x;
      double x = 0;
      switch (methods[k]) {
        case Method::Mean:
        case Method::MeanFillGaps:
          x = sum / static_cast<double>(v.size());
          break;
        case Method::Last:
          x = v.back();
          break;
        case Method::Max:
          x = *std::max_element(v.begin(), v.end());
          break;
        case Method::Min:
          x = *std::min_element(v.begin(), v.end());
          break;
        case Method::Sum:
          x = sum;
          break;
        case Method::Cumul: {
          const RefCell& above = rows[static_cast<std::size_t>(r - 1)].cells[k];
          x = sum + (r >= 2 && above.value ? *above.value : 0.0);
          break;
        }
      }
      row.cells[k].value = x;
    }
  }
  // Method 4: a single missing row between two values takes their mean.
  const std::vector<RefRow> before = rows;
  for (int r = 2; r <= n - 1; ++r) {
    for (int k = 0; k < kColumns; ++k) {
      if (methods[k] != Method::MeanFillGaps) continue;
      const auto& up = before[static_cast<std::size_t>(r - 1)].cells[k].value;
      const auto& here = before[static_cast<std::size_t>(r)].cells[k].value;
      const auto& down = before[static_cast<std::size_t>(r + 1)].cells[k].value;
      if (here || !up || !down) continue;
      rows[static_cast<std::size_t>(r)].cells[k] = {(*up + *down) / 2, true};
      rows[static_cast<std::size_t>(r)].nb = 2;
    }
  }
  return rows;
}

std::string number_text(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%5.2f", value);
  std::string text = buffer;
  std::replace(text.begin(), text.end(), '.', ',');
  return text;
}

// Column 1 is the date: the data are source columns 2..6.
std::string methods_text(const Method (&methods)[kColumns], Method chosen) {
  std::map<Method, std::string> columns;
  for (int k = 0; k < kColumns; ++k)
    if (methods[k] != chosen || k % 2 == 0)  // a column may name the chosen method too
      columns[methods[k]] += (columns[methods[k]].empty() ? "" : ",") + std::to_string(k + 2);
  std::string text;
  for (const auto& [method, list] : columns)
    text += (text.empty() ? "" : " ; ") +
            std::string(column_method_names()[static_cast<std::size_t>(method)]) + ": " + list;
  return text;
}

void check_against_reference(unsigned seed) {
  std::mt19937 random(seed);
  const auto chosen = static_cast<Method>(random() % 6);
  Method methods[kColumns];
  for (Method& m : methods) m = static_cast<Method>(random() % 7);
  const int shares[] = {0, 20, 40, 60, 80, 100};
  const int share = shares[random() % 6];
  const long long start = whole_seconds(testing::at("07/11/2021 00:00:00"));
  const std::vector<RawLine> lines = random_lines(random, start, 1500);
  const std::vector<std::vector<RawLine>> files = {{lines.begin(), lines.begin() + 700},
                                                   {lines.begin() + 700, lines.end()}};

  EngineRun run;
  run.set("RadioGroup_methode_ItemIndex", std::to_string(static_cast<int>(chosen)));
  run.set("Edit_methode_par_colonne.text", methods_text(methods, chosen));
  run.set("Edit_taux_min.text", std::to_string(share));
  run.set("CheckBox_marquer_origine.Checked", "true");
  for (std::size_t f = 0; f < files.size(); ++f) {
    std::vector<std::string> text{"date;a;b;c;d;e"};
    for (const RawLine& line : files[f]) text.push_back(line.text);
    run.add_file(std::string(1, static_cast<char>('a' + f)) + ".csv", text);
  }
  const int n = 60;
  const TimeGrid grid = testing::regular_grid("07/11/2021 00:00:00", kGridStep, n);
  ASSERT_TRUE(run.run(grid, kColumns, "date\ta\tb\tc\td\te"));
  EXPECT_TRUE(run.ui.boxes.empty());

  std::vector<long long> g{0};
  for (int r = 1; r <= n; ++r) g.push_back(start + (r - 1) * kGridStep);
  const std::vector<RefRow> rows = reference_rows(lines, g, methods, share, most_frequent_step(files));
  ASSERT_EQ(run.result.size(), static_cast<std::size_t>(n));
  // The titles carry the methods that differ from the chosen one, each
  // followed by its origin column.
  std::string titles = "temps(date inf ou =)";
  const char* names[kColumns] = {"a", "b", "c", "d", "e"};
  for (int k = 0; k < kColumns; ++k) {
    std::string title = names[k];
    if (methods[k] != chosen)
      title += "(" + std::string(column_method_names()[static_cast<std::size_t>(methods[k])]) + ")";
    titles += ";" + title + ";" + title + "_origine";
  }
  EXPECT_EQ(run.result[0].substr(0, run.result[0].rfind(';')), titles);
  for (int r = 2; r <= n; ++r) {
    const RefRow& row = rows[static_cast<std::size_t>(r)];
    std::string values;
    for (const RefCell& cell : row.cells) {
      values +=
          cell.value ? number_text(*cell.value) + (cell.filled ? ";C;" : ";M;") : std::string("#N/A;N;");
    }
    values += std::to_string(row.nb);
    ASSERT_EQ(run.values[static_cast<std::size_t>(r - 1)], values) << "row " << r;
  }
}

TEST(MixedColumns, EachColumnsMethodTheShareAndTheMarksAgreeWithAPlainLoop) {
  for (unsigned seed = 2900; seed < 2930; ++seed) {
    SCOPED_TRACE(::testing::Message() << "seed " << seed);
    check_against_reference(seed);
  }
}

// One column, one line at each grid instant from row 2 on ("" for none):
// the values-only rows written.
std::vector<std::string> one_column_run(const std::vector<std::pair<std::string, std::string>>& settings,
                                        const std::vector<std::string>& values,
                                        long long line_step = kGridStep) {
  EngineRun run;
  for (const auto& [key, value] : settings) run.set(key, value);
  std::vector<std::string> text{"date;x"};
  const long long start = whole_seconds(testing::at("07/11/2021 00:00:00"));
  const long long per_row = kGridStep / line_step;
  for (std::size_t i = 0; i < values.size(); ++i) {
    // A value "a/b" is b lines a line step apart, all with the value a,
    // the last one on the row's instant.
    const std::string& v = values[i];
    const long long lines = v.find('/') == std::string::npos ? 1 : std::stoll(v.substr(v.find('/') + 1));
    const std::string value = v.substr(0, v.find('/'));
    for (long long k = std::min(lines, per_row) - 1; k >= 0; --k)
      if (!value.empty())
        text.push_back(format_canonical(from_whole_seconds(start + static_cast<long long>(i + 1) * kGridStep -
                                                           k * line_step)) +
                       ";" + value);
  }
  run.add_file("x.csv", text);
  const TimeGrid grid =
      testing::regular_grid("07/11/2021 00:00:00", kGridStep, static_cast<int>(values.size()) + 1);
  EXPECT_TRUE(run.run(grid, 1, "date\tx"));
  std::vector<std::string> rows(run.values.begin() + 1, run.values.end());
  return rows;
}

// The share at its boundary: ten-minute rows, a measurement every two
// minutes, so five are expected; a row of three has exactly 60 %, one of
// two 40 %.
TEST(MixedColumns, AShareExactlyReachedKeepsTheRowOneMeasurementLessDoesNot) {
  const struct {
    const char* share;
    std::vector<std::string> expected;
  } cases[] = {
      {"60", {" 1,00;3", "#N/A;2", " 1,00;5"}},  {"61", {"#N/A;3", "#N/A;2", " 1,00;5"}},
      {"40", {" 1,00;3", " 1,00;2", " 1,00;5"}}, {"100", {"#N/A;3", "#N/A;2", " 1,00;5"}},
      {"0", {" 1,00;3", " 1,00;2", " 1,00;5"}},  {"", {" 1,00;3", " 1,00;2", " 1,00;5"}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(one_column_run({{"Edit_taux_min.text", c.share}}, {"1/3", "1/2", "1/5"}, kMeasureStep),
              c.expected)
        << c.share;
}

// Where each value comes from after the passes: forced growth, gap
// filling, and differences of filled values.
TEST(MixedColumns, TheMarksFollowTheForcedGrowthTheGapFillingAndTheDifferences) {
  using Settings = std::vector<std::pair<std::string, std::string>>;
  const Settings marks = {{"CheckBox_marquer_origine.Checked", "true"}};
  auto with = [&marks](Settings more) {
    more.insert(more.end(), marks.begin(), marks.end());
    return more;
  };
  const struct {
    const char* name;
    Settings settings;
    std::vector<std::string> values;
    std::vector<std::string> expected;
  } cases[] = {
      {"croissance forcée",
       with({{"CheckBox_cumul_corriger.Checked", "true"}}),
       {"5", "10", "2", "4"},
       {" 5,00;M;1", "10,00;M;1", "10,00;F;1", "14,00;F;1"}},
      {"lacune comblée",
       with({{"CheckBox_post_traitement.Checked", "true"}, {"Edit_nmax_lacune.text", "3"}}),
       {"1", "", "", "4"},
       {" 1,00;M;1", " 2,00;C;2", " 3,00;C;2", " 4,00;M;1"}},
      {"lacune trop longue",
       with({{"CheckBox_post_traitement.Checked", "true"}, {"Edit_nmax_lacune.text", "1"}}),
       {"1", "", "", "4"},
       {" 1,00;M;1", "#N/A;N;0", "#N/A;N;0", " 4,00;M;1"}},
      {"différences",
       with({{"CheckBox_post_traitement.Checked", "true"},
             {"Edit_nmax_lacune.text", "3"},
             {"CheckBox_delta_Y.Checked", "true"}}),
       {"1", "", "", "4", "6"},
       {" 0,00;M;1", " 1,00;C;2", " 1,00;C;2", " 1,00;C;1", " 2,00;M;1"}},
      {"moy_si_vide",
       with({{"Edit_methode_par_colonne.text", "moy_si_vide:2"}}),
       {"1", "", "4"},
       {" 1,00;M;1", " 2,50;C;2", " 4,00;M;1"}},
      {"sans marques",
       {{"CheckBox_cumul_corriger.Checked", "true"}},
       {"5", "10", "2"},
       {" 5,00;1", "10,00;1", "10,00;1"}},
  };
  for (const auto& c : cases) EXPECT_EQ(one_column_run(c.settings, c.values), c.expected) << c.name;
}

}  // namespace
}  // namespace talve
