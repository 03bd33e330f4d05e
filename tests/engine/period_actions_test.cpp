// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/period_actions.h"

#include <gtest/gtest.h>

#include "core/workspace.h"
#include "engine/grid_target.h"
#include "support/scripted_interface.h"

namespace talve {
namespace {

using testing::ScriptedInterface;
using Lines = std::vector<std::string>;

class PeriodActionsTest : public ::testing::Test {
 protected:
  PeriodActionsTest() {
    ws.period.start_caption = "07/11/2021 06:30:00";
    ws.period.end_caption = "08/11/2021 10:45:00";
    grid.entries = {"_intitulés des colonnes", "07/11/2021 06:15:00"};
    grid.instants = {0.0, 1.0};
    result_list = {"row"};
  }

  ScriptedInterface ui;
  Workspace ws{ui};
  TimeGrid grid;
  TextRows result_list;
  GridTarget target{ws, grid, result_list, 0.0};
};

TEST_F(PeriodActionsTest, ChangesEmptyTheGridAndRecount) {
  const CountCaption caption = set_step_count(target, 2);
  EXPECT_TRUE(grid.empty());
  EXPECT_TRUE(ws.period.changed);
  EXPECT_EQ(caption.text, ui.captions["Label25"]);
  EXPECT_EQ(result_list.size(), 1u);  // only a new date test empties the results
  set_date_test(target, DateTest::Strict);
  EXPECT_TRUE(result_list.empty());
  set_step_kind(target, StepKind::Month);
  EXPECT_EQ(ui.captions["Label56"], "mois");
  EXPECT_EQ(ws.period.step_kind, StepKind::Month);
}

TEST_F(PeriodActionsTest, ZeroButtonsAskThenSetMidnight) {
  ui.answer(Answer::Yes).answer(Answer::No).answer(Answer::Yes);
  EXPECT_TRUE(zero_time(target, PeriodTime::Start));
  EXPECT_FALSE(zero_time(target, PeriodTime::End));
  EXPECT_TRUE(zero_time(target, PeriodTime::Step));
  EXPECT_EQ(ui.texts(), (Lines{"=== heure début ===\n\n  06:30:00\n\n mettre à\n\n  00:00:00   ?",
                               "=== heure de fin ===\n\n  10:45:00\n\n mettre à\n\n  00:00:00   ?",
                               "=== heure du pas ===\n\n  00:15:00\n\n mettre à\n\n  00:00:00 ?"}));
  EXPECT_EQ(ui.boxes[0].type, MessageType::Confirmation);
  EXPECT_EQ(ws.period.start_caption, "07/11/2021 00:00:00");
  EXPECT_EQ(ui.captions["Label_jour_semaine_deb"], "dimanche");
  EXPECT_EQ(ws.period.end_caption, "08/11/2021 10:45:00");
  EXPECT_EQ(ws.period.step_time, 0.0);
  EXPECT_EQ(ui.captions["Label25"], "---");
  EXPECT_TRUE(grid.empty());
}

TEST_F(PeriodActionsTest, CopiesFromTheLastRunAndTheListing) {
  ui.answer(Answer::Yes).answer(Answer::Yes).answer(Answer::Yes).answer(Answer::Yes);
  EXPECT_TRUE(copy_last_run_bound(target, PeriodBound::Start, "02/04/2023 07:29:32"));
  EXPECT_TRUE(copy_last_run_bound(target, PeriodBound::End, "03/04/2023 08:00:00"));
  EXPECT_TRUE(copy_listing_date(target, PeriodBound::Start, "05/11/2021"));
  // The step label holds a time: six digits are enough for it.
  EXPECT_TRUE(copy_last_run_step(target, "00:10:00"));
  EXPECT_EQ(ui.texts(), (Lines{" récupérer la date/heure min ?\n02/04/2023 07:29:32",
                               " récupérer la date/heure max ?\n03/04/2023 08:00:00",
                               " récupérer la date min ?\n05/11/2021", " récupérer le pas ?\n00:10:00"}));
  EXPECT_EQ(ws.period.start_caption, "05/11/2021 00:00:00");
  EXPECT_EQ(ws.period.end_caption, "03/04/2023 08:00:00");
  EXPECT_EQ(ws.period.step_time, encode_time(0, 10, 0));
  EXPECT_TRUE(ws.description.modified());
  EXPECT_TRUE(grid.empty());
}

TEST_F(PeriodActionsTest, CaptionsWithoutADateAreIgnored) {
  EXPECT_FALSE(copy_last_run_bound(target, PeriodBound::End, "date-heure"));
  EXPECT_FALSE(copy_last_run_step(target, "pas"));
  EXPECT_FALSE(copy_listing_date(target, PeriodBound::Start, "1/2/21"));
  EXPECT_FALSE(copy_listing_instant(target, PeriodBound::Start, "---"));
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_FALSE(grid.empty());
  EXPECT_FALSE(ws.description.modified());
}

TEST_F(PeriodActionsTest, ListingInstantsAreOfferedAlignedOnTheStep) {
  struct Case {
    PeriodBound bound;
    const char* caption;
    Answer answer;
    std::string question;
    const char* copied;  // nullptr when nothing is copied
  };
  const std::vector<Case> cases = {
      {PeriodBound::Start, "07/11/2021 10:14:59", Answer::Yes,
       " récupérer la date/heure mini ?\n\n(oui) 07/11/2021 10:00:00\n\n(non) 07/11/2021 10:14:59\n\n",
       "07/11/2021 10:00:00"},
      {PeriodBound::End, "07/11/2021 10:07:31", Answer::Yes,
       " récupérer la date/heure maxi ?\n\n(oui) 07/11/2021 10:15:00\n\n(non) 07/11/2021 10:07:31\n\n",
       "07/11/2021 10:15:00"},
      {PeriodBound::End, "07/11/2021 10:07:29", Answer::No,
       " récupérer la date/heure maxi ?\n\n(oui) 07/11/2021 10:00:00\n\n(non) 07/11/2021 10:07:29\n\n",
       "07/11/2021 10:07:29"},
      {PeriodBound::Start, "07/11/2021 10:07:29", Answer::Cancel,
       " récupérer la date/heure mini ?\n\n(oui) 07/11/2021 10:00:00\n\n(non) 07/11/2021 10:07:29\n\n",
       nullptr},
  };
  for (const Case& c : cases) {
    ui.boxes.clear();
    ws.period.start_caption = "01/01/2021 00:00:00";
    ws.period.end_caption = "02/01/2021 00:00:00";
    ui.answer(c.answer);
    EXPECT_EQ(copy_listing_instant(target, c.bound, c.caption), c.copied != nullptr);
    EXPECT_EQ(ui.texts(), Lines{c.question});
    EXPECT_EQ(ui.boxes[0].buttons, kYesNoCancel);
    const std::string& caption =
        c.bound == PeriodBound::Start ? ws.period.start_caption : ws.period.end_caption;
    const char* unchanged = c.bound == PeriodBound::Start ? "01/01/2021 00:00:00" : "02/01/2021 00:00:00";
    EXPECT_EQ(caption, c.copied ? c.copied : unchanged) << c.caption;
  }
}

TEST_F(PeriodActionsTest, AlignmentOnAZeroStepOffersTheValueItself) {
  ws.period.step_time = 0.0;
  ui.answer(Answer::Yes);
  EXPECT_TRUE(copy_listing_instant(target, PeriodBound::Start, "07/11/2021 10:07:29"));
  EXPECT_EQ(ws.period.start_caption, "07/11/2021 10:07:29");
}

// A grid being built, or read by a run, is never emptied under it: every
// change of the period waits for the task to end.
TEST_F(PeriodActionsTest, NothingChangesWhileALongTaskRuns) {
  ws.period.count_caption = "97 => 1 jour";
  const Period before = ws.period;
  for (bool running : {false, true}) {
    ws.flags.busy = !running;
    ws.flags.running = running;
    EXPECT_EQ(set_period_start(target, 1.0).text, "97 => 1 jour");
    set_period_end(target, 2.0);
    set_step_time(target, 0.5);
    set_step_count(target, 3);
    set_step_kind(target, StepKind::Year);
    set_date_test(target, DateTest::Strict);
    set_offset_days(target, 4);
    period_changed(target);
    EXPECT_FALSE(zero_time(target, PeriodTime::Start));
    EXPECT_FALSE(copy_last_run_bound(target, PeriodBound::Start, "01/01/2020 00:00:00"));
    EXPECT_FALSE(copy_last_run_step(target, "00:30:00"));
    EXPECT_FALSE(copy_listing_date(target, PeriodBound::End, "01/01/2020"));
    EXPECT_FALSE(copy_listing_instant(target, PeriodBound::End, "01/01/2020 00:00:00"));
  }
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(ws.period.start_caption, before.start_caption);
  EXPECT_EQ(ws.period.end_caption, before.end_caption);
  EXPECT_EQ(ws.period.step_time, before.step_time);
  EXPECT_EQ(ws.period.step_count, before.step_count);
  EXPECT_EQ(ws.period.step_kind, before.step_kind);
  EXPECT_EQ(ws.period.date_test, before.date_test);
  EXPECT_FALSE(ws.period.changed);
  EXPECT_EQ(ws.offset_days, 0);
  EXPECT_EQ(grid.count(), 1);
  EXPECT_EQ(result_list.size(), 1u);
  EXPECT_FALSE(ws.description.modified());
}

}  // namespace
}  // namespace talve
