// SPDX-License-Identifier: GPL-3.0-or-later
// Every stored description keeps giving the same bytes: the examples, run
// as their notes say, are compared with the result files, reports and
// file tables saved in tests/data/reference from the program as it was
// before the date layouts, quoted fields and multi-column dates were added.
// Only what changes from one run to the next (the clock, the output folder,
// the durations) is masked on both sides.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/program_run.h"
#include "support/temp_dir.h"
#include "text/text_utils.h"

namespace talve {
namespace {

namespace fs = std::filesystem;

const std::string kSource = TALVE_SOURCE_DIR;
const std::string kReference = std::string(TALVE_TEST_DATA_DIR) + "/reference/";

struct ReferenceCase {
  const char* name;  // folder under tests/data/reference
  std::vector<std::string> args;
};

// A line of the file table: its cells, each followed by " \t"; the
// twelfth is the time spent on the file.
std::string mask_duration_cell(const std::string& line) {
  if (!line.starts_with(" \t")) return line;
  std::size_t at = 0;
  for (int cell = 0; cell < 12 && at != std::string::npos; ++cell) at = line.find('\t', at + 1);
  if (at == std::string::npos) return line;
  const std::size_t end = line.find(" \t", at + 1);
  if (end == std::string::npos) return line;
  return line.substr(0, at + 1) + "@DUREE@" + line.substr(end);
}

// The text with the clock, the folder and the durations masked, line by
// line, line ends kept.
std::string masked(std::string text, const std::string& folder) {
  if (!folder.empty()) remplacer_tout(folder, "@SORTIES@/", text);
  std::string out;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    end = end == std::string::npos ? text.size() : end + 1;
    std::string line = text.substr(start, end - start);
    std::string ending;
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
      ending.insert(ending.begin(), line.back());
      line.pop_back();
    }
    if (line.starts_with("t0 = ")) line = "t0 = @HEURE@";
    const std::size_t total = line.find("durée totale");
    if (total != std::string::npos) line = line.substr(0, total) + "durée totale @DUREE@";
    out += mask_duration_cell(line) + ending;
    start = end;
  }
  return out;
}

std::string read_or_empty(const fs::path& path) {
  return fs::exists(path) ? testing::read_bytes(path.string()) : std::string();
}

TEST(ReferenceResults, StoredDescriptionsGiveTheSavedBytes) {
  const ReferenceCase cases[] = {
      {"demo", {"examples/demo/demo.dsc"}},
      {"demo-dsc", {"examples/demo/demo.dsc", "--period", "dsc"}},
      {"toa5", {"examples/toa5/toa5.dsc"}},
      {"usgs-rdb", {"examples/usgs-rdb/usgs-rdb.dsc"}},
      {"usgs-mois", {"examples/usgs-rdb/usgs-rdb.dsc", "--step", "1 mois", "--date-test", "lt"}},
      {"meteofrance-synop", {"examples/meteofrance-synop/synop.dsc"}},
      {"synop-dsc", {"examples/meteofrance-synop/synop.dsc", "--period", "dsc"}},
      {"colorado-dwr", {"examples/colorado-dwr/dwr.dsc"}},
  };
  testing::TempDir dir;
  const std::string home = dir.mkdir("maison");
  for (const ReferenceCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::string out = dir.mkdir(std::string("sorties-") + c.name);
    if (out.ends_with('/')) out.pop_back();
    std::vector<std::string> args = {"--batch"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    args.insert(args.end(), {"--output-dir", out});
    const testing::ProgramOutcome o = testing::run_program(testing::ProgramRun{args, kSource, home, 120, -1});
    ASSERT_EQ(o.status, 0) << o.summary();
    const fs::path saved = kReference + c.name;
    ASSERT_TRUE(fs::is_directory(saved)) << saved;
    int files = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(saved)) {
      const std::string name = entry.path().filename().string();
      if (name == "liste.txt") continue;
      ++files;
      EXPECT_EQ(masked(read_or_empty(fs::path(out) / name), out + "/"), read_or_empty(entry.path())) << name;
    }
    EXPECT_EQ(files, 2);
    // The file table of the listing alone (pre-reading), as --list-only
    // prints it.
    std::vector<std::string> list_args = {"--batch", c.args[0], "--list-only"};
    const testing::ProgramOutcome listed =
        testing::run_program(testing::ProgramRun{list_args, kSource, home, 120, -1});
    ASSERT_EQ(listed.status, 0) << listed.summary();
    EXPECT_EQ(masked(listed.out, ""), read_or_empty(saved / "liste.txt"));
  }
}

}  // namespace
}  // namespace talve
