// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/grid_build.h"

#include <gtest/gtest.h>

#include "core/workspace.h"
#include "engine/grid_target.h"
#include "support/scripted_interface.h"
#include "text/tdatetime.h"

namespace talve {
namespace {

using testing::ScriptedInterface;
using Lines = std::vector<std::string>;

const std::string kAnswers =
    "     corriger     (Oui)\n\n     continuer    (Non)\n\n     ou annuler   (Annuler)";
const std::string kShortAnswers =
    "   corriger     (Oui)\n\n   continuer    (Non)\n\n   ou annuler   (Annuler)";
const std::string kDateTestQuestion =
    " le test sur les dates devrait être (inf strict)\n\n   [date [mesure]  <    [horodatées] (inf "
    "strict)]\n\n   corriger cette option (Oui / Non)";

class GridBuildTest : public ::testing::Test {
 protected:
  GridBuildTest() {
    ws.flags.startup = false;
    result_list = {"old result row"};
  }

  void period(const std::string& start, const std::string& end, StepKind kind = StepKind::Time,
              TDateTime step_time = encode_time(0, 15, 0), int count = 1) {
    ws.period.start_caption = start;
    ws.period.end_caption = end;
    ws.period.step_kind = kind;
    ws.period.step_time = step_time;
    ws.period.step_count = count;
    // The day, month and year steps ask about the date test first.
    ws.period.date_test = kind == StepKind::Time ? DateTest::LessOrEqual : DateTest::Strict;
  }

  // Entries 1..n.
  Lines instants() const {
    const Lines all = grid.entries.lines();
    return Lines(all.begin() + (grid.empty() ? 0 : 1), all.end());
  }

