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
