// SPDX-License-Identifier: GPL-3.0-or-later
// The batch mode under an address-space limit far below what the files or
// the period would take if they were held whole: a file larger than the
// memory is read in pieces and gives its whole result, and a period whose
// table cannot fit ends with a French message and status 1, not an abort.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "app/batch_description.h"
#include "app/program_run.h"
#include "support/temp_dir.h"
#include "support/text_lines.h"
#include "text/encoding.h"
#include "text/text_utils.h"

namespace talve {
namespace {

using namespace std::chrono;

constexpr long long kAddressLimit = 512LL << 20;

class MemoryLimit : public ::testing::Test {
 protected:
  void SetUp() override {
    if (testing::kSanitizedBuild) GTEST_SKIP() << "the sanitizers need an address space without limit";
    home = dir.mkdir("maison");
    dir.mkdir("etude/donnees");
    dir.mkdir("etude/sorties");
    dir.write("etude/cas.dsc", testing::crlf(testing::batch_description()));
  }

  testing::ProgramOutcome run(std::vector<std::string> args, int timeout_seconds) {
    args.insert(args.begin(), {"--batch", "etude/cas.dsc"});
    testing::ProgramRun program{args, dir.path(), home, timeout_seconds, -1, kAddressLimit};
    return testing::run_program(program);
  }

  bool told(const testing::ProgramOutcome& o, const std::string& text) const {
    return o.err.find(cp1252_to_utf8(text)) != std::string::npos;
  }

  testing::TempDir dir;
  std::string home;
};

// "2021-01-01 00:00:00;mm;ss" for every second of `days` days from
// 1 January 2021: in any hour of lines, each minute and each second of the
// minute comes 60 times, so every hourly mean is 29,50 of 3600 values. The
// file is written a day at a time, never held whole.
long long write_seconds_file(const std::string& path, int day_count) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return -1;
  const std::string titles = "Date;M;S\r\n";
  long long written = ::write(fd, titles.data(), titles.size());
  // One day of lines, the date left blank: "yyyy-mm-dd" then 17 bytes.
  constexpr std::size_t kDate = 10;
  constexpr std::size_t kLine = kDate + 17;
  std::string day;
  day.reserve(86400 * kLine);
  for (int s = 0; s < 86400; ++s) {
    char rest[32];
    std::snprintf(rest, sizeof rest, " %02d:%02d:%02d;%02d;%02d\r\n", s / 3600, s / 60 % 60, s % 60,
                  s / 60 % 60, s % 60);
    day.append(kDate, ' ');
    day.append(rest, kLine - kDate);
  }
  const sys_days first = 2021y / January / 1;
  for (int d = 0; d < day_count; ++d) {
    const year_month_day date{first + days{d}};
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    for (std::size_t at = 0; at < day.size(); at += kLine) day.replace(at, kDate, text, kDate);
    const ssize_t put = ::write(fd, day.data(), day.size());
    if (put != static_cast<ssize_t>(day.size())) {
      ::close(fd);
      return -1;
    }
    written += put;
  }
  ::close(fd);
  return written;
}

// A file of more than twice the program's whole address space, whose lines
// cross the pieces' bounds anywhere: every hour of the period comes out
// whole, the first and last dates and the line count are those of the file.
TEST_F(MemoryLimit, FileLargerThanTheMemoryGivesItsWholeResult) {
  constexpr int kDays = 480;
  const std::string path = dir.path() + "etude/donnees/secondes.csv";
  const long long size = write_seconds_file(path, kDays);
  ASSERT_GT(size, 2 * kAddressLimit);

  const testing::ProgramOutcome o =
      run({"--start", "01/01/2021 01:00:00", "--end", "25/04/2022 23:00:00"}, 600);
  ASSERT_EQ(o.status, 0) << o.summary();
  EXPECT_EQ(o.signal, 0);
  const std::vector<std::string> rows =
      testing::rows_of(testing::read_bytes(dir.path() + "etude/sorties/res.txt"));
  ASSERT_EQ(rows.size(), static_cast<std::size_t>(kDays * 24 - 1));
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const std::string values = rows[i].substr(19);
    ASSERT_EQ(values, ";29,50;29,50;3600") << rows[i];
  }
  EXPECT_EQ(rows.front().substr(0, 19), "01/01/2021 01:00:00");
  EXPECT_EQ(rows.back().substr(0, 19), "25/04/2022 23:00:00");
  const std::string report = testing::read_bytes(dir.path() + "etude/sorties/res.txt.TXT");
  EXPECT_NE(report.find("01/01/2021 00:00:00"), std::string::npos);
  EXPECT_NE(report.find("25/04/2022 23:59:59"), std::string::npos);
  EXPECT_NE(report.find(format_grouped(kDays * 86400LL)), std::string::npos);
}

// A line of 200 MB, well beyond a piece, is read in the memory of a piece:
// it is cut there, and counts as the dated line without values it is,
// among the others, whose rows come out.
TEST_F(MemoryLimit, LineLongerThanAPieceCostsAPieceOnly) {
  const std::string path = dir.path() + "etude/donnees/ligne.csv";
  {
    std::ofstream file(path, std::ios::binary);
    file << "Date;M;S\r\n2021-01-01 00:30:00;1;2\r\n2021-01-01 00:40:00;";
    const std::string block(1 << 20, 'x');
    for (int i = 0; i < 200; ++i) file << block;
    file << "\r\n2021-01-01 00:50:00;3;4\r\n2021-01-01 02:30:00;5;6\r\n";
  }
  const testing::ProgramOutcome o = run({"--period", "dsc"}, 300);
  ASSERT_EQ(o.status, 0) << o.summary();
  EXPECT_EQ(testing::rows_of(testing::read_bytes(dir.path() + "etude/sorties/res.txt")),
            (std::vector<std::string>{"01/01/2021 01:00:00; 2,00; 3,00;3", "01/01/2021 02:00:00;NA;NA;0",
                                      "01/01/2021 03:00:00; 5,00; 6,00;1", "01/01/2021 04:00:00;NA;NA;0"}));
}

// A period whose grid or table cannot be had in the memory left: the
// program says so and ends with status 1, whether the grid itself or the
// table of the run was too large.
TEST_F(MemoryLimit, PeriodTooLargeForTheMemoryIsRefusedWithAMessage) {
  dir.write("etude/donnees/petit.csv", testing::crlf({"Date;M;S", "2021-01-01 00:30:00;1;2"}));
  struct Case {
    std::string end;
    std::string box;  // what failed
  };
  const std::vector<Case> cases = {
      {"01/06/2021 00:00:00", " Mémoire insuffisante pour la liste horodatée\n\n"},
      {"01/02/2021 00:00:00", " Mémoire insuffisante : le traitement est arrêté.\n\n"},
  };
  for (const Case& c : cases) {
    const testing::ProgramOutcome o =
        run({"--start", "01/01/2021 00:00:01", "--end", c.end, "--step", "00:00:01"}, 120);
    EXPECT_EQ(o.status, 1) << c.end << ": " << o.summary();
    EXPECT_EQ(o.signal, 0) << c.end;
    EXPECT_TRUE(told(o, c.box)) << c.end << ": " << o.summary();
    EXPECT_TRUE(told(o, "aucun fichier résultat : mémoire insuffisante")) << c.end << ": " << o.summary();
  }
}

}  // namespace
}  // namespace talve
