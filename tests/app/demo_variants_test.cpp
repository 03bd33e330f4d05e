// SPDX-License-Identifier: GPL-3.0-or-later
// The demo as a user's files and descriptions may turn it, through the
// batch mode: each variant once gave a wrong result with exit status 0 and
// nothing said.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "app/program_run.h"
#include "support/temp_dir.h"
#include "support/text_lines.h"
#include "text/encoding.h"

namespace talve {
namespace {

namespace fs = std::filesystem;

class DemoVariants : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::copy(std::string(TALVE_SOURCE_DIR) + "/examples/demo", demo, fs::copy_options::recursive);
    fs::create_directories(demo + "sorties");
  }

  // The demo's description with one key given another value.
  void set_key(const std::string& key, const std::string& value) {
    std::string text = testing::read_bytes(demo + "demo.dsc");
    const std::size_t at = text.find(key + "= ");
    ASSERT_NE(at, std::string::npos) << key;
    text.replace(at, text.find("\r\n", at) - at, key + "= " + value);
    dir.write("demo/demo.dsc", text);
  }

  testing::ProgramOutcome run(std::vector<std::string> args = {}) {
    args.insert(args.begin(), {"--batch", "demo/demo.dsc"});
    return testing::run_program(testing::ProgramRun{args, dir.path(), home, 120, -1});
  }

  // The result and its report named by the last two lines of the output.
  static std::string result_of(const testing::ProgramOutcome& o) {
    std::string out = o.out;
    while (!out.empty() && out.back() == '\n') out.pop_back();
    return testing::read_bytes(out.substr(out.rfind('\n') + 1));
  }
  static std::string report_of(const testing::ProgramOutcome& o) {
    const std::size_t at = o.out.find("suivi : ");
    if (at == std::string::npos) return {};
    const std::size_t end = o.out.find('\n', at);
    return testing::read_bytes(o.out.substr(at + 8, end - at - 8));
  }
  static bool told(const testing::ProgramOutcome& o, const std::string& text) {
    return o.err.find(cp1252_to_utf8(text)) != std::string::npos;
  }

  testing::TempDir dir;
  std::string home = dir.mkdir("maison");
  std::string demo = dir.path() + "demo/";
};

// The last measurement is 04/03/2024 00:00 (rows of 30 minutes, longest gap
// 3). The rows after it used to read the last values, counted as nothing:
// a logger stopped in March showed constant values until December.
TEST_F(DemoVariants, GapFillingInventsNothingAfterTheLastMeasurement) {
  struct Case {
    const char* end;
    std::size_t rows;
    const char* after_last;  // every row after 04/03/2024 00:00:00
    const char* count;
  };
  const Case cases[] = {
      {"05/03/2024 00:00:00", 192, "NA;NA;NA;0", "  0 interpolations effectuées"},
      {"04/03/2024 01:00:00", 146, " 5.87;94.00;1007.63;1", "  6 interpolations effectuées"},
  };
  for (const Case& c : cases) {
    const testing::ProgramOutcome o = run({"--end", c.end});
    ASSERT_EQ(o.status, 0) << o.summary();
    const std::vector<std::string> rows = testing::rows_of(result_of(o));
    ASSERT_EQ(rows.size(), c.rows) << c.end;
    EXPECT_EQ(rows[143], "04/03/2024 00:00:00; 5.87;94.00;1007.63;3");
    for (std::size_t i = 144; i < rows.size(); ++i)
      EXPECT_EQ(rows[i].substr(20), c.after_last) << c.end << ": " << rows[i];
    EXPECT_NE(report_of(o).find(std::string("\r\n") + c.count + "\r\n"), std::string::npos) << c.end;
  }
}

// A logger that stopped writing leaves its last file without its end
// marker. The default period used to end with the previous file, 50 rows
// instead of 144, without a word.
TEST_F(DemoVariants, FileWithoutItsEndMarkerKeepsItsDataInTheDefaultPeriod) {
  const std::string path = demo + "donnees/kervel_20240303.csv";
  std::string data = testing::read_bytes(path);
  data.erase(data.rfind("*** fin des mesures"));
  dir.write("demo/donnees/kervel_20240303.csv", data);
  const testing::ProgramOutcome o = run();
  ASSERT_EQ(o.status, 0) << o.summary();
  const std::vector<std::string> rows = testing::rows_of(result_of(o));
  ASSERT_EQ(rows.size(), 144u);
  EXPECT_EQ(rows.back(), "04/03/2024 00:00:00; 5.87;94.00;1007.63;3");
  const std::string report = report_of(o);
  EXPECT_NE(
      report.find("sans balise de fin <*** fin> : dernière date lue en ligne 128 : 03/03/2024 23:51:54"),
      std::string::npos);
  EXPECT_NE(report.find("03/03/2024 23:51:54 \t126 \t126 \t"), std::string::npos);
  EXPECT_NE(report.find(" \t---, sans balise de fin \t"), std::string::npos);

  // A file whose first date does not read is named, and what the default
  // period makes of it said.
  data.replace(data.find("2024-03-03 01:00:52"), 19, "xx");
  dir.write("demo/donnees/kervel_20240303.csv", data);
  const testing::ProgramOutcome unread = run();
  ASSERT_EQ(unread.status, 0) << unread.summary();
  EXPECT_TRUE(told(unread, "fichier " + path +
                               " : sa première date ne se lit pas, le début de la période par défaut "
                               "n'en tient pas compte"))
      << unread.err;
}

// Without a year, month and day every line used to be dated 01/01/1900
// 00:00:00: one row, exit 0.
TEST_F(DemoVariants, PatternWithoutADateIsRefused) {
  for (const std::string& pattern :
       {std::string("zz"), std::string(100000, 'x'), std::string("mm_jj_hh_mn")}) {
    set_key("Edit_format_datetime_mesure.text", pattern);
    const testing::ProgramOutcome o = run();
    EXPECT_EQ(o.status, 1) << o.summary();
    EXPECT_TRUE(told(o,
                     "> ne contient pas de date : il lui faut l'année (aaaa ou aa), le mois (mm) et le "
                     "jour (jj), ou une heure seule (hh_mn_ss)"))
        << o.err.substr(0, 300);
    EXPECT_EQ(std::distance(fs::directory_iterator(demo + "sorties"), fs::directory_iterator()), 1)
        << "only .gitkeep: " << pattern.substr(0, 20);
  }
}

}  // namespace
}  // namespace talve
