// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/processing_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "files/check_marks.h"
#include "run_fixture.h"
#include "session/progress_display.h"

namespace talve {
namespace {

bool has_line(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// A grid of exactly `count` instants, one a second.
void fill_grid(TimeGrid& grid, int count) {
  grid.clear();
  grid.entries.push_back("_intitulés des colonnes");
  grid.instants.push_back(0);
  const TDateTime t0 = *parse_canonical("01/01/2021 00:00:00");
  for (int i = 0; i < count; ++i) {
    const TDateTime t = t0 + i / kSecondsPerDay;
    grid.entries.push_back(format_canonical(t));
    grid.instants.push_back(t);
  }
}

TEST_F(RunTest, NothingListedIsRefused) {
  EXPECT_EQ(traiter_fichier_click(session), RunOutcome::Refused);
  EXPECT_EQ(ui.texts(), std::vector<std::string>{" Il faut d'abord Lister des fichiers de données..."});
  EXPECT_FALSE(session.flags.running);
}

TEST_F(RunTest, GridAbove32000AsksFirst) {
  write_two_files();
  ASSERT_EQ(lister_tableau(session), ListingResult::completed);
  fill_grid(session.grid, 32001);
  ui.answer(Answer::No);
  EXPECT_EQ(traiter_fichier_click(session), RunOutcome::Refused);
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].text,
            "\n\nLe nombre de lignes à générer est supérieur à 32000     .\n\n   continuer ? ");
  EXPECT_EQ(ui.boxes[0].buttons, kYesNo);
  EXPECT_FALSE(std::filesystem::exists(out + "res.txt"));

  // Exactly 32000 instants: no question, the run goes through.
  ui.boxes.clear();
  fill_grid(session.grid, 32000);
  EXPECT_EQ(traiter_fichier_click(session), RunOutcome::Written);
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].type, MessageType::Information);
}

struct QuestionCase {
  const char* name;
  std::vector<std::pair<const char*, const char*>> settings;
  int offset_days;
  Answer answer;
  const char* question;
  bool runs;
};

TEST_F(RunTest, OffsetDriftAndCumulQuestions) {
  const QuestionCase cases[] = {
      {"offset refused",
       {{"CheckBox_decalage_actif.Checked", "true"}, {"TimePicker_decalage", "01:30:00"}},
       2,
       Answer::No,
       "Le décalage des dates de mesure n'est pas nul\n\n   + 2 j 01:30:00\n\n   continuer ? ",
       false},
      {"negative offset accepted",
       {{"CheckBox_decalage_actif.Checked", "true"},
        {"TimePicker_decalage", "01:00:00"},
        {"RadioButton_decalage_negatif.Checked", "true"}},
       0,
       Answer::Yes,
       "Le décalage des dates de mesure n'est pas nul\n\n   - 0 j 01:00:00\n\n   continuer ? ",
       true},
      {"drift refused",
       {{"CheckBox_derive_active.Checked", "true"},
        {"TimePicker_derive_erronee", "10:00:00"},
        {"TimePicker_derive_reelle", "10:01:30"}},
       0,
       Answer::No,
       "La dérive des dates de mesure n'est pas nulle\n\n   10:00:00 => 10:01:30 dérive = +00:01:30\n\n"
       "   continuer ? ",
       false},
      {"cumul without max, cancelled",
       {{"CheckBox_cumul_corriger.Checked", "true"}, {"RadioGroup_methode_ItemIndex", "0"}},
       0,
       Answer::Yes,
       " Il faudrait choisir l'option <max des n  mesures OK > \n pour bien traiter une valeur croissante "
       "(cumuls)\n\n   annuler pour modifier ? ",
       false},
      {"cumul without max, kept",
       {{"CheckBox_cumul_corriger.Checked", "true"}, {"RadioGroup_methode_ItemIndex", "5"}},
       0,
       Answer::No,
       " Il faudrait choisir l'option <max des n  mesures OK > \n pour bien traiter une valeur croissante "
       "(cumuls)\n\n   annuler pour modifier ? ",
       true},
  };
  write_two_files();
  list_and_build_grid();
  for (const QuestionCase& c : cases) {
    SetUp();
    std::filesystem::remove(out + "res.txt");
    session.offset_days = c.offset_days;
    for (const auto& [key, value] : c.settings) session.description.assign(key, value);
    ui.boxes.clear();
    ui.answer(c.answer);
    const RunOutcome outcome = traiter_fichier_click(session);
    EXPECT_EQ(outcome, c.runs ? RunOutcome::Written : RunOutcome::Refused) << c.name;
    ASSERT_FALSE(ui.boxes.empty()) << c.name;
    EXPECT_EQ(ui.boxes[0].text, c.question) << c.name;
    session.description.reset_to_initial();
    session.offset_days = 0;
  }
}

