// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/processing_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "engine_run_fixture.h"

namespace talve {
namespace {

using testing::EngineRun;
using testing::regular_grid;
using Lines = std::vector<std::string>;

TEST(ProcessingEngine, SmallFileEndToEnd) {
  EngineRun run;
  run.ws.period.date_test = DateTest::LessOrEqual;
  run.add_file("a.csv", {
                            "date;t;h",
                            "07/11/2021 00:05:00;1.5;10",
                            "07/11/2021 00:10:00;2,5;NA",
                            "07/11/2021 00:15:00;<0.5;-99999",
                            "07/11/2021 00:20:00;abc;30",
                            "07/11/2021 00:50:00;4;40",
                        });
  const TimeGrid grid = regular_grid("07/11/2021 00:00:00", 900, 5);
  ASSERT_TRUE(run.run(grid, 2, "date\tt\th"));
  EXPECT_EQ(run.result, (Lines{
                            "temps(date inf ou =);t;h;nb(4)_methode_(moyenne des n mesures OK)",
                            "07/11/2021 00:15:00; 1,50;10,00;3",
                            "07/11/2021 00:30:00;#N/A;30,00;1",
                            "07/11/2021 00:45:00;#N/A;#N/A;0",
                            "07/11/2021 01:00:00; 4,00;40,00;1",
                        }));
  EXPECT_EQ(run.values[0], "t;h;nb(4)_methode_(moyenne des n mesures OK)");
  EXPECT_EQ(run.values[1], " 1,50;10,00;3");
  EXPECT_EQ(run.table.empty_counts[2], 2);
  EXPECT_EQ(run.table.empty_counts[3], 1);
  EXPECT_EQ(run.table.line_total, 5);
  EXPECT_EQ(run.files.lire_case(1, "n.extraites"), "5");
  EXPECT_EQ(run.files.lire_case(1, "n.données"), "5");
  EXPECT_EQ(run.files.lire_case(1, "date dep"), "07/11/2021 00:05:00");
  EXPECT_EQ(run.files.lire_case(1, "date fin"), "07/11/2021 00:50:00");
  EXPECT_EQ(run.files.lire_case(1, "correction"), "---");
  EXPECT_EQ(run.files.lire_case(1, "nb Colonnes"), " 3");
  EXPECT_EQ(run.files.lire_case(1, "n°Lig intitulés"), " -");
  EXPECT_EQ(run.files.lire_case(1, "pas moyen observé"), "   675 s / 300 s");
  EXPECT_EQ(run.ui.captions["Label5"], "4 colonnes (avec temps et nb)");
  EXPECT_EQ(run.ui.captions["Label_nlig_impliquee"], "5 lignes extraites");
  EXPECT_EQ(format_canonical(run.span.earliest), "07/11/2021 00:05:00");
  EXPECT_EQ(format_canonical(run.span.latest), "07/11/2021 00:50:00");
}

TEST(ProcessingEngine, FilesFeedOneTableInFileOrder) {
  EngineRun run;
  run.set("RadioGroup_methode_ItemIndex", "1");
  run.add_file("a.csv", {"date;v", "07/11/2021 00:10:00;1", "07/11/2021 00:20:00;2"});
  run.add_file("b.csv", {"date;v", "07/11/2021 00:05:00;7", "07/11/2021 00:40:00;8"});
  const TimeGrid grid = regular_grid("07/11/2021 00:00:00", 900, 4);
  ASSERT_TRUE(run.run(grid, 1, "date\tv"));
  // The last valid value of each interval, the second file's coming last.
  EXPECT_EQ(run.values,
            (Lines{"v;nb(3)_methode_(ponctuel = dernière mesure OK)", " 7,00;2", " 2,00;1", " 8,00;1"}));
  EXPECT_EQ(run.reports.size(), 2u);
  EXPECT_EQ(run.table.line_total, 4);
}

TEST(ProcessingEngine, UnreadableLinesAndConversionTraces) {
  EngineRun run;
  run.set("CheckBox_car_null.Checked", "true");
  run.add_file("a.csv", {"date;v", "07/11/2021 00:10:00;1", std::string("07/11/2021 00:11:00;\x02x"),
                         std::string("\x03") + "b", std::string("\x04") + "c", std::string("\x05") + "d",
                         "07/11/2021 00:12:00;2"});
  const TimeGrid grid = regular_grid("07/11/2021 00:00:00", 900, 2);
  ASSERT_TRUE(run.run(grid, 1, "date\tv"));
  EXPECT_EQ(run.reports[0].lines.problem_lines, 4);
  EXPECT_EQ(run.values[1], " 1,50;2");
  const Lines& log = run.ws.log.lines();
  const auto has = [&](const std::string& line) {
    return std::find(log.begin(), log.end(), line) != log.end();
  };
  EXPECT_TRUE(has("ligne 3 pb 07/11/2021 00:11:00;\x02x"));
  EXPECT_TRUE(
      has("ligne 4 pb \x03"
          "b"));
  EXPECT_TRUE(has("ligne 5 pb etc ......... "));
  EXPECT_FALSE(
      has("ligne 6 pb \x05"
          "d"));
  EXPECT_TRUE(has("nb_pb = 4"));
}

TEST(ProcessingEngine, CorrectionsOfAFile) {
  EngineRun run;
  run.set("CheckBox_correction_si_t1egalt2.Checked", "true");
  run.set("CheckBox_correction_si_t1supt2.Checked", "true");
  run.add_file("a.csv",
               {"date;v", "07/11/2021 23:50:00;1", "07/11/2021 23:50:00;2", "07/11/2021 00:10:00;3"});
  const TimeGrid grid = regular_grid("07/11/2021 23:45:00", 900, 4);
  ASSERT_TRUE(run.run(grid, 1, "date\tv"));
  // 23:50:00 and 23:50:01 in the 00:00 row, the next line moved to the
  // following day.
  EXPECT_EQ(run.values[1], " 1,50;2");
  EXPECT_EQ(run.values[2], " 3,00;1");
  EXPECT_EQ(run.files.lire_case(1, "correction"), "+1jour,s 1/1x");
  const Lines& log = run.ws.log.lines();
  EXPECT_NE(std::find(log.begin(), log.end(), "3 : + 1s à 07/11/2021 23:50:00"), log.end());
  EXPECT_NE(std::find(log.begin(), log.end(), "4 : + 1j à 07/11/2021 00:10:00"), log.end());
  EXPECT_NE(std::find(log.begin(), log.end(), "nb (+ 1j) = 1"), log.end());
  EXPECT_NE(std::find(log.begin(), log.end(), "nb (+ 1s) = 1"), log.end());
}

TEST(ProcessingEngine, OffsetAndDriftMoveInstantsOnlyWhenActive) {
  struct Case {
    bool offset;
    bool drift;
    const char* row;  // the row of the one line
  };
  const Case cases[] = {{false, false, "07/11/2021 10:00:00"},
                        {true, false, "07/11/2021 11:00:00"},
                        {false, true, "07/11/2021 10:15:00"},
                        {true, true, "07/11/2021 11:15:00"}};
  for (const Case& c : cases) {
    EngineRun run;
    run.set("CheckBox_decalage_actif.Checked", c.offset ? "true" : "false");
    run.set("TimePicker_decalage", "01:00:00");
    // 15 minutes gained in the day before the line.
    run.set("CheckBox_derive_active.Checked", c.drift ? "true" : "false");
    run.set("TimePicker_derive_erronee", "12:00:00");
    run.set("TimePicker_derive_reelle", "12:15:00");
    run.set("DateTimePicker_debut_derive", "06/11/2021 10:00:00");
    run.set("DateTimePicker_constat_derive", "07/11/2021 10:00:00");
    run.add_file("a.csv", {"date;v", "07/11/2021 10:00:00;1"});
    const TimeGrid grid = regular_grid("07/11/2021 09:45:00", 900, 7);
    ASSERT_TRUE(run.run(grid, 1, "date\tv"));
    Lines filled;
    for (const std::string& row : run.result)
      if (row.ends_with(";1")) filled.push_back(row.substr(0, 19));
    EXPECT_EQ(filled, Lines{c.row}) << c.offset << c.drift;
  }
}

TEST(ProcessingEngine, ForcedGrowthOfACounter) {
  struct Case {
    Lines values;  // one line per row from 00:15 on, "" for an empty row
    Lines rows;
  };
  const Case cases[] = {
      {{"5", "10", "2", "4"}, {" 5,00;1", "10,00;1", "10,00;1", "14,00;1"}},
      {{"10", "20", "", "30", "40"}, {"10,00;1", "20,00;1", "#N/A;0", "30,00;1", "40,00;1"}},
      {{"10", "20", "NA", "5", "8"}, {"10,00;1", "20,00;1", "#N/A;1", "20,00;1", "28,00;1"}},
  };
  for (const Case& c : cases) {
    EngineRun run;
    run.set("RadioGroup_methode_ItemIndex", "2");
    run.set("CheckBox_cumul_corriger.Checked", "true");
    // A value on the lower bound of the first interval, which is not
    // written, must not move the written rows.
    Lines file{"date;v", "07/11/2021 00:00:00;50"};
    const long long start = whole_seconds(testing::at("07/11/2021 00:15:00"));
    for (std::size_t i = 0; i < c.values.size(); ++i) {
      if (c.values[i].empty()) continue;
      file.push_back(format_canonical(from_whole_seconds(start + 900 * static_cast<long long>(i))) + ";" +
                     c.values[i]);
    }
    run.add_file("a.csv", file);
    const TimeGrid grid = regular_grid("07/11/2021 00:00:00", 900, static_cast<int>(c.values.size()) + 1);
    ASSERT_TRUE(run.run(grid, 1, "date\tv"));
    EXPECT_EQ(Lines(run.values.begin() + 1, run.values.end()), c.rows) << c.values[0];
  }
}

TEST(ProcessingEngine, TitlesInsteadOfDataAskToCancel) {
  for (Answer answer : {Answer::Yes, Answer::No}) {
    EngineRun run;
    run.add_file("a.csv", {"date;v", "Date;Valeur", "07/11/2021 00:10:00;1"});
    run.ui.answer(answer);
    const TimeGrid grid = regular_grid("07/11/2021 00:00:00", 900, 2);
    const bool done = run.run(grid, 1, "date\tv");
    ASSERT_EQ(run.ui.boxes.size(), 1u);
    EXPECT_EQ(run.ui.boxes[0].text,
              "fichier 1\n" + run.paths[0] + "\n\n" +
                  " il semble que la 1ère ligne de données soit une description de colonnes \n"
                  "<Date;Valeur>\n nb chiffres    = 0\n nb de lettrres = 10\n\n"
                  " Annuler ce traitement ?");
    EXPECT_EQ(run.ui.boxes[0].type, MessageType::Warning);
    EXPECT_EQ(done, answer == Answer::No);
    if (answer == Answer::No) {
      EXPECT_EQ(run.files.lire_case(1, "n°Lig intitulés"), " ? ");
      EXPECT_EQ(run.values[1], " 1,00;1");
    }
  }
}

TEST(ProcessingEngine, DateColumnQuestion) {
  EngineRun run;
  // A year of five digits puts every field out of place.
  run.add_file("a.csv", {"date;v", "1/11/20213 10:00:00;1"});
  run.ui.answer(Answer::Yes);
  const TimeGrid grid = regular_grid("07/11/2021 00:00:00", 900, 2);
  EXPECT_FALSE(run.run(grid, 1, "date\tv"));
  ASSERT_EQ(run.ui.boxes.size(), 1u);
  EXPECT_EQ(run.ui.boxes[0].text,
            "Problème de date : vérifier le n° de la colonne Date \n\n Annuler ce traitement ?");
}

TEST(ProcessingEngine, StopDuringTheFirstFileKeepsOnlyTheTitleRow) {
  EngineRun run;
  run.ui.on_process_events = [&](int) { run.ws.flags.stop = true; };
  run.add_file("a.csv", {"date;v", "07/11/2021 00:10:00;1", "07/11/2021 00:20:00;2"});
  const TimeGrid grid = regular_grid("07/11/2021 00:00:00", 900, 3);
  EXPECT_FALSE(run.run(grid, 1, "date\tv"));
  EXPECT_EQ(run.result.size(), 1u);
  EXPECT_EQ(run.values.size(), 1u);
}

TEST(ProcessingEngine, MissingEndMarkerCountsLinesToTheEnd) {
  // The end marker is missing: the file is read to its end and so are its
  // lines counted (the count used to be negative); its end is its last line
  // that reads as a date, and the table says the marker was missing.
  EngineRun run;
  run.set("RadioGroup_numlig_balise_ItemIndex", "1");
  run.set("Edit_balise_deb.text", "DEBUT");
  run.set("Edit_balise_fin.text", "FIN");
  run.set("Edit_num_ligne_donnee.text", "2");
  run.add_file("a.csv", {"entete", "DEBUT", "07/11/2021 00:10:00;1", "07/11/2021 00:20:00;2",
                         "07/11/2021 00:25:00;3"});
  const TimeGrid grid = regular_grid("07/11/2021 00:00:00", 900, 3);
  ASSERT_TRUE(run.run(grid, 1, "date\tv"));
  EXPECT_EQ(run.files.lire_case(1, "n.données"), "3");
  EXPECT_EQ(run.files.lire_case(1, "date fin"), "07/11/2021 00:25:00");
  EXPECT_EQ(run.files.lire_case(1, "correction"), "---, sans balise de fin");
  EXPECT_EQ(run.values[1], " 1,00;1");
  EXPECT_EQ(run.values[2], " 2,50;2");
}

// Lines placed on calendar grids, against the intervals worked out from
// the calendar: with "(inf strict)" a month or year row gathers the month
// or year that starts at it; with "(inf ou =)" the one that ends at it.
TEST(ProcessingEngine, LinesOnMonthAndYearGrids) {
  struct Case {
    StepKind kind;
    DateTest test;
  };
  const Case cases[] = {{StepKind::Month, DateTest::Strict},
                        {StepKind::Year, DateTest::Strict},
                        {StepKind::Month, DateTest::LessOrEqual},
                        {StepKind::Year, DateTest::LessOrEqual}};
  std::mt19937 random(29);
  for (const Case& c : cases) {
    TimeGrid grid;
    grid.entries.push_back("_intitul\xE9s des colonnes");
    grid.instants.push_back(0);
    for (int i = 0; i < 12; ++i) {
      const TDateTime instant =
          c.kind == StepKind::Month ? *encode_date(2021, 1 + i, 1) : *encode_date(2013 + i, 1, 1);
      grid.entries.push_back(format_canonical(instant));
      grid.instants.push_back(instant);
    }
    // Lines from the day before the first instant to the day after the
    // last one, midnights among them.
    const long long first = whole_seconds(grid.instants[1]) - 86400;
    const long long span = whole_seconds(grid.instants.back()) + 86400 - first;
    std::vector<long long> seconds;
    for (int i = 0; i < 400; ++i)
      seconds.push_back(random() % 3 == 0 ? first + (random() % (span / 86400)) * 86400
                                          : first + random() % span);
    std::sort(seconds.begin(), seconds.end());
    std::vector<std::string> lines = {"date;v"};
    std::vector<int> expected(grid.instants.size(), 0);
    for (long long s : seconds) {
      lines.push_back(format_canonical(from_whole_seconds(s)) + ";1");
      for (std::size_t r = 1; r < grid.instants.size(); ++r) {
        const long long low = whole_seconds(grid.instants[r - 1]);
        const long long high = whole_seconds(grid.instants[r]);
        if (c.test == DateTest::LessOrEqual && s > low && s <= high && s >= whole_seconds(grid.instants[1]))
          ++expected[r];
        if (c.test == DateTest::Strict && r + 1 < grid.instants.size() && s >= high &&
            s < whole_seconds(grid.instants[r + 1]))
          ++expected[r];
      }
    }
    EngineRun run;
    run.ws.period.step_kind = c.kind;
    run.ws.period.date_test = c.test;
    run.add_file("a.csv", lines);
    ASSERT_TRUE(run.run(grid, 1, "date\tv"));
    // Row 1 bounds the first interval and is not written.
    ASSERT_EQ(run.result.size(), grid.instants.size() - 1);
    for (std::size_t r = 2; r < grid.instants.size(); ++r) {
      const std::string& row = run.result[r - 1];
      EXPECT_EQ(row.substr(row.rfind(';') + 1), std::to_string(expected[r]))
          << static_cast<int>(c.kind) << " " << static_cast<int>(c.test) << " " << row;
    }
  }
}

TEST(ProcessingEngine, NoFileReadGivesNoRows) {
  testing::ScriptedInterface ui;
  Workspace ws(ui);
  ResultTable table;
  ProcessingEngine engine(ws, table);
  const TimeGrid grid = regular_grid("07/11/2021 00:00:00", 900, 3);
  engine.prepare(grid, 2);
  TextRows result, values;
  EXPECT_TRUE(engine.finish(grid.entries, result, &values));
  EXPECT_EQ(result.lines(), (Lines{""}));
  EXPECT_EQ(values.lines(), (Lines{""}));
}

TEST(ProcessingEngine, TwoDateColumns) {
  EngineRun run;
  run.set("RadioGroup_datetime_nb_col_ItemIndex", "1");
  run.set("Edit_num_col_date.text", "2");
  run.set("Edit_num_col_time.text", "3");
  run.set("Edit_format_date_mesure_seule.text", "aaaa_mm_jj");
  run.set("Edit_format_time_mesure_seul.text", "hh_mn");
  run.add_file("a.csv", {"v;jour;heure;w", "5;2021-11-07;00:10;6", "7;2021-11-07;00:20;8"});
  const TimeGrid grid = regular_grid("07/11/2021 00:00:00", 900, 3);
  ASSERT_TRUE(run.run(grid, 2, "v\tjour\theure\tw"));
  EXPECT_EQ(run.result[0], "jour;v;w;nb(2)_methode_(moyenne des n mesures OK)");
  EXPECT_EQ(run.result[1], "07/11/2021 00:15:00; 5,00; 6,00;1");
  EXPECT_EQ(run.result[2], "07/11/2021 00:30:00; 7,00; 8,00;1");
}

TEST(ProcessingEngine, RealLoggerFileWithDuplicatesAndMissingValues) {
  // A Campbell CR800 table: quoted dates and "NAN", duplicated minutes.
  EngineRun run;
  run.set("RadioGroup_separateur_colonne_ItemIndex", "3");
  run.set("Edit_num_ligne_intitule_col.text", "2");
  run.set("Edit_num_ligne_donnee.text", "5");
  run.set("Edit_format_datetime_mesure.text", "aaaa_mm_jj_hh_mn_ss");
  run.set("CheckBox_col_cochee.Checked", "true");
  run.set("Edit_col_cochee.text", "6,9");
  run.set("CheckBox_correction_si_t1egalt2.Checked", "true");
  run.add_existing(std::string(TALVE_REAL_DATA_DIR) + "/toa5-cr800-duplicates/CR800Series_RemoteTable.dat");
  const TimeGrid grid = regular_grid("31/01/2011 14:45:00", 900, 3);
  ASSERT_TRUE(
      run.run(grid, 8, "TIMESTAMP\tRECORD\tBattV\tAirTF\tRH\tStage\tDistance\tErrorCode\tAirPressure"));
  EXPECT_EQ(run.result,
            (Lines{
                "temps(TIMESTAMP inf ou =);Stage;AirPressure;nb(2)_methode_(moyenne des n mesures OK)",
                // The first line after the clock reset: Stage is "NAN".
                "31/01/2011 15:00:00;#N/A;31,00;1",
                // Eight "NAN" minutes (one twice), then six of 60.
                "31/01/2011 15:15:00;60,00;30,33;15",
            }));
  EXPECT_EQ(run.files.lire_case(1, "date dep"), "27/01/2011 13:16:00");
  EXPECT_EQ(run.files.lire_case(1, "date fin"), "01/02/2011 17:00:00");
  EXPECT_EQ(run.files.lire_case(1, "n.données"), "2 626");
  EXPECT_EQ(run.files.lire_case(1, "n.extraites"), "16");
  EXPECT_EQ(run.files.lire_case(1, "nb Colonnes"), " 9");
  EXPECT_EQ(run.files.lire_case(1, "n°Lig intitulés"), " 2");
  EXPECT_EQ(run.files.lire_case(1, "correction"), "+1jour,s 0/7x");
  EXPECT_EQ(run.reports[0].steps.one_second, 7);
}

}  // namespace
}  // namespace talve
