// SPDX-License-Identifier: GPL-3.0-or-later
// The examples and the commands the README and the examples' notes give,
// run as a user runs them from the project's folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "app/program_run.h"
#include "support/temp_dir.h"
#include "support/text_lines.h"

namespace talve {
namespace {

const std::string kSource = TALVE_SOURCE_DIR;

std::string last_line(const std::string& text) {
  std::string trimmed = text;
  while (!trimmed.empty() && trimmed.back() == '\n') trimmed.pop_back();
  return trimmed.substr(trimmed.rfind('\n') + 1);
}

class Examples : public ::testing::Test {
 protected:
  // The program started in the project's folder; results go to a folder of
  // the test's own, not into the examples.
  testing::ProgramOutcome run(std::vector<std::string> args) {
    if (!args.empty() && args[0] == "./talve") args.erase(args.begin());
    const bool with_description =
        std::any_of(args.begin(), args.end(), [](const std::string& a) { return a.ends_with(".dsc"); });
    const bool with_output = std::find(args.begin(), args.end(), "--output-dir") != args.end();
    if (with_description && !with_output) args.insert(args.end(), {"--output-dir", output});
    return testing::run_program(testing::ProgramRun{args, kSource, home, 120, -1});
  }

  testing::TempDir dir;
  std::string home = dir.mkdir("maison");
  std::string output = dir.mkdir("sorties");
};

struct ExampleCase {
  const char* description;
  const char* first;  // the first and last rows begin with these instants
  const char* last;
  std::size_t rows;
};

// Each example reads its files whole: its result runs from the first to the
// last instant of its data. The SYNOP rows are written in French local
// time with their offset (+01:00 in winter, +02:00 in summer): the result
// is in UTC, on the synoptic hours.
TEST_F(Examples, EachExampleGivesItsWholePeriod) {
  const ExampleCase cases[] = {
      {"examples/demo/demo.dsc", "01/03/2024 00:30:00;", "04/03/2024 00:00:00;", 144},
      {"examples/toa5/toa5.dsc", "27/01/2011 13:30:00;", "01/02/2011 17:00:00;", 495},
      {"examples/usgs-rdb/usgs-rdb.dsc", "01/01/2000 00:00:00;", "31/12/2010 00:00:00;", 4018},
      {"examples/meteofrance-synop/synop.dsc", "04/11/2024 09:00:00;", "19/07/2025 15:00:00;", 2059},
      {"examples/colorado-dwr/dwr.dsc", "01/10/2006 00:00:00;", "07/10/2006 00:00:00;", 145},
      {"examples/campbell-cr23x/cr23x.dsc", "17/02/2010 22:00:00;", "18/02/2010 02:59:00;", 300},
      {"examples/ncwcd-array/ncwcd.dsc", "19/01/2012 00:05:00;", "21/01/2012 00:15:00;", 579},
      {"examples/hobo/hobo-u12.dsc", "02/10/2013 06:00:00;", "03/12/2013 17:00:00;", 2999},
      {"examples/hobo/hobo-pendant.dsc", "10/10/2019 11:00:00;", "17/10/2019 09:05:00;", 1994},
      {"examples/snotel/snotel.dsc", "01/10/2010 00:00:00;", "30/09/2011 00:00:00;", 365},
      {"examples/meteofrance-climato/quotidiennes.dsc", "15/06/2024 00:00:00;", "16/06/2024 00:00:00;", 2},
  };
  for (const ExampleCase& c : cases) {
    const testing::ProgramOutcome o = run({"--batch", c.description});
    ASSERT_EQ(o.status, 0) << c.description << ": " << o.summary();
    const std::vector<std::string> rows = testing::rows_of(testing::read_bytes(last_line(o.out)));
    ASSERT_EQ(rows.size(), c.rows) << c.description;
    EXPECT_TRUE(rows.front().starts_with(c.first)) << c.description << ": " << rows.front();
    EXPECT_TRUE(rows.back().starts_with(c.last)) << c.description << ": " << rows.back();
  }
}

// The demo's traps: the lines a clock wrote after midnight with the day
// before are moved one day on, the two hours without measurements stay
// missing, and every row says how many lines it gathered.
TEST_F(Examples, DemoTrapsAreCorrected) {
  const testing::ProgramOutcome o = run({"--batch", "examples/demo/demo.dsc"});
  ASSERT_EQ(o.status, 0) << o.summary();
  const std::string text = testing::read_bytes(last_line(o.out));
  EXPECT_TRUE(
      text.starts_with("temps(Date inf ou =);Temperature_C;Humidite_pc;Pression_hPa;nb(144)_methode_("
                       "moyenne des n mesures OK)_station(kervel)\r\n"))
      << text.substr(0, 200);
  for (const char* row : {"03/03/2024 00:30:00; 5.60;95.67;1009.63;3", "03/03/2024 13:30:00;NA;NA;NA;0",
                          "03/03/2024 15:00:00;NA;NA;NA;0"})
    EXPECT_NE(text.find(std::string("\r\n") + row + "\r\n"), std::string::npos) << row;
}

// The files whose dates the first patterns could not read: each result row
// below is checked against the lines of the file it comes from.
TEST_F(Examples, DatesOfEveryLayoutReachTheirValues) {
  struct Rows {
    const char* description;
    std::vector<std::string> rows;
  };
  const Rows cases[] = {
      // Year, day of the year and HHMM in columns 2 to 4 ("2010,49,0" is
      // midnight); the daily record of array 111 written at 23:59 between
      // two records of array 213 is outweighed by the 00:00 record.
      {"examples/campbell-cr23x/cr23x.dsc",
       {"17/02/2010 22:00:00;213,000;240,210;98,007;255,090;0,071;1",
        "17/02/2010 23:59:00;213,000;233,960;55,297;253,450;0,100;1",
        "18/02/2010 00:00:00;213,000;233,930;54,824;253,420;0,082;2",
        "18/02/2010 02:59:00;213,000;231,320;-3,454;252,770;0,091;1"}},
      // HHMM written 5 to 2400, 2400 being midnight ending the day.
      {"examples/ncwcd-array/ncwcd.dsc",
       {"19/01/2012 00:05:00;12,05; 0,00;28,05;1", "19/01/2012 23:55:00;11,91; 0,00;36,86;1",
        "20/01/2012 00:00:00;11,91; 0,00;36,92;1", "20/01/2012 00:05:00;11,90; 0,00;36,90;1"}},
      // 12-hour clock: 12:00:00 PM is noon, 12:00:00 AM midnight.
      {"examples/hobo/hobo-u12.dsc",
       {"02/10/2013 06:00:00;19,86;59,73;11,80;1", "02/10/2013 12:00:00;19,44;62,17;27,60;1",
        "03/10/2013 00:00:00;19,32;62,03;11,80;1", "03/10/2013 00:30:00;19,32;62,06;11,80;1",
        "03/12/2013 17:00:00;NA;NA;NA;3"}},
      {"examples/hobo/hobo-pendant.dsc",
       {"10/10/2019 12:00:00;69,45;1", "11/10/2019 00:00:00;64,31;1", "17/10/2019 09:05:00;NA;3"}},
      // MMDDYY across the new year; four blanks are missing values.
      {"examples/snotel/snotel.dsc",
       {"01/10/2010 00:00:00; 0,00; 0,00;18,80; 0,50; 8,20; 0,00;1",
        "30/09/2011 00:00:00; 0,00;64,40;16,30;-0,80; 5,80;NA;1"}},
      {"examples/meteofrance-climato/quotidiennes.dsc",
       {"15/06/2024 00:00:00; 10,4;  8,8; 15,2; 12,3;1", "16/06/2024 00:00:00;  0,0; 11,2; 17,8; 14,4;1"}},
  };
  for (const Rows& c : cases) {
    const testing::ProgramOutcome o = run({"--batch", c.description});
    ASSERT_EQ(o.status, 0) << c.description << ": " << o.summary();
    const std::vector<std::string> rows = testing::rows_of(testing::read_bytes(last_line(o.out)));
    for (const std::string& row : c.rows)
      EXPECT_NE(std::find(rows.begin(), rows.end(), row), rows.end()) << c.description << ": " << row;
  }
}

// A command line cut into words as a shell would: blanks apart, double
// quotes kept together, a "#" comment ending it.
std::vector<std::string> words_of(const std::string& line) {
  std::vector<std::string> words;
  std::string word;
  bool quoted = false, any = false;
  for (char c : line) {
    if (c == '"') {
      quoted = !quoted;
      any = true;
    } else if (c == '#' && !quoted && !any) {
      break;
    } else if (c == ' ' && !quoted) {
      if (any) words.push_back(word);
      word.clear();
      any = false;
    } else {
      word += c;
      any = true;
    }
  }
  if (any) words.push_back(word);
  return words;
}

// The "./talve --batch" lines of the shell blocks of a note.
std::vector<std::string> batch_commands(const std::string& note) {
  std::ifstream in(kSource + "/" + note);
  std::vector<std::string> commands;
  bool in_shell = false;
  for (std::string line; std::getline(in, line);) {
    if (line.starts_with("```")) in_shell = line == "```sh";
    if (in_shell && line.starts_with("./talve --batch")) commands.push_back(line);
  }
  return commands;
}

TEST_F(Examples, CommandsOfTheNotesWork) {
  int count = 0;
  for (const char* note : {"README.md", "examples/LISEZMOI.md", "examples/demo/LISEZMOI.md"}) {
    for (const std::string& command : batch_commands(note)) {
      ++count;
      const testing::ProgramOutcome o = run(words_of(command));
      EXPECT_EQ(o.status, 0) << note << ": " << command << "\n" << o.summary();
    }
  }
  EXPECT_GE(count, 8);
}

// The README's description of a few keys is enough for a simple file: its
// keys, as the README shows them, read a file of that layout.
TEST_F(Examples, ReadmeDescriptionReadsASimpleFile) {
  std::ifstream in(kSource + "/README.md");
  std::vector<std::string> keys;
  bool in_block = false;
  for (std::string line; std::getline(in, line);) {
    if (line == "```text")
      in_block = keys.empty();
    else if (line.starts_with("```"))
      in_block = false;
    else if (in_block)
      keys.push_back(line);
  }
  ASSERT_EQ(keys.size(), 6u);
  dir.write("etude/station.dsc", testing::crlf(keys));
  dir.write("etude/donnees/station_1.csv",
            testing::crlf({"Date;T;H", "2024-03-01 00:10:00;5.0;80", "2024-03-01 00:50:00;7.0;90"}));
  const testing::ProgramOutcome o = testing::run_program(testing::ProgramRun{
      {"--batch", "etude/station.dsc", "--output-dir", "sorties"}, dir.path(), home, 60, -1});
  ASSERT_EQ(o.status, 0) << o.summary();
  EXPECT_EQ(
      testing::rows_of(testing::read_bytes(last_line(o.out))),
      (std::vector<std::string>{"01/03/2024 00:15:00\t5,000\t80,000\t1", "01/03/2024 00:30:00\t\t\t0",
                                "01/03/2024 00:45:00\t\t\t0", "01/03/2024 01:00:00\t7,000\t90,000\t1"}));
}

}  // namespace
}  // namespace talve