TEST_F(RunTest, ActiveOffsetOfZeroIsNotAsked) {
  write_two_files();
  list_and_build_grid();
  session.description.assign("CheckBox_decalage_actif.Checked", "true");
  session.description.assign("TimePicker_decalage", "00:00:00");
  session.offset_days = 0;
  EXPECT_EQ(traiter_fichier_click(session), RunOutcome::Written);
  EXPECT_EQ(ui.boxes.size(), 1u);  // the summary only
}

TEST_F(RunTest, StopDuringTheFirstFileWritesTheTitleRowOnly) {
  write_two_files();
  list_and_build_grid();
  ui.on_process_events = [this](int) { session.flags.stop = true; };
  EXPECT_EQ(traiter_fichier_click(session), RunOutcome::Written);
  EXPECT_EQ(result_text(),
            "temps(Date inf ou =);T;H;nb(4)_methode_(moyenne des n mesures OK)_station(nord)\r\n");
  // The second file was not read.
  EXPECT_EQ(session.file_table.lire_case(2, "n.extraites"), " ---");
}

TEST_F(RunTest, FirstLineLookingLikeTitlesCanAbandonTheRun) {
  write_data("a.csv", {"2021-01-01 01:00:00;1;2"});
  list_and_build_grid();
  session.result_list = {"ancien"};
  // The file is rewritten after the listing: its first data line is words.
  write_data("a.csv", {"temperature et humidite;T;H", "2021-01-01 01:00:00;1;2"});
  ui.answer(Answer::Yes);
  EXPECT_EQ(traiter_fichier_click(session), RunOutcome::NoResult);
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_NE(ui.boxes[0].text.find(" Annuler ce traitement ?"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(out + "res.txt"));
  EXPECT_EQ(session.result_list.lines(), std::vector<std::string>{"ancien"});
  EXPECT_EQ(session.run.failure, "le traitement a été annulé au fichier a.csv");
  EXPECT_FALSE(session.flags.running);
  EXPECT_FALSE(session.flags.busy);
  EXPECT_EQ(session.run.traiter_colour, ButtonColour::Purple);
}

TEST_F(RunTest, NothingElseStartsWhileARunLetsEventsThrough) {
  write_two_files();
  list_and_build_grid();
  const TimeGrid grid_before = session.grid;
  bool tried = false;
  ui.on_process_events = [&](int) {
    if (tried) return;
    tried = true;
    EXPECT_EQ(traiter_fichier_click(session), RunOutcome::NotStarted);
    EXPECT_EQ(lister_tableau(session), ListingResult::not_run);
    GridTarget target{session, session.grid, session.result_list, 0.0};
    EXPECT_EQ(create_grid_with_confirmation(target).outcome, GridOutcome::Abandoned);
    EXPECT_EQ(create_grid(target).outcome, GridOutcome::Abandoned);
  };
  EXPECT_EQ(traiter_fichier_click(session), RunOutcome::Written);
  EXPECT_TRUE(tried);
  EXPECT_EQ(session.grid.entries, grid_before.entries);
  EXPECT_EQ(session.file_table.file_row_count(), 2);
}

// An event that empties the grid in the middle of a run (the period was
// changed) does not pull the instants from under the formatting.
TEST_F(RunTest, GridEmptiedDuringTheRunStillGivesEveryRow) {
  write_two_files();
  list_and_build_grid();
  ui.on_process_events = [this](int) { session.grid.clear(); };
  EXPECT_EQ(traiter_fichier_click(session), RunOutcome::Written);
  const std::string text = result_text();
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 5);
}

