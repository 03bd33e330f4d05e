// SPDX-License-Identifier: GPL-3.0-or-later
// Lines parsed on two threads must give exactly what the reading of every
// line in order gives: result rows, tracking lines, counters and FileTable
// cells, whatever the file holds.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "engine_run_fixture.h"
#include "grid_fixture.h"

namespace talve {
namespace {

using testing::EngineRun;

// A logger file with every oddity the reading treats apart.
std::vector<std::string> messy_file(unsigned seed, long long start) {
  std::mt19937 random(seed);
  std::vector<std::string> lines{"date;a;b;c"};
  long long t = start;
  for (int i = 0; i < 6000; ++i) {
    const unsigned pick = random() % 100;
    if (pick < 3) {
      t -= 600;  // backward jump
    } else if (pick < 8) {
      // repeated instant
    } else {
      t += 30 + static_cast<long long>(random() % 90);
    }
    std::string date = format_canonical(from_whole_seconds(t));
    if (pick == 10) date = "31/02/2022 10:00:00";
    if (pick == 11) date = "";
    if (pick == 12)
      date = date.substr(6, 4) + "/" + date.substr(3, 2) + "/" + date.substr(0, 2) + date.substr(10);
    if (pick == 13) date = "12:00";
    std::string line = date;
    for (int k = 0; k < 3; ++k) {
      const unsigned v = random() % 50;
      line += ";";
      if (v == 0)
        line += "NA";
      else if (v == 1)
        line += "-99999";
      else if (v == 2)
        line += "<0,5";
      else if (v == 3)
        line += "abc";
      else if (v == 4)
        line += "";
      else if (v == 5)
        line += random() % 2 ? "-0" : "-0,000";  // negative zeros, on both readings
      else
        line +=
            std::to_string(static_cast<int>(random() % 2000) - 1000) + "," + std::to_string(random() % 100);
    }
    if (pick == 14) line = "";
    if (pick == 15) line = std::string("bad\x01line;1;2;3");
    lines.push_back(line);
  }
  return lines;
}

struct Outcome {
  std::vector<std::string> result;
  std::vector<std::string> tracking;
  std::vector<std::vector<std::string>> table;
  std::vector<long long> counters;
};

// `ends`: lines added at the end of both files (blank ones, which the data
// block leaves out of its count).
Outcome read_all(bool parallel, long long block = 97, int method = 0, std::size_t piece_bytes = kPieceBytes,
                 bool held_whole = true, const std::vector<std::string>& ends = {}) {
  EngineRun run;
  run.limits.piece_bytes = piece_bytes;
  run.limits.held_whole = held_whole;
  run.ui.record_captions = "Label26";
  run.set("RadioGroup_methode_ItemIndex", std::to_string(method));
  run.set("CheckBox_correction_si_t1egalt2.Checked", "true");
  run.set("CheckBox_correction_si_t1supt2.Checked", "true");
  run.configure = [parallel, block](ProcessingEngine& engine) {
    engine.set_parallel(parallel);
    engine.set_parallel_block(block);
  };
  const long long start = whole_seconds(testing::at("07/11/2021 00:00:00"));
  std::vector<std::string> a = messy_file(1, start), b = messy_file(2, start + 86400);
  a.insert(a.end(), ends.begin(), ends.end());
  b.insert(b.end(), ends.begin(), ends.end());
  run.add_file("a.csv", a);
  run.add_file("b.csv", b);
  const TimeGrid grid = testing::regular_grid("07/11/2021 00:00:00", 900, 400);
  EXPECT_TRUE(run.run(grid, 3, "date\ta\tb\tc"));
  Outcome out;
  out.result = run.result;
  out.tracking = run.ui.tracking;
  out.table = run.files.rows();
  for (const FileReport& report : run.reports) {
    out.counters.push_back(report.lines.decoded);
    out.counters.push_back(report.lines.extracted);
    out.counters.push_back(report.lines.problem_lines);
    out.counters.push_back(report.steps.one_day);
    out.counters.push_back(report.steps.one_second);
  }
  out.counters.push_back(run.ws.dates.inverted_total());
  // The data lines of each file as the window shows them, once it is read.
  out.tracking.insert(out.tracking.end(), run.ui.recorded_captions.begin(), run.ui.recorded_captions.end());
  return out;
}

// The processing time of each file differs from one run to the other.
std::vector<std::vector<std::string>> without_durations(std::vector<std::vector<std::string>> rows) {
  for (auto& row : rows) row[11].clear();
  return rows;
}

TEST(ParallelReading, GivesWhatTheReadingInOrderGives) {
  const Outcome in_order = read_all(false);
  // Blocks of one line, of a few chunks, and one block longer than a file.
  for (long long block : {1, 5, 97, 4000, 7000}) {
    const Outcome other = read_all(true, block);
    EXPECT_EQ(other.result, in_order.result) << block;
    EXPECT_EQ(other.tracking, in_order.tracking) << block;
    EXPECT_EQ(other.counters, in_order.counters) << block;
  }
  const Outcome parallel = read_all(true);
  EXPECT_EQ(parallel.result, in_order.result);
  EXPECT_EQ(parallel.tracking, in_order.tracking);
  EXPECT_EQ(parallel.counters, in_order.counters);
  EXPECT_EQ(without_durations(parallel.table), without_durations(in_order.table));
  EXPECT_GT(in_order.counters[2], 0);      // the file did hold unreadable lines
  EXPECT_GT(in_order.counters.back(), 0);  // and inverted dates
}

// Every way of folding the lines into the grid keeps a value as the reading
// in order gives it: the last, the largest and the smallest value too,
// negative zeros included.
TEST(ParallelReading, EveryMethodGivesWhatTheReadingInOrderGives) {
  for (int method = 0; method <= 5; ++method) {
    const Outcome in_order = read_all(false, 97, method);
    const Outcome parallel = read_all(true, 97, method);
    EXPECT_EQ(parallel.result, in_order.result) << method;
    EXPECT_EQ(parallel.counters, in_order.counters) << method;
  }
}

// A logger array file as export services write it: data lines that begin
// with an empty field under titles that do not, the date over three
// columns (year, day of the year, HHMM written without zeros), quoted
// values, now and then a quote out of place or a doubled one.
std::vector<std::string> quoted_array_file(unsigned seed) {
  std::mt19937 random(seed);
  std::vector<std::string> lines{"station;annee;jour;hhmn;a;b;c"};
  int day = 311, minutes = 0;
  for (int i = 0; i < 5000; ++i) {
    const unsigned pick = random() % 100;
    minutes += pick < 3 ? -30 : 1 + static_cast<int>(random() % 3);
    if (minutes >= 1440) {
      minutes -= 1440;
      ++day;
    }
    if (minutes < 0) minutes = 0;
    std::string line =
        ";2021;" + std::to_string(day) + ";" + std::to_string(minutes / 60 * 100 + minutes % 60);
    if (pick == 10) line = ";2021;" + std::to_string(day) + ";2460";  // minutes 60
    if (pick == 11) line = ";2021;367;5";
    for (int k = 0; k < 3; ++k) {
      const unsigned v = random() % 40;
      line += ";";
      if (v == 0)
        line += "\"NA\"";
      else if (v == 1)
        line += "\"1\"\"5\"";  // a doubled quote: not a number
      else if (v == 2)
        line += "\"2,5";  // not closed
      else if (v == 3)
        line += "3\"5";  // inside an unquoted field
      else if (v == 4)
        line += "\"\"";
      else
        line += "\"" + std::to_string(static_cast<int>(random() % 200) - 100) + "," +
                std::to_string(random() % 10) + "\"";
    }
    lines.push_back(line);
  }
  return lines;
}

Outcome read_quoted(bool parallel, long long block) {
  EngineRun run;
  run.set("CheckBox_guillemets.Checked", "true");
  run.set("Edit_num_col_datetime.text", "2+3+4");
  run.set("Edit_format_datetime_mesure.text", "aaaa_qqq_hhmn");
  run.set("CheckBox_correction_si_t1egalt2.Checked", "true");
  run.configure = [parallel, block](ProcessingEngine& engine) {
    engine.set_parallel(parallel);
    engine.set_parallel_block(block);
  };
  run.add_file("a.csv", quoted_array_file(3));
  run.add_file("b.csv", quoted_array_file(4));
  const TimeGrid grid = testing::regular_grid("07/11/2021 00:00:00", 900, 600);
  EXPECT_TRUE(run.run(grid, 4, "station\tannee\tjour\thhmn\ta\tb\tc"));
  Outcome out;
  out.result = run.result;
  out.tracking = run.ui.tracking;
  for (const FileReport& report : run.reports) {
    out.counters.push_back(report.lines.decoded);
    out.counters.push_back(report.lines.extracted);
    out.counters.push_back(report.lines.problem_lines);
    out.counters.push_back(report.steps.one_second);
  }
  return out;
}

TEST(ParallelReading, QuotedFieldsAndDatesOverColumnsGiveWhatTheReadingInOrderGives) {
  const Outcome in_order = read_quoted(false, 97);
  for (long long block : {1, 97, 4000}) {
    const Outcome parallel = read_quoted(true, block);
    EXPECT_EQ(parallel.result, in_order.result) << block;
    EXPECT_EQ(parallel.tracking, in_order.tracking) << block;
    EXPECT_EQ(parallel.counters, in_order.counters) << block;
  }
  EXPECT_GT(in_order.counters[1], 3000);  // most lines were read
  EXPECT_GT(in_order.counters[2], 0);     // some quotes were out of place
  // The values of a line reach their own titles: the station is empty, "a"
  // holds numbers.
  ASSERT_GT(in_order.result.size(), 100u);
  EXPECT_EQ(in_order.result[0].substr(0, 45), "temps(annee+jour+hhmn inf ou =);station;a;b;c");
  EXPECT_EQ(in_order.result[1], "07/11/2021 00:15:00;#N/A;-0,30; 5,17;-20,01;39");
}

// The reading's progress, shown each time the decoded lines reach a
// twentieth of the file, whether the lines are parsed in order or on two
// threads in blocks of any size.
std::vector<std::string> read_progress(bool parallel, long long block,
                                       std::size_t piece_bytes = kPieceBytes) {
  EngineRun run;
  run.limits.piece_bytes = piece_bytes;
  run.configure = [parallel, block](ProcessingEngine& engine) {
    engine.set_parallel(parallel);
    engine.set_parallel_block(block);
  };
  run.ui.record_captions = "Label_patienter";
  std::vector<std::string> lines{"date;a"};
  const long long start = whole_seconds(testing::at("07/11/2021 00:00:00"));
  for (int i = 0; i < 399; ++i)
    lines.push_back(format_canonical(from_whole_seconds(start + 60 * i)) + ";1,5");
  run.add_file("a.csv", lines);
  EXPECT_TRUE(run.run(testing::regular_grid("07/11/2021 00:00:00", 900, 40), 1, "date\ta"));
  std::vector<std::string> shown;
  for (const std::string& text : run.ui.recorded_captions)
    if (text.starts_with("3- patienter ... fic-")) shown.push_back(text);
  return shown;
}

TEST(ParallelReading, ShowsTheProgressOfTheReadingInOrder) {
  const std::vector<std::string> in_order = read_progress(false, 97);
  // Every 19 lines of the 399 (399 / 20), then once more at the file's end.
  ASSERT_EQ(in_order.size(), 22u);
  EXPECT_EQ(in_order.front(), "3- patienter ... fic-1  5%     ");
  EXPECT_EQ(in_order[1], "3- patienter ... fic-1  10%     ");
  EXPECT_EQ(in_order[20], "3- patienter ... fic-1  100%     ");
  EXPECT_EQ(in_order.back(), "3- patienter ... fic-1  100%      ");
  for (long long block : {1, 7, 20, 97, 1000}) EXPECT_EQ(read_progress(true, block), in_order) << block;
  // Read in pieces, of a few lines or of more than a block.
  for (std::size_t piece : {200u, 3000u}) {
    EXPECT_EQ(read_progress(false, 97, piece), in_order) << piece;
    EXPECT_EQ(read_progress(true, 7, piece), in_order) << piece;
  }
}

// A file too large to be held is read in pieces: whatever the pieces' size
// (lines cut across two pieces, pieces smaller or larger than a parsed
// block), the reading gives what the whole file gives, in order or on two
// threads.
TEST(PieceReading, GivesWhatTheWholeFileGives) {
  const Outcome whole = read_all(false);
  for (std::size_t piece : {64u, 1000u, 50000u}) {
    for (const bool parallel : {false, true}) {
      const Outcome pieces = read_all(parallel, 97, 0, piece);
      EXPECT_EQ(pieces.result, whole.result) << piece << " " << parallel;
      EXPECT_EQ(pieces.tracking, whole.tracking) << piece << " " << parallel;
      EXPECT_EQ(pieces.counters, whole.counters) << piece << " " << parallel;
      EXPECT_EQ(without_durations(pieces.table), without_durations(whole.table)) << piece << " " << parallel;
    }
  }
}

// A run reads every file in pieces, and outlines a long one from its first
// piece and its last bytes: its line count, its data block's last line and
// the data lines shown are settled as its lines are read, and come out as
// the whole file's, whatever blank lines end it. (Pieces of 64 bytes hold
// too few lines to outline the file: it is read through first.)
TEST(PieceReading, AnOutlinedFileGivesWhatTheWholeFileGives) {
  const std::vector<std::vector<std::string>> endings{{}, {"", ""}, {"  ", "", "\t"}, {"07/11/2021;;", ""}};
  for (std::size_t e = 0; e < endings.size(); ++e) {
    const Outcome whole = read_all(false, 97, 0, kPieceBytes, true, endings[e]);
    for (std::size_t piece : {64u, 2000u, 40000u}) {
      for (const bool parallel : {false, true}) {
        const Outcome outlined = read_all(parallel, 97, 0, piece, false, endings[e]);
        const std::string where =
            std::to_string(e) + " " + std::to_string(piece) + " " + std::to_string(parallel);
        EXPECT_EQ(outlined.result, whole.result) << where;
        EXPECT_EQ(outlined.tracking, whole.tracking) << where;
        EXPECT_EQ(outlined.counters, whole.counters) << where;
        EXPECT_EQ(without_durations(outlined.table), without_durations(whole.table)) << where;
      }
    }
  }
}

// The stop button leaves a file read in pieces at once, as it leaves a
// file read whole: after the line it was seen on, nothing more is read.
TEST(PieceReading, StopLeavesTheFileAtOnce) {
  for (const std::size_t piece : {kPieceBytes, std::size_t{30}}) {
    EngineRun run;
    run.limits.piece_bytes = piece;
    run.ui.on_process_events = [&](int) { run.ws.flags.stop = true; };
    run.add_file("a.csv", {"date;v", "07/11/2021 00:10:00;1", "07/11/2021 00:20:00;2",
                           "07/11/2021 00:40:00;3", "07/11/2021 00:50:00;4"});
    EXPECT_FALSE(run.run(testing::regular_grid("07/11/2021 00:00:00", 900, 5), 1, "date\tv")) << piece;
    EXPECT_EQ(run.result.size(), 1u) << piece;
    ASSERT_EQ(run.reports.size(), 1u);
    EXPECT_EQ(run.reports[0].lines.decoded, 1) << piece;
  }
}

// A file outlined from its ends and left at a stop keeps the data line
// count its pre-reading wrote in the FileTable: its own count is then only
// an estimate. A file read to its end gets its exact count.
TEST(PieceReading, AStoppedOutlinedFileKeepsItsPreReadCount) {
  for (const bool stop : {true, false}) {
    EngineRun run;
    run.limits.held_whole = false;
    run.limits.piece_bytes = 1000;
    if (stop) run.ui.on_process_events = [&](int) { run.ws.flags.stop = true; };
    std::vector<std::string> lines{"date;v"};
    const long long start = whole_seconds(testing::at("07/11/2021 00:00:00"));
    for (int i = 0; i < 400; ++i)
      lines.push_back(format_canonical(from_whole_seconds(start + 60 * i)) + ";1");
    run.add_file("a.csv", lines);
    run.files.ecrire_case(1, "n.données", "400");
    EXPECT_EQ(run.run(testing::regular_grid("07/11/2021 00:00:00", 900, 30), 1, "date\tv"), !stop);
    EXPECT_EQ(run.files.lire_case(1, "n.données"), "400") << stop;
  }
}

}  // namespace
}  // namespace talve
