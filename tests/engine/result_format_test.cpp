// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/result_format.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "core/workspace.h"
#include "engine/event_pacer.h"
#include "grid_fixture.h"
#include "support/scripted_interface.h"
#include "text/system_locale.h"

namespace talve {
namespace {

using testing::na;
using testing::v;

struct NumberCase {
  double value;
  int decimals;
  char mark;
  const char* text;
};

TEST(ResultFormat, NumberFormatTextByText) {
  const NumberCase cases[] = {
      {1.5, 2, ',', " 1,50"},
      {0, 2, ',', " 0,00"},
      {-1, 2, ',', "-1,00"},
      {123.456, 2, ',', "123,46"},
      {12345.6, 2, '.', "12345.60"},
      {2, 0, ',', "    2"},
      {2.5, 0, ',', "    2"},
      {3.5, 0, ',', "    4"},
      {-0.001, 2, ',', "-0,00"},
      {0.125, 2, ',', " 0,12"},
      {1e20, 1, ',', "100000000000000000000,0"},
      {7, 3, ',', "7,000"},
      {-7, 3, ',', "-7,000"},
      {99999, 0, ',', "99999"},
      {1.0 / 3, 10, ',', "0,3333333333"},
  };
  for (const NumberCase& c : cases) {
    std::string out;
    append_number(out, c.value, c.decimals, c.mark);
    EXPECT_EQ(out, c.text) << static_cast<double>(c.value) << " / " << c.decimals;
  }
  std::string huge;
  append_number(huge, 1e300, 2, ',');
  EXPECT_EQ(huge.size(), 304u);
  EXPECT_EQ(huge.substr(0, 2), "10");
  std::string infinite;
  append_number(infinite, INFINITY, 2, ',');
  EXPECT_EQ(infinite, "  inf");
}

// The text of every number is to_chars's fixed form, padded: values near a
// halfway point, exact binary ties, signed zeros and very small or large
// magnitudes included.
TEST(ResultFormat, NumbersAreWrittenAsToCharsWritesThem) {
  auto reference = [](double value, int decimals) {
    char buffer[512];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals).ptr;
    std::string text(buffer, end);
    if (text.size() < 5) text.insert(0, 5 - text.size(), ' ');
    return text;
  };
  std::vector<double> values = {
      0,     -0.0,   0.125, -0.125, 0.375,   2.5,    1.005,   -0.001,  0.05,
      0.005, 0.0049, 0.015, 1e-300, 123.455, 99.995, -99.995, 1e14,    9.99e14,
      1e15,  1e20,   -1e16, 0.5,    1.5,     2.675,  -2.675,  1.0 / 3, 4503599627370495.5};
  std::mt19937_64 random(3);
  for (int i = 0; i < 200000; ++i) {
    const double magnitude = std::pow(10.0, static_cast<double>(random() % 24) - 8);
    const double value = (static_cast<double>(random() % 2000001) - 1000000.0) / 1000000.0 * magnitude;
    values.push_back(value);
    // Decimal ties as data give them: k + 0.5 units of the last decimal.
    values.push_back((static_cast<double>(random() % 200001) - 100000.0 + 0.5) / 1000.0);
  }
  for (const double value : values) {
    for (int decimals : {0, 1, 2, 3, 4, 5, 6, 15}) {
      std::string out;
      append_number(out, value, decimals, '.');
      ASSERT_EQ(out, reference(value, decimals)) << value << " with " << decimals << " decimals";
    }
  }
}

TEST(ResultFormat, DecimalsSetting) {
  EXPECT_EQ(decimals_from_text("2"), 2);
  EXPECT_EQ(decimals_from_text(" 4 "), 4);
  EXPECT_EQ(decimals_from_text(""), 0);
  EXPECT_EQ(decimals_from_text("0"), 0);
  // Texts the format could not use fall back to the initial 2.
  EXPECT_EQ(decimals_from_text("deux"), 2);
  EXPECT_EQ(decimals_from_text("-1"), 2);
  EXPECT_EQ(decimals_from_text("1000"), 2);
}

TEST(ResultFormat, MissingTexts) {
  EXPECT_EQ(missing_text("#N/A"), "#N/A");
  EXPECT_EQ(missing_text("E"), " ");
  EXPECT_EQ(missing_text(" e "), " ");
  EXPECT_EQ(missing_text("V"), "");
  EXPECT_EQ(missing_text("v"), "");
  EXPECT_EQ(missing_text(""), "");
  EXPECT_EQ(missing_text(" NA "), " NA ");
}

TEST(ResultFormat, OutputDecimalRule) {
  struct Case {
    const char* in;
    int choice;
    const char* out;
  };
  const Case cases[] = {
      {"1.50\t2.25", 0, "1,50\t2,25"},
      {"1,50\t2.25", 0, "1,50\t2.25"},
      {"1,50\t2,25", 1, "1.50\t2.25"},
      {"1,50\t2.25", 1, "1,50\t2.25"},
      {"1.50;#N/A", 0, "1,50;#N/A"},
      {"1.50;N,A", 0, "1.50;N,A"},
      {"1,50", 5, "1,50"},
  };
  for (const Case& c : cases) {
    std::string text = c.in;
    apply_output_decimal(text, c.choice);
    EXPECT_EQ(text, c.out) << c.in;
  }
}

TEST(ResultFormat, CountInShortestForm) {
  std::string out;
  append_count(out, 12, ',');
  out += '|';
  append_count(out, 0, ',');
  out += '|';
  append_count(out, 1000000, ',');
  out += '|';
  append_count(out, 1.5, ',');
  EXPECT_EQ(out, "12|0|1000000|1,5");
}

// A small table written out: rows 1..4, two data columns.
class FormatRows : public ::testing::Test {
 protected:
  FormatRows() : ws(ui), grid(testing::regular_grid("07/11/2021 00:00:00", 900, 4)) {
    set_system_decimal_separator(',');
    table = testing::table_for(grid, 2);
    testing::fold(table, Method::Mean, 1, {v(9), v(9)});
    testing::fold(table, Method::Mean, 2, {v(1.5), na()});
    testing::fold(table, Method::Mean, 4, {v(-2), v(12.345)});
    testing::fold(table, Method::Mean, 4, {na(), na()});
  }