// Without a year every line was dated 01/01/1900 00:00:00, and a period
// around that instant gave a result of one row from every line.
TEST_F(RunTest, PatternWithoutADateWritesNothing) {
  write_two_files();
  session.description.assign("Edit_format_datetime_mesure.text", "mm_jj_hh_mn");
  session.period.start_caption = "01/01/1900 00:00:00";
  session.period.end_caption = "01/01/1900 03:00:00";
  list_and_build_grid();
  EXPECT_EQ(traiter_fichier_click(session), RunOutcome::NoResult);
  EXPECT_TRUE(session.run.failure.ends_with(
      "(aucune date n'a pu être lue dans les fichiers : le format de date <mm_jj_hh_mn> ne contient pas de "
      "date : il lui faut l'année (aaaa ou aa), le mois (mm) et le jour (jj), ou une heure seule "
      "(hh_mn_ss))"))
      << session.run.failure;
  EXPECT_TRUE(result_text().empty());
}

TEST_F(RunTest, MarkedRowsOnlyAreRead) {
  write_two_files();
  list_and_build_grid();
  session.file_table.ecrire_case(2, "taille (Mo)", " 3");
  session.file_table.ecrire_case(1, "taille (Mo)", " 1");
  toggle_check_mark(session.file_table, 2);
  std::vector<std::string> time_left;
  ui.on_process_events = [&](int) { time_left.push_back(ui.captions["Label10"]); };
  EXPECT_EQ(traiter_fichier_click(session), RunOutcome::Written);
  EXPECT_TRUE(has_line(session.log.lines(), "  Liste partielle"));
  EXPECT_EQ(session.file_table.lire_case(1, "n.extraites"), " ---");
  EXPECT_EQ(session.file_table.lire_case(2, "n.extraites"), "2");
  // The time left counts only the files the run reads.
  EXPECT_TRUE(has_line(time_left, "00:00:00 >> 08:30:00    0 Mo"));
  EXPECT_EQ(ui.captions["Label10"], "reste 00:00:00    0 Mo");
}

TEST_F(RunTest, TimeLeftFollowsTheSizeRead) {
  write_two_files();
  list_and_build_grid();
  session.file_table.ecrire_case(1, "taille (Mo)", " 1");
  session.file_table.ecrire_case(2, "taille (Mo)", " 3,5");
  std::vector<std::string> time_left;
  ui.on_process_events = [&](int) { time_left.push_back(ui.captions["Label10"]); };
  EXPECT_EQ(traiter_fichier_click(session), RunOutcome::Written);
  EXPECT_TRUE(has_line(time_left, "00:00:00 >> 08:30:00    3,5 Mo"));
}

TEST_F(RunTest, RunWithoutPreReadingListsAndBuildsTheGridFirst) {
  write_two_files();
  EXPECT_TRUE(session.grid.empty());
  // The listing of the window would have found the files; no pre-reading.
  session.file_table.add_row();
  session.file_table.ecrire_case(1, "fichier", "nord_1.csv");
  EXPECT_EQ(traiter_fichier_click(session), RunOutcome::Written);
  EXPECT_EQ(session.grid.count(), 5);
  EXPECT_EQ(session.file_table.file_row_count(), 2);
  EXPECT_NE(result_text().find("01/01/2021 04:00:00;11,00;70,00;2"), std::string::npos);
}

TEST_F(RunTest, EmptyGridThatCannotBeBuiltEndsTheRun) {
  write_two_files();
  ASSERT_EQ(lister_tableau(session), ListingResult::completed);
  session.period.step_time = 0;
  EXPECT_EQ(traiter_fichier_click(session), RunOutcome::NoResult);
  EXPECT_TRUE(has_line(session.log.lines(), "!!! : ListBox_date_clean.Items.Count= 0"));
  EXPECT_EQ(ui.texts().back(), " le pas est à zéro\n\n   corriger cette valeur et relancer ...");
}

