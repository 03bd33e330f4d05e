// SPDX-License-Identifier: GPL-3.0-or-later
// A description written by `--inspect` from one file of a real logger, then
// run on that file: the result covers the file's own first and last
// instants with its own columns, as a user starting on new files gets it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/program_run.h"
#include "support/temp_dir.h"
#include "support/text_lines.h"
#include "text/tdatetime.h"

namespace talve {
namespace {

namespace fs = std::filesystem;

std::string last_line(const std::string& text) {
  std::string trimmed = text;
  while (!trimmed.empty() && trimmed.back() == '\n') trimmed.pop_back();
  return trimmed.substr(trimmed.rfind('\n') + 1);
}

// "dd/mm/yyyy hh:mn:ss" in seconds.
long long seconds_of(const std::string& text) {
  const auto n = [&](std::size_t at, std::size_t count) { return std::stoi(text.substr(at, count)); };
  const double day = *encode_date(n(6, 4), n(3, 2), n(0, 2));
  return static_cast<long long>(day) * 86400 + n(11, 2) * 3600 + n(14, 2) * 60 + n(17, 2);
}

long long step_seconds(const std::string& step) {
  if (step == "1 jour") return 86400;
  return std::stoll(step.substr(0, 2)) * 3600 + std::stoll(step.substr(3, 2)) * 60 +
         std::stoll(step.substr(6, 2));
}

struct RealSample {
  const char* file;   // under tests/data/real
  const char* first;  // the file's first and last instants (UTC for a file written with its offset)
  const char* last;
  const char* step;  // the result's time step
  std::size_t measurement_columns;
};

class SampleInspection : public ::testing::Test {
 protected:
  testing::ProgramOutcome run(const std::vector<std::string>& args) {
    return testing::run_program(testing::ProgramRun{args, dir.path(), home, 120, -1});
  }
  testing::TempDir dir;
  std::string home = dir.mkdir("maison");
};

TEST_F(SampleInspection, DescriptionWrittenFromEachRealFileReadsItWhole) {
  const RealSample cases[] = {
      {"campbell-array-cr23x/6-GndRadData.dat", "17/02/2010 22:00:00", "18/02/2010 02:59:00", "00:01:00", 30},
      {"co-dwr-tab/CO-DWR-ADATUNCO-tab.txt", "01/10/2006 00:00:00", "06/10/2006 23:45:00", "00:15:00", 3},
      {"hobo-building/sample_hobo_pendant_data.csv", "10/10/2019 11:00:00", "17/10/2019 09:03:34", "00:01:00",
       7},
      {"hobo-building/sample_hobo_u12_data.csv", "02/10/2013 06:00:00", "03/12/2013 16:36:22", "00:10:00", 8},
      {"meteofrance-climato-api/horaires.csv", "15/06/2024 12:00:00", "15/06/2024 13:00:00", "01:00:00", 98},
      {"meteofrance-climato-api/infrahoraires.csv", "15/06/2024 12:00:00", "15/06/2024 12:06:00", "00:06:00",
       2},
      {"meteofrance-climato-api/quotidiennes.csv", "15/06/2024 00:00:00", "16/06/2024 00:00:00", "1 jour",
       68},
      {"meteofrance-synop-ods/donnees-synop-essentielles-omm.csv", "04/11/2024 09:00:00",
       "19/07/2025 15:00:00", "01:00:00", 81},
      {"meteofrance-synop-ods-macroman/donnees-synop-essentielles-omm.csv", "06/01/2023 06:00:00",
       "11/06/2023 09:00:00", "01:00:00", 81},
      {"ncwcd-array/NCWCD-408.dat", "19/01/2012 00:05:00", "21/01/2012 00:15:00", "00:05:00", 4},
      {"nrcs-snotel/NRCS-SNOTEL-JoeWright-all.txt", "01/10/2010 00:00:00", "30/09/2011 00:00:00", "1 jour",
       6},
      {"toa5-cr3000-crlf/4-CR3000_Table213.dat", "30/11/2009 22:00:00", "01/12/2009 02:59:00", "00:01:00",
       66},
      {"toa5-cr800-duplicates/CR800Series_RemoteTable.dat", "27/01/2011 13:16:00", "01/02/2011 17:00:00",
       "00:01:00", 8},
      {"usgs-rdb/03451500.rdb", "01/01/2000 00:00:00", "31/12/2010 00:00:00", "1 jour", 16},
      {"usgs-rdb/09512500_Discharge.txt", "09/05/2016 00:00:00", "16/05/2016 10:30:00", "00:15:00", 5},
  };
  int n = 0;
  for (const RealSample& c : cases) {
    SCOPED_TRACE(c.file);
    // The file alone in its folder, as a user's logger folder holds it.
    const std::string data = dir.mkdir("donnees" + std::to_string(n));
    const std::string output = dir.mkdir("sorties" + std::to_string(n++));
    const fs::path source = fs::path(TALVE_SOURCE_DIR) / "tests/data/real" / c.file;
    const std::string sample = data + source.filename().string();
    fs::copy_file(source, sample);

    const testing::ProgramOutcome inspected = run({"--batch", "--inspect", sample});
    ASSERT_EQ(inspected.status, 0) << inspected.summary();
    const std::string description = last_line(inspected.out);
    EXPECT_EQ(fs::path(description), fs::path(sample).replace_extension(".dsc"));
    EXPECT_NE(inspected.err.find("ponse : Oui"), std::string::npos);

    const testing::ProgramOutcome result =
        run({"--batch", description, "--output-dir", output, "--step", c.step});
    ASSERT_EQ(result.status, 0) << result.summary();
    const std::vector<std::string> rows = testing::rows_of(testing::read_bytes(last_line(result.out)));
    ASSERT_GE(rows.size(), 2u);
    // Title row, then one row per instant; each row holds the instant, the
    // measurement columns and the count of values. A row gathers the
    // instants of the step that ends with it.
    const std::string& first = rows[1];
    const std::string& last = rows.back();
    const long long step = step_seconds(c.step);
    for (const auto& [row, instant] : {std::pair{first, c.first}, std::pair{last, c.last}}) {
      const long long t = seconds_of(instant);
      const long long r = seconds_of(row);
      EXPECT_TRUE(r - step <= t && t <= r) << row.substr(0, 19) << " for " << instant;
    }
    EXPECT_EQ(static_cast<std::size_t>(std::count(first.begin(), first.end(), '\t')),
              c.measurement_columns + 1)
        << first.substr(0, 200);
  }
}

TEST_F(SampleInspection, AnExistingDescriptionIsReplacedOnlyWhenForced) {
  const std::string data = dir.mkdir("donnees");
  const std::string sample = data + "releve.csv";
  std::ofstream(sample, std::ios::binary)
      << "date;t;u;v\r\n01/02/2024 10:00;1,5;7;8\r\n01/02/2024 11:00;2;7;8\r\n";
  const std::string target = dir.path() + "releve.dsc";
  std::ofstream(target, std::ios::binary) << "ancienne";
  testing::ProgramOutcome o = run({"--batch", "--inspect", sample, "--output", target});
  EXPECT_EQ(o.status, 1) << o.summary();
  EXPECT_NE(o.err.find("--force"), std::string::npos) << o.err;
  EXPECT_EQ(testing::read_bytes(target), "ancienne");

  o = run({"--batch", "--inspect", sample, "--output", target, "--force"});
  ASSERT_EQ(o.status, 0) << o.summary();
  EXPECT_EQ(last_line(o.out), target);
  const std::string written = testing::read_bytes(target);
  EXPECT_NE(written.find("Edit_masque.text= csv\r\n"), std::string::npos);
  EXPECT_NE(written.find("dossier_choisi= " + data + "\r\n"), std::string::npos);
  EXPECT_NE(written.find("Edit_num_col_datetime.text= 1\r\n"), std::string::npos);
  EXPECT_NE(written.find("RadioGroup_separateur_colonne_ItemIndex= 2\r\n"), std::string::npos);
}

}  // namespace
}  // namespace talve
