// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/period_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "core/workspace.h"
#include "support/scripted_interface.h"
#include "support/temp_dir.h"
#include "text/text_utils.h"

namespace talve {
namespace {

using testing::ProgramHome;
using testing::read_bytes;
using testing::ScriptedInterface;

std::vector<std::string> lines_of(const std::string& path) {
  const std::string bytes = read_bytes(path);
  std::vector<std::string> lines;
  for (auto line : split_lines(bytes)) lines.emplace_back(line);
  return lines;
}

void write_file(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

class PeriodFile : public ::testing::Test {
 protected:
  ProgramHome home;
  ScriptedInterface ui;
  Workspace ws{ui};
};

TEST_F(PeriodFile, MissingFileKeepsTheInitialPeriod) {
  read_period_file(ws);
  EXPECT_EQ(ws.period.start_caption, "07/11/2021 00:00:00");
  EXPECT_EQ(ws.period.end_caption, "08/11/2021 10:00:00");
  EXPECT_EQ(format_time(ws.period.step_time), "00:15:00");
  EXPECT_EQ(ws.period.step_kind, StepKind::Time);
  EXPECT_FALSE(ws.period.changed);
  EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(PeriodFile, WrittenPeriodReadsBackInANewSession) {
  ws.period.start_caption = "01/03/2021 00:00:00";
  ws.period.end_caption = "01/06/2021 00:00:00";
  ws.period.step_time = 7.0 * 60.0 / 86400.0;
  ws.period.count_caption = "4";
  ws.period.step_count = 2;
  ws.period.date_test = DateTest::Strict;
  ws.period.step_kind = StepKind::Month;
  ws.period.changed = true;
  ASSERT_TRUE(write_period_file(ws));
  EXPECT_FALSE(ws.period.changed);

  const auto lines = lines_of(period_file_path());
  ASSERT_EQ(lines.size(), 60u);
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 7),
            (std::vector<std::string>{"01/03/2021 00:00:00", "01/06/2021 00:00:00", "00:07:00", "4", "2", "1",
                                      "2"}));
  EXPECT_NE(read_bytes(period_file_path()).find("00:07:00\r\n"), std::string::npos);

  ScriptedInterface other_ui;
  Workspace next{other_ui};
  read_period_file(next);
  EXPECT_EQ(next.period.start_caption, "01/03/2021 00:00:00");
  EXPECT_EQ(next.period.end_caption, "01/06/2021 00:00:00");
  EXPECT_EQ(format_time(next.period.step_time), "00:07:00");
  EXPECT_EQ(next.period.count_caption, "4");
  EXPECT_EQ(next.period.step_count, 2);
  EXPECT_EQ(next.period.date_test, DateTest::Strict);
  EXPECT_EQ(next.period.step_kind, StepKind::Month);
  EXPECT_EQ(other_ui.captions["Label_temps_deb"], "01/03/2021 00:00:00");
  EXPECT_EQ(other_ui.captions["Label_jour_semaine_deb"], "lundi");
  EXPECT_EQ(other_ui.captions["Label_jour_semaine_fin"], "mardi");
  EXPECT_EQ(other_ui.captions["Label25"], "4");
  EXPECT_EQ(other_ui.captions["Label56"], "mois");
  EXPECT_FALSE(other_ui.visible["TimePicker_pas"]);
  EXPECT_TRUE(other_ui.visible["SpinEdit_pas_jour_mois_annee"]);
}

// Each damaged line keeps its value; the others still apply.
TEST_F(PeriodFile, UnreadableLinesKeepTheirValues) {
  struct Case {
    const char* name;
    std::string file;
  };
  const std::vector<Case> cases = {
      {"empty lines", "\r\n\r\n\r\n\r\n\r\n\r\n\r\n"},
      {"not dates", "hier\r\n31/02/2021 00:00:00\r\n25:00:00\r\n\r\ndeux\r\n7\r\n-1\r\n"},
      {"out of range", "\r\n\r\n\r\n\r\n401\r\n2\r\n4\r\n"},
      {"step count zero", "\r\n\r\n\r\n\r\n0\r\n\r\n\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    write_file(period_file_path(), c.file);
    ScriptedInterface fresh_ui;
    Workspace fresh{fresh_ui};
    read_period_file(fresh);
    const Period initial;
    EXPECT_EQ(fresh.period.start_caption, initial.start_caption);
    EXPECT_EQ(fresh.period.end_caption, initial.end_caption);
    EXPECT_EQ(fresh.period.step_time, initial.step_time);
    EXPECT_EQ(fresh.period.step_count, 1);
    EXPECT_EQ(fresh.period.date_test, DateTest::LessOrEqual);
    EXPECT_EQ(fresh.period.step_kind, StepKind::Time);
  }
}

TEST_F(PeriodFile, LooseDateTextsAreShownInTheirCanonicalForm) {
  write_file(period_file_path(), "7/1/2022 6:05\r\n8/1/2022\r\n1:30\r\n");
  read_period_file(ws);
  EXPECT_EQ(ws.period.start_caption, "07/01/2022 06:05:00");
  EXPECT_EQ(ws.period.end_caption, "08/01/2022 00:00:00");
  EXPECT_EQ(format_time(ws.period.step_time), "01:30:00");
  EXPECT_LT(ws.period.step_time, 1.0);
}

TEST_F(PeriodFile, WritingKeepsTheOtherLinesOfTheFile) {
  write_file(period_file_path(), "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nhuit\r\n");
  ASSERT_TRUE(write_period_file(ws));
  EXPECT_EQ(lines_of(period_file_path())[7], "huit");
}

}  // namespace
}  // namespace talve