TEST_F(RunTest, RunKeepsItsPeriodInTheDescriptionAndBannerCountsFiles) {
  write_two_files();
  list_and_build_grid();
  session.table_state.checked_files = {"nord_1.csv"};
  EXPECT_EQ(traiter_fichier_click(session), RunOutcome::Written);
  EXPECT_EQ(session.description.text("Label_min_dsc.caption"), "01/01/2021 01:00:00");
  EXPECT_EQ(session.description.text("Label_max_dsc.caption"), "01/01/2021 04:00:00");
  EXPECT_EQ(session.description.text("Label_pas_dsc.caption"), "01:00:00");
  EXPECT_TRUE(has_line(session.log.lines(), "       --> TRAITEMENT du seul fichier coché"));
  EXPECT_EQ(ui.captions["Label_date_heure_min"], "01/01/2021 00:30:00");
  EXPECT_EQ(ui.captions["Label_date_heure_max"], "01/01/2021 05:00:00");
  EXPECT_EQ(ui.captions["Label_nb_fic"], "2  fichiers");
}

TEST_F(RunTest, StopButtonAsksOnlyWhileWorkIsGoingOn) {
  write_two_files();
  list_and_build_grid();
  EXPECT_FALSE(stop_click(session));
  EXPECT_TRUE(ui.boxes.empty());
  bool asked = false;
  ui.on_process_events = [&](int) {
    if (asked) return;
    asked = true;
    ui.answer(Answer::Yes);
    EXPECT_TRUE(stop_click(session));
  };
  EXPECT_EQ(traiter_fichier_click(session), RunOutcome::Written);
  ASSERT_GE(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].text, "Stopper le traitement  ?\n");
  EXPECT_EQ(ui.boxes[0].type, MessageType::Confirmation);
  const std::string text = result_text();
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1);
}

// A run of more than a minute ends with the sound, unless the computer is
// to shut down: then the countdown starts instead of the summary box.
TEST_F(RunTest, LongRunEndsWithTheSoundOrTheShutdown) {
  write_two_files();
  list_and_build_grid();
  // The test's own clock, which the run reads and the events move on.
  const auto clock_value = std::make_shared<double>(0);
  session.run.clock = [clock_value] { return *clock_value; };
  for (const bool shutdown : {false, true}) {
    *clock_value = 0;
    ui.end_sounds = 0;
    ui.boxes.clear();
    session.shutdown_after_run = shutdown;
    ui.on_process_events = [clock_value](int) { *clock_value = 61; };
    if (shutdown) ui.answer(Answer::Yes);  // res.txt is there from the first run
    EXPECT_EQ(traiter_fichier_click(session), RunOutcome::Written);
    EXPECT_EQ(ui.end_sounds, shutdown ? 0 : 1);
    EXPECT_EQ(session.shutdown_countdown.running(), shutdown);
    EXPECT_EQ(ui.boxes.size(), 1u);  // the summary, or the overwrite question
  }
}

TEST(ProgressDisplay, DurationsTextDropsLeadingHours) {
  RunState run;
  EXPECT_EQ(durations_text(run), "durées  00:00   00:00   00:00   totale 00:00");
  run.phase_seconds = {0, 75, 3, 3725};
  EXPECT_EQ(durations_text(run), "durées  01:15   00:03   01:02:05   totale 01:03:23");
}

TEST_F(RunTest, ProgressChangesOnlyWhenTheDurationsDo) {
  const auto clock_value = std::make_shared<double>(0);
  session.run.clock = [clock_value] { return *clock_value; };
  start_phase(session, Phase::Processing);
  show_progress(session, "a", Phase::Processing);
  EXPECT_EQ(ui.captions["Label_patienter"], "a");
  *clock_value = 0.5;
  show_progress(session, "b", Phase::Processing);
  EXPECT_EQ(ui.captions["Label_patienter"], "a");
  *clock_value = 1.0;
  show_progress(session, "c", Phase::Processing);
  EXPECT_EQ(ui.captions["Label_patienter"], "c");
  EXPECT_EQ(ui.captions["Label6"], "durées  00:00   00:00   00:01   totale 00:01");
}

}  // namespace
}  // namespace talve