  ScriptedInterface ui;
  Workspace ws{ui};
  TimeGrid grid;
  TextRows result_list;
  GridTarget target{ws, grid, result_list, 0.0};
};

TEST_F(GridBuildTest, DefaultPeriodGivesOneHundredThirtyEightInstants) {
  period("07/11/2021 00:00:00", "08/11/2021 10:00:00");
  ui.answer(Answer::Yes);
  const GridResult result = create_grid_with_confirmation(target);
  EXPECT_EQ(result.outcome, GridOutcome::Built);
  EXPECT_EQ(ui.texts(),
            (Lines{" Créer une nouvelle liste de dates régulières ? \n\n\n du 07/11/2021 00:00:00\n\n au "
                   "08/11/2021 10:00:00\n\n au pas de 00:15:00\n\n => 136 dates => 1 jour\n\n"}));
  EXPECT_EQ(ui.boxes[0].type, MessageType::Confirmation);
  ASSERT_EQ(grid.count(), 138);
  EXPECT_EQ(grid.entries[0], "_intitulés des colonnes");
  EXPECT_EQ(grid.entries[1], "06/11/2021 23:45:00");
  EXPECT_EQ(grid.entries[2], "07/11/2021 00:00:00");
  EXPECT_EQ(grid.entries[138], "08/11/2021 10:00:00");
  EXPECT_EQ(grid.instants.size(), 139u);
  EXPECT_EQ(grid.instants[2], *encode_date(2021, 11, 7));
  EXPECT_EQ(ui.captions["Label_nr_final"], "137");
  EXPECT_EQ(ui.captions["Label25"], "138 => 1 jour");
  EXPECT_EQ(result.count.colour, CountColour::Blue);
  EXPECT_EQ(ui.captions["Label_patienter"], "2- liste horodatée ... 100%   ");
  EXPECT_FALSE(ui.visible["Label_patienter"]);
  EXPECT_TRUE(result_list.empty());
  EXPECT_EQ(ws.log.lines(), (Lines{"", "       --> liste horodatée", "", "de 07/11/2021 00:00:00",
                                   "à  08/11/2021 10:00:00  1 jour", "nb dates = 138", "pas = 00:15:00"}));
}

TEST_F(GridBuildTest, SevenMinuteStepNeverDriftsAndKeepsAnEndOnTheGrid) {
  // 7 days of 7 minutes: 1440 steps, the end lies exactly on the grid.
  period("01/01/2021 00:00:00", "08/01/2021 00:00:00", StepKind::Time, encode_time(0, 7, 0));
  ASSERT_EQ(create_grid(target).outcome, GridOutcome::Built);
  ASSERT_EQ(grid.count(), 1442);
  const std::int64_t first = whole_seconds(*encode_date(2021, 1, 1)) - 420;
  for (int i = 0; i < grid.count(); ++i) {
    const std::int64_t seconds = first + static_cast<std::int64_t>(i) * 420;
    const std::int64_t in_day = seconds % 86400;
    char expected_time[16];
    std::snprintf(expected_time, sizeof expected_time, "%02d:%02d:%02d", static_cast<int>(in_day / 3600),
                  static_cast<int>(in_day / 60 % 60), static_cast<int>(in_day % 60));
    const std::string_view entry = grid.entries[static_cast<std::size_t>(i) + 1];
    ASSERT_EQ(entry.substr(11), expected_time) << "instant " << i;
    ASSERT_EQ(grid.instants[static_cast<std::size_t>(i) + 1], from_whole_seconds(seconds)) << "instant " << i;
  }
  EXPECT_EQ(grid.entries.back(), "08/01/2021 00:00:00");
}

TEST_F(GridBuildTest, CalendarStepsFollowMonthsAndYears) {
  struct Case {
    const char* name;
    StepKind kind;
    int count;
    const char* start;
    const char* end;
    Lines expected;
  };
  const std::vector<Case> cases = {
      {"months",
       StepKind::Month,
       1,
       "01/03/2021 00:00:00",
       "01/06/2021 00:00:00",
       {"01/02/2021 00:00:00", "01/03/2021 00:00:00", "01/04/2021 00:00:00", "01/05/2021 00:00:00",
        "01/06/2021 00:00:00"}},
      {"two months across a year",
       StepKind::Month,
       2,
       "01/01/2021 00:00:00",
       "01/06/2021 00:00:00",
       {"01/11/2020 00:00:00", "01/01/2021 00:00:00", "01/03/2021 00:00:00", "01/05/2021 00:00:00"}},
      {"years",
       StepKind::Year,
       1,
       "01/01/2021 00:00:00",
       "01/01/2024 00:00:00",
       {"01/01/2020 00:00:00", "01/01/2021 00:00:00", "01/01/2022 00:00:00", "01/01/2023 00:00:00",
        "01/01/2024 00:00:00"}},
      {"days",
       StepKind::Day,
       2,
       "01/03/2024 00:00:00",
       "06/03/2024 00:00:00",
       {"28/02/2024 00:00:00", "01/03/2024 00:00:00", "03/03/2024 00:00:00", "05/03/2024 00:00:00"}},
  };
  for (const Case& c : cases) {
    grid.clear();
    period(c.start, c.end, c.kind, encode_time(0, 15, 0), c.count);
    EXPECT_EQ(create_grid(target).outcome, GridOutcome::Built) << c.name;
    EXPECT_EQ(instants(), c.expected) << c.name;
    EXPECT_TRUE(ui.boxes.empty()) << c.name;
  }
}

TEST_F(GridBuildTest, MonthCorrectionMovesAnEqualMonthOnIgnoringYears) {
  period("15/03/2021 00:00:00", "20/03/2022 00:00:00", StepKind::Month);
  ui.answer(Answer::Yes);
  ASSERT_EQ(create_grid(target).outcome, GridOutcome::Built);
  EXPECT_EQ(ui.texts(),
            (Lines{"--- PAR MOIS ------------\n\n   les dates de début et de fin ne sont pas du type  "
                   "01/mm/aaaa\n\n15/03/2021  et  20/03/2022\n\n" +
                   kAnswers}));
  EXPECT_EQ(ui.boxes[0].type, MessageType::Warning);
  EXPECT_EQ(ui.boxes[0].buttons, kYesNoCancel);
  EXPECT_EQ(ws.period.start_caption, "01/03/2021 00:00:00");
  EXPECT_EQ(ws.period.end_caption, "01/04/2022 00:00:00");
  EXPECT_EQ(ui.captions["Label_temps_fin"], "01/04/2022 00:00:00");
  EXPECT_EQ(ui.captions["Label_jour_semaine_fin"], "vendredi");
  EXPECT_EQ(grid.count(), 15);
  EXPECT_EQ(grid.entries.back(), "01/04/2022 00:00:00");
}

TEST_F(GridBuildTest, CalendarQuestionsTextsAndCorrections) {
  struct Case {
    const char* name;
    StepKind kind;
    const char* start;
    const char* end;
    std::string question;
    const char* corrected_start;
    const char* corrected_end;
  };
  const std::vector<Case> cases = {
      {"days, both times", StepKind::Day, "07/11/2021 06:00:00", "10/11/2021 10:30:00",
       "--- PAR JOUR ------------\n\n07/11/2021 06:00:00  06:00:00\n10/11/2021 10:30:00  10:30:00\n\n les "
       "heures des "
       "dates de début ou de fin ne sont pas à zéro =>  00:00:00    \n\n06:00:00 -> 00:00:00  et  \n10:30:00 "
       "-> "
       "00:00:00\n\n" +
           kAnswers,
       "07/11/2021 00:00:00", "10/11/2021 00:00:00"},
      {"days, end time only", StepKind::Day, "07/11/2021 00:00:00", "10/11/2021 10:30:00",
       "--- PAR JOUR ------------\n\n07/11/2021 00:00:00  00:00:00\n10/11/2021 10:30:00  10:30:00\n\n les "
       "heures des "
       "dates de début ou de fin ne sont pas à zéro =>  00:00:00    \n\n    10:30:00 -> 00:00:00\n\n" +
           kAnswers,
       "07/11/2021 00:00:00", "10/11/2021 00:00:00"},
      {"months, end day only", StepKind::Month, "01/03/2021 00:00:00", "20/06/2021 00:00:00",
       "--- PAR MOIS ------------\n\n   les dates de début et de fin ne sont pas du type  01/mm/aaaa\n\n    "
       "20/06/2021\n\n" +
           kAnswers,
       "01/03/2021 00:00:00", "01/06/2021 00:00:00"},
      {"months, December moves to January", StepKind::Month, "10/12/2021 00:00:00", "20/12/2021 00:00:00",
       "--- PAR MOIS ------------\n\n   les dates de début et de fin ne sont pas du type  "
       "01/mm/aaaa\n\n10/12/2021  "
       "et  20/12/2021\n\n" +
           kAnswers,
       "01/12/2021 00:00:00", "01/01/2022 00:00:00"},
      {"months, times", StepKind::Month, "01/03/2021 10:00:00", "01/06/2021 00:00:00",
       "--- PAR MOIS ------------\n\n01/03/2021 10:00:00\n01/06/2021 00:00:00\n\n les heures des dates de "
       "début et de "
       "fin ne sont pas à zéro 00:00:00\n\n" +
           kShortAnswers,
       "01/03/2021 00:00:00", "01/06/2021 00:00:00"},
      {"years, same year", StepKind::Year, "15/06/2021 08:00:00", "20/08/2021 00:00:00",
       "--- PAR ANNEE ------------\n\n   les dates de début et de fin ne sont pas du type   01/01/aaaa\n\n   "
       "15/06/2021 08:00:00\n   20/08/2021 00:00:00\n\n" +
           kShortAnswers,
       "01/01/2021 00:00:00", "01/01/2022 00:00:00"},
  };
  for (const Case& c : cases) {
    for (const Answer answer : {Answer::Yes, Answer::No, Answer::Cancel}) {
      grid.clear();
      ui.boxes.clear();
      period(c.start, c.end, c.kind);
      ui.answer(answer);
      const GridOutcome outcome = create_grid(target).outcome;
      ASSERT_EQ(ui.texts(), Lines{c.question}) << c.name;
      if (answer == Answer::Cancel) {
        EXPECT_EQ(outcome, GridOutcome::Abandoned) << c.name;
        EXPECT_TRUE(grid.empty()) << c.name;
        EXPECT_FALSE(ui.visible["Label_patienter"]) << c.name;
      } else {
        EXPECT_EQ(outcome, GridOutcome::Built) << c.name;
      }
      const bool corrected = answer == Answer::Yes;
      EXPECT_EQ(ws.period.start_caption, corrected ? c.corrected_start : c.start) << c.name;
      EXPECT_EQ(ws.period.end_caption, corrected ? c.corrected_end : c.end) << c.name;
    }
  }
}

TEST_F(GridBuildTest, DateTestQuestionComesFirstForCalendarSteps) {
  for (const Answer answer : {Answer::Yes, Answer::No}) {
    ui.boxes.clear();
    period("01/03/2021 00:00:00", "01/06/2021 00:00:00", StepKind::Month);
    ws.period.date_test = DateTest::LessOrEqual;
    ui.answer(answer);
    EXPECT_EQ(create_grid(target).outcome, GridOutcome::Built);
    EXPECT_EQ(ui.texts(), Lines{kDateTestQuestion});
    EXPECT_EQ(ui.boxes[0].buttons, kYesNo);
    EXPECT_EQ(ws.period.date_test, answer == Answer::Yes ? DateTest::Strict : DateTest::LessOrEqual);
  }
}

TEST_F(GridBuildTest, EndNotAfterStartIsRefused) {
  period("07/11/2021 00:00:00", "07/11/2021 00:00:00");
  EXPECT_EQ(create_grid_with_confirmation(target).outcome, GridOutcome::Abandoned);
  EXPECT_EQ(ui.texts(),
            (Lines{" la date de fin est antérieure à la date de début\n\n  début 07/11/2021 00:00:00  "
                   "\n\n  fin   07/11/2021 00:00:00  \n\n   corriger cette valeur ..."}));
  EXPECT_EQ(ui.boxes[0].type, MessageType::Error);
  EXPECT_TRUE(grid.empty());
}

TEST_F(GridBuildTest, ZeroStepIsRefusedFromTheButtonAndFromARun) {
  period("07/11/2021 00:00:00", "08/11/2021 10:00:00", StepKind::Time, 0.0);
  EXPECT_EQ(create_grid_with_confirmation(target).outcome, GridOutcome::Abandoned);
  EXPECT_EQ(create_grid(target).outcome, GridOutcome::Abandoned);
  EXPECT_EQ(ui.texts(),
            (Lines{" le pas est à zéro\n\n   <00:00:00>  \n\n   corriger cette valeur et relancer ...",
                   " le pas est à zéro\n\n   corriger cette valeur et relancer ..."}));
  EXPECT_TRUE(grid.empty());
  EXPECT_FALSE(ui.visible["Label_patienter"]);
  EXPECT_TRUE(ws.flags.startup == false);
}

TEST_F(GridBuildTest, DeclinedConfirmationBuildsNothing) {
  for (const Answer answer : {Answer::No, Answer::Cancel}) {
    period("07/11/2021 00:00:00", "08/11/2021 10:00:00");
    ui.answer(answer);
    EXPECT_EQ(create_grid_with_confirmation(target).outcome, GridOutcome::Abandoned);
    EXPECT_TRUE(grid.empty());
    EXPECT_EQ(result_list.size(), 1u);
  }
}

TEST_F(GridBuildTest, LargeGridQuestionOnlyAboveThirtyTwoThousand) {
  const std::string question =
      "\n\n   Le nombre de lignes à générer est supérieur à 32000       .\n\n   continuer ? ";
  // One minute steps from 01/01/2021: an end 31999 minutes on makes exactly
  // 32000 steps from t0 (estimate 32000); 36 seconds more make 32001.
  period("01/01/2021 00:00:00", "23/01/2021 05:19:00", StepKind::Time, encode_time(0, 1, 0));
  EXPECT_EQ(create_grid(target).outcome, GridOutcome::Built);
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(grid.count(), 32001);

  period("01/01/2021 00:00:00", "23/01/2021 05:19:36", StepKind::Time, encode_time(0, 1, 0));
  ui.answer(Answer::No);
  EXPECT_EQ(create_grid(target).outcome, GridOutcome::Abandoned);
  EXPECT_EQ(ui.texts(), Lines{question});
  EXPECT_EQ(ui.boxes[0].type, MessageType::Information);
  EXPECT_TRUE(grid.empty());

  ui.answer(Answer::Yes);
  EXPECT_EQ(create_grid(target).outcome, GridOutcome::Built);
  EXPECT_EQ(grid.count(), 32001);
}

TEST_F(GridBuildTest, StopDuringBuildKeepsTheInstantsMadeSoFar) {
  period("07/11/2021 00:00:00", "08/11/2021 10:00:00");
  ws.flags.stop = true;  // left over from an earlier loop: cleared when the build starts
  ui.on_process_events = [&](int) { ws.flags.stop = true; };
  const GridResult result = create_grid(target);
  EXPECT_EQ(result.outcome, GridOutcome::Stopped);
  EXPECT_EQ(instants(), Lines{"06/11/2021 23:45:00"});
  EXPECT_EQ(ui.captions["Label_nr_final"], "0");
  EXPECT_EQ(ui.captions["Label25"], "1");
}

TEST_F(GridBuildTest, EventsRunOnlyNowAndThenOnALongBuild) {
  // One second steps over 28 hours: 100 801 instants.
  period("01/01/2021 00:00:00", "02/01/2021 04:00:00", StepKind::Time, encode_time(0, 0, 1));
  ui.answer(Answer::Yes);
  ASSERT_EQ(create_grid(target).outcome, GridOutcome::Built);
  EXPECT_EQ(grid.count(), 100802);
  EXPECT_GE(ui.process_events_calls, 1);
  EXPECT_LE(ui.process_events_calls, 100802 / 2048 + 1);
}

// A long grid writes its texts on two threads: each text is still its own
// instant's, in order, and a stop still keeps only the instants made so far.
TEST_F(GridBuildTest, LongGridTextsAreTheirOwnInstants) {
  period("01/01/2021 00:00:00", "02/01/2021 04:00:00", StepKind::Time, encode_time(0, 0, 1));
  ui.answer(Answer::Yes);
  ASSERT_EQ(create_grid(target).outcome, GridOutcome::Built);
  ASSERT_EQ(grid.count(), 100802);
  EXPECT_EQ(grid.entries[1], "31/12/2020 23:59:59");
  EXPECT_EQ(grid.entries[100801], "02/01/2021 03:59:59");
  for (std::size_t i = 1; i < grid.entries.size(); ++i) {
    ASSERT_EQ(grid.entries[i], format_canonical(grid.instants[i])) << i;
    if (i > 1) {
      ASSERT_EQ(whole_seconds(grid.instants[i]) - whole_seconds(grid.instants[i - 1]), 1) << i;
    }
  }

  ui.answer(Answer::Yes);
  ui.on_process_events = [&](int) { ws.flags.stop = true; };
  EXPECT_EQ(create_grid(target).outcome, GridOutcome::Stopped);
  EXPECT_EQ(instants(), Lines{"31/12/2020 23:59:59"});
}

TEST_F(GridBuildTest, MissingDayOfAMonthLeavesNoHalfBuiltGrid) {
  struct Case {
    const char* name;
    StepKind kind;
    const char* start;
    const char* end;
  };
  for (const Case& c :
       {Case{"31st of a month", StepKind::Month, "31/01/2021 00:00:00", "31/05/2021 00:00:00"},
        Case{"29 February", StepKind::Year, "29/02/2024 00:00:00", "01/01/2030 00:00:00"}}) {
    grid.clear();
    ui.boxes.clear();
    period(c.start, c.end, c.kind);
    ui.answer(Answer::No);  // keep the day as it is
    EXPECT_EQ(create_grid(target).outcome, GridOutcome::Failed) << c.name;
    ASSERT_EQ(ui.boxes.size(), 2u) << c.name;
    EXPECT_EQ(ui.boxes[1].text, "Argument incorrect pour l'encodage de date") << c.name;
    EXPECT_EQ(ui.boxes[1].type, MessageType::Error) << c.name;
    EXPECT_TRUE(grid.empty()) << c.name;
    EXPECT_TRUE(grid.instants.empty()) << c.name;
    EXPECT_FALSE(ui.visible["Label_patienter"]) << c.name;
  }
}

TEST_F(GridBuildTest, EndOneStepBeforeTheStartGivesOneInstantWithoutFailing) {
  period("07/11/2021 00:15:00", "07/11/2021 00:00:00");
  EXPECT_EQ(create_grid(target).outcome, GridOutcome::Built);
  EXPECT_EQ(instants(), Lines{"07/11/2021 00:00:00"});
  EXPECT_EQ(ui.captions["Label_patienter"], "2- liste horodatée ... 100%   ");
}

TEST_F(GridBuildTest, FirstBuildAfterStartUpWritesNoReport) {
  ws.flags.startup = true;
  period("07/11/2021 00:00:00", "07/11/2021 01:00:00");
  EXPECT_EQ(create_grid(target).outcome, GridOutcome::Built);
  EXPECT_EQ(ws.log.lines(), (Lines{"", "       --> liste horodatée"}));
  EXPECT_FALSE(ws.flags.startup);
  EXPECT_EQ(create_grid(target).outcome, GridOutcome::Built);
  EXPECT_EQ(ws.log.lines().back(), "pas = 00:15:00");
}

TEST_F(GridBuildTest, UnreadableCaptionReadsAsTheOrigin) {
  period("pas une date", "07/01/1900 00:00:00", StepKind::Time, encode_time(12, 0, 0));
  EXPECT_EQ(create_grid(target).outcome, GridOutcome::Built);
  EXPECT_EQ(grid.entries[1], "29/12/1899 12:00:00");
  EXPECT_EQ(grid.entries[2], "30/12/1899 00:00:00");
}

}  // namespace
}  // namespace talve