  void write(OutputFormat format) {
    EventPacer pacer(ws);
    start_result_lists(table, format, result, &values);
    EXPECT_TRUE(format_rows(table, grid.entries, format, result, &values, wait_label_progress(ws), pacer));
  }

  testing::ScriptedInterface ui;
  Workspace ws;
  TimeGrid grid;
  ResultTable table;
  TextRows result;
  TextRows values;
};

TEST_F(FormatRows, WritesRowsTwoToN) {
  OutputFormat format;
  format.decimals = 2;
  format.separator = ";";
  format.decimal_choice = 0;
  format.missing_text = "#N/A";
  write(format);
  EXPECT_EQ(result.lines(), (std::vector<std::string>{
                                "temps;c2;c3;nb",
                                "07/11/2021 00:15:00; 1,50;#N/A;1",
                                "07/11/2021 00:30:00;#N/A;#N/A;0",
                                "07/11/2021 00:45:00;-2,00;12,35;2",
                            }));
  EXPECT_EQ(values.lines(), (std::vector<std::string>{
                                "c2;c3;nb",
                                " 1,50;#N/A;1",
                                "#N/A;#N/A;0",
                                "-2,00;12,35;2",
                            }));
  EXPECT_EQ(ui.captions["Label_patienter"], "3- patienter ... formatage 100%   ");
  // Rows 2..4: column 2 is missing once (the empty row), column 3 twice.
  EXPECT_EQ(table.empty_counts[2], 1);
  EXPECT_EQ(table.empty_counts[3], 2);
}

TEST_F(FormatRows, MissingCellsOfWrittenRowsUseTheSameTextAsEmptyRows) {
  // With "V" (nothing) chosen for missing values, a cell without any value
  // in a row that has lines must not be written as the letter V.
  OutputFormat format;
  format.decimals = 1;
  format.separator = "\t";
  format.missing_text = missing_text("V");
  write(format);
  EXPECT_EQ(result[1], "07/11/2021 00:15:00\t  1,5\t\t1");
  EXPECT_EQ(result[2], "07/11/2021 00:30:00\t\t\t0");
  format.missing_text = missing_text("E");
  write(format);
  EXPECT_EQ(result[1], "07/11/2021 00:15:00\t  1,5\t \t1");
}

TEST_F(FormatRows, PointDecimalOutput) {
  OutputFormat format;
  format.decimals = 2;
  format.separator = " ";
  format.decimal_choice = 1;
  format.missing_text = "NA";
  write(format);
  EXPECT_EQ(result[1], "07/11/2021 00:15:00  1.50 NA 1");
  // The values-only row starts after the instant, not at the blank inside
  // it.
  EXPECT_EQ(values[1], " 1.50 NA 1");
  EXPECT_EQ(values[0], "c2 c3 nb");
}

TEST_F(FormatRows, BlankTabSeparatorKeepsValuesUnderTheirTitles) {
  // The values-only row used to start at the tab of the first " \t", one
  // column to the right of its title row.
  OutputFormat format;
  format.decimals = 0;
  format.separator = " \t";
  format.missing_text = "NA";
  write(format);
  EXPECT_EQ(values[0], "c2 \tc3 \tnb");
  EXPECT_EQ(values[1], "    2 \tNA \t1");
  EXPECT_EQ(result[1], "07/11/2021 00:15:00 \t    2 \tNA \t1");
}

// Every row as the numbers written with the system's mark and the output
// decimal rule then applied to the whole row: what the rows must read,
// whichever way they are produced.
TEST_F(FormatRows, RowsFollowTheOutputDecimalRuleWhateverTheTexts) {
  for (const char system : {',', '.'})
    for (const int choice : {0, 1, 2})
      for (const char* missing : {"NA", "N.A.", "1,0", ""})
        for (const char* separator : {";", " \t", "."}) {
          OutputFormat format;
          format.decimals = 2;
          format.separator = separator;
          format.decimal_choice = choice;
          format.missing_text = missing;
          format.system_decimal = system;
          write(format);
          for (int r = 2; r <= grid.count(); ++r) {
            std::string want_values;
            for (int j = 2; j < table.map.count; ++j) {
              if (j > 2) want_values += separator;
              const ResultCell& cell = table.at(r, j);
              if (table.nb(r) == 0 || cell.missing) {
                want_values += missing;
              } else {
                append_number(want_values, cell.value, 2, system);
              }
            }
            want_values += separator;
            append_count(want_values, table.nb(r), system);
            std::string want_row =
                std::string(grid.entries[static_cast<std::size_t>(r)]) + separator + want_values;
            apply_output_decimal(want_row, choice);
            apply_output_decimal(want_values, choice);
            const auto at = static_cast<std::size_t>(r - 1);
            ASSERT_EQ(result[at], want_row) << system << choice << missing << separator;
            ASSERT_EQ(values[at], want_values) << system << choice << missing << separator;
          }
        }
}

// An instant holding a decimal mark anywhere in its text (first, middle or
// last of its 19 characters): the output rule then looks at the whole row,
// instant included, as it does when the separator or the missing text holds
// a mark.
TEST_F(FormatRows, InstantsHoldingAMarkTurnWithTheRow) {
  OutputFormat format;
  format.decimals = 2;
  format.separator = ";";
  format.missing_text = "NA";
  format.decimal_choice = 2;  // the values as written, with the system's mark
  write(format);
  const std::vector<std::string> written = values.lines();
  for (const int choice : {0, 1}) {
    format.decimal_choice = choice;
    for (const std::size_t at : {0, 7, 15, 16, 18}) {
      for (const char mark : {'.', ','}) {
        std::vector<std::string> texts = grid.entries.lines();
        for (int r = 2; r <= grid.count(); ++r) texts[static_cast<std::size_t>(r)][at] = mark;
        TimeGrid marked;
        for (const std::string& text : texts) marked.entries.push_back(text);
        EventPacer pacer(ws);
        start_result_lists(table, format, result, &values);
        EXPECT_TRUE(
            format_rows(table, marked.entries, format, result, &values, wait_label_progress(ws), pacer));
        for (int r = 2; r <= grid.count(); ++r) {
          const auto k = static_cast<std::size_t>(r - 1);
          std::string want = texts[static_cast<std::size_t>(r)] + ";" + written[k];
          apply_output_decimal(want, choice);
          ASSERT_EQ(result.lines()[k], want) << choice << " " << at << mark;
        }
      }
    }
  }
}

TEST(ResultFormatLong, ValuesOnlyRowsAreNotCut) {
  // Many columns make rows far longer than 255 characters; the values-only
  // row used to lose everything past that.
  testing::ScriptedInterface ui;
  Workspace ws(ui);
  set_system_decimal_separator(',');
  const TimeGrid grid = testing::regular_grid("07/11/2021 00:00:00", 900, 2);
  ResultTable table = testing::table_for(grid, 60);
  std::vector<testing::Cell> line;
  for (int k = 0; k < 60; ++k) line.push_back(v(1000 + k));
  testing::fold(table, Method::Mean, 2, line);
  OutputFormat format;
  format.decimals = 3;
  TextRows result, values;
  EventPacer pacer(ws);
  start_result_lists(table, format, result, &values);
  ASSERT_TRUE(format_rows(table, grid.entries, format, result, &values, wait_label_progress(ws), pacer));
  ASSERT_EQ(values.size(), 2u);
  EXPECT_GT(values[1].size(), 255u);
  EXPECT_EQ(values[1].substr(values[1].size() - 10), "1059,000\t1");
  EXPECT_EQ(result[1], std::string(grid.entries[2]) + "\t" + std::string(values[1]));
}

// Without a values-only list (the batch mode has no view of it), the result
// rows are the same, over the two formatting threads and several blocks.
TEST(ResultFormatLong, ResultRowsDoNotDependOnTheValuesOnlyList) {
  testing::ScriptedInterface ui;
  Workspace ws(ui);
  const TimeGrid grid = testing::regular_grid("07/11/2021 00:00:00", 900, 9000);
  ResultTable table = testing::table_for(grid, 2);
  for (int r = 1; r <= 9000; r += 3) testing::fold(table, Method::Mean, r, {v(r / 7.0), na()});
  OutputFormat format;
  TextRows with_values, values, alone;
  EventPacer pacer(ws);
  start_result_lists(table, format, with_values, &values);
  ASSERT_TRUE(format_rows(table, grid.entries, format, with_values, &values, wait_label_progress(ws), pacer));
  start_result_lists(table, format, alone, nullptr);
  ASSERT_TRUE(format_rows(table, grid.entries, format, alone, nullptr, wait_label_progress(ws), pacer));
  EXPECT_EQ(values.size(), 9000u);
  EXPECT_EQ(alone.text(), with_values.text());
}

TEST(ResultFormatLong, StopKeepsOnlyTheTitleRow) {
  testing::ScriptedInterface ui;
  Workspace ws(ui);
  ws.flags.stop = true;
  const TimeGrid grid = testing::regular_grid("07/11/2021 00:00:00", 900, 5);
  ResultTable table = testing::table_for(grid, 1);
  testing::fold(table, Method::Mean, 3, {v(1)});
  OutputFormat format;
  TextRows result, values;
  EventPacer pacer(ws);
  start_result_lists(table, format, result, &values);
  EXPECT_FALSE(format_rows(table, grid.entries, format, result, &values, wait_label_progress(ws), pacer));
  EXPECT_EQ(result.size(), 1u);
  EXPECT_EQ(values.size(), 1u);
  // The empty counts still describe the whole table.
  EXPECT_EQ(table.empty_counts[2], 3);
}

// Keeps every caption shown, not only the last one.
struct CaptionRecorder : testing::ScriptedInterface {
  std::vector<std::string> history;
  void caption_changed(std::string_view control, const std::string& text) override {
    history.push_back(text);
    ScriptedInterface::caption_changed(control, text);
  }
};

TEST(ResultFormatLong, ProgressRoundsHalvesToEven) {
  CaptionRecorder ui;
  Workspace ws(ui);
  const TimeGrid grid = testing::regular_grid("07/11/2021 00:00:00", 900, 8);
  ResultTable table = testing::table_for(grid, 1);
  OutputFormat format;
  TextRows result, values;
  EventPacer pacer(ws);
  start_result_lists(table, format, result, &values);
  EXPECT_TRUE(format_rows(table, grid.entries, format, result, &values, wait_label_progress(ws), pacer));
  std::vector<std::string> expected;
  for (int percent : {12, 25, 38, 50, 62, 75, 88, 100})
    expected.push_back("3- patienter ... formatage " + std::to_string(percent) + "%   ");
  EXPECT_EQ(ui.history, expected);
}

}  // namespace
}  // namespace talve
