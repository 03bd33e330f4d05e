// SPDX-License-Identifier: GPL-3.0-or-later
// The examples' results and reports, byte for byte, against those the
// program wrote before the per-column methods, the coverage share and the
// marks of filled values existed: descriptions that do not use them must
// give exactly what they gave.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "app/program_run.h"
#include "support/temp_dir.h"
#include "support/text_lines.h"

namespace talve {
namespace {

namespace fs = std::filesystem;

const std::string kSource = TALVE_SOURCE_DIR;
const std::string kReference = std::string(TALVE_TEST_DATA_DIR) + "/golden/exemples/";

// What changes from run to run in a report: the output folder, the start
// time, the durations (the total and each file's in the FileTable).
std::string without_run_details(const std::string& report, const std::string& output_folder) {
  static const std::regex kDuration("^\\d\\d:\\d\\d:\\d\\d$");
  std::string out;
  std::size_t start = 0;
  while (start <= report.size()) {
    std::size_t end = report.find("\r\n", start);
    if (end == std::string::npos) end = report.size();
    std::string line = report.substr(start, end - start);
    for (std::size_t at; (at = line.find(output_folder)) != std::string::npos;)
      line.replace(at, output_folder.size(), "@SORTIE@/");
    if (line.starts_with("t0 = ")) line = "t0 = @";
    if (line.starts_with("  durée totale = ")) line = "  durée totale = @";
    if (line.starts_with(" \t")) {
      std::string cells;
      std::size_t from = 2;
      while (true) {
        const std::size_t next = line.find(" \t", from);
        std::string cell = line.substr(from, next == std::string::npos ? std::string::npos : next - from);
        cells += " \t" + (std::regex_match(cell, kDuration) ? std::string("@") : cell);
        if (next == std::string::npos) break;
        from = next + 2;
      }
      line = cells;
    }
    out += line;
    if (end == report.size()) break;
    out += "\r\n";
    start = end + 2;
  }
  return out;
}

struct ReferenceCase {
  const char* name;
  std::vector<std::string> args;
};

TEST(ExamplesReference, ResultsAndReportsAreThoseOfBefore) {
  const ReferenceCase cases[] = {
      {"demo", {"examples/demo/demo.dsc"}},
      {"toa5", {"examples/toa5/toa5.dsc"}},
      {"usgs-rdb", {"examples/usgs-rdb/usgs-rdb.dsc"}},
      {"usgs-rdb-mois", {"examples/usgs-rdb/usgs-rdb.dsc", "--step", "1 mois", "--date-test", "lt"}},
      {"synop", {"examples/meteofrance-synop/synop.dsc"}},
      {"synop-dsc", {"examples/meteofrance-synop/synop.dsc", "--period", "dsc"}},
      {"dwr", {"examples/colorado-dwr/dwr.dsc"}},
  };
  for (const ReferenceCase& c : cases) {
    testing::TempDir dir;
    const std::string output = dir.mkdir("sorties");
    std::vector<std::string> args = {"--batch"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    args.insert(args.end(), {"--output-dir", output});
    const testing::ProgramOutcome o =
        testing::run_program(testing::ProgramRun{args, kSource, dir.mkdir("maison"), 120, -1});
    ASSERT_EQ(o.status, 0) << c.name << ": " << o.summary();
    std::string result_path, report_path;
    for (const auto& entry : fs::directory_iterator(output))
      (entry.path().string().ends_with(".TXT") ? report_path : result_path) = entry.path().string();
    ASSERT_FALSE(result_path.empty()) << c.name;
    ASSERT_FALSE(report_path.empty()) << c.name;
    const std::string reference = kReference + c.name + "/resultat.txt";
    ASSERT_TRUE(fs::exists(reference)) << reference;
    EXPECT_TRUE(testing::read_bytes(result_path) == testing::read_bytes(reference)) << c.name;
    EXPECT_EQ(without_run_details(testing::read_bytes(report_path), output),
              testing::read_bytes(reference + ".TXT"))
        << c.name;
  }
}

}  // namespace
}  // namespace talve
