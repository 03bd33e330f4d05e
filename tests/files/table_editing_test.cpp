// SPDX-License-Identifier: GPL-3.0-or-later
// The FileTable operations that need no window: marks, sorting, removal.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "files/check_marks.h"
#include "files/file_table.h"
#include "files/row_removal.h"
#include "files/table_sort.h"

namespace talve {
namespace {

struct RowContent {
  std::string name;
  std::string station;
  std::string mark = "";
};

FileTable table_of(const std::vector<RowContent>& contents) {
  FileTable table;
  int n = 0;
  for (const RowContent& content : contents) {
    const int row = table.add_row();
    table.ecrire_case(row, "n", std::to_string(++n));
    table.ecrire_case(row, "fichier", content.name);
    table.ecrire_case(row, "Station", content.station);
    table.ecrire_case(row, " x", content.mark);
  }
  return table;
}

std::vector<std::string> column(const FileTable& table, std::string_view title) {
  std::vector<std::string> cells;
  for (int row = 1; row < table.row_count(); ++row) cells.push_back(table.lire_case(row, title));
  return cells;
}

using Texts = std::vector<std::string>;

// --- check marks

TEST(CheckMarks, RestoredByNameWhereverTheRowsMoved) {
  FileTable table = table_of({{"a", "S"}, {"b", "S", "x"}, {"c", "T"}, {"d", "T", "x"}});
  const Texts checked = checked_file_names(table);
  EXPECT_EQ(checked, (Texts{"b", "d"}));
  FileTable relisted = table_of({{"new", "S", "x"}, {"d", "T"}, {"a", "S"}, {"b", "S"}});
  restore_check_marks(relisted, checked);
  EXPECT_EQ(column(relisted, " x"), (Texts{"", "x", "", "x"}));
  EXPECT_EQ(first_marked_row(relisted), 2);
}

TEST(CheckMarks, AFileListedTwiceIsMarkedOnItsFirstRowOnly) {
  FileTable table = table_of({{"a", "S"}, {"a", "S"}});
  restore_check_marks(table, {"a"});
  EXPECT_EQ(column(table, " x"), (Texts{"x", ""}));
}

TEST(CheckMarks, ToggleFlipsOneFileRowOnly) {
  FileTable table = table_of({{"a", "S"}, {"b", "S"}});
  toggle_check_mark(table, 2);
  EXPECT_EQ(column(table, " x"), (Texts{"", "x"}));
  toggle_check_mark(table, 2);
  toggle_check_mark(table, 0);  // the title row is not a file
  toggle_check_mark(table, 9);
  EXPECT_EQ(column(table, " x"), (Texts{"", ""}));
  EXPECT_EQ(table.lire_case(0, " x"), " x");
}

TEST(CheckMarks, StationChoices) {
  struct Case {
    StationChoice choice;
    Texts marks;
    std::string chart_title;
  };
  // Rows: S marked, T, S, T marked.
  const Case cases[] = {
      {StationChoice::only_station, {"x", "", "x", ""}, "Station S"},
      {StationChoice::add_station, {"x", "", "x", "x"}, "Graphiques+S"},
      {StationChoice::uncheck_all, {"", "", "", ""}, "Graphiques"},
      {StationChoice::uncheck_station, {"", "", "", "x"}, "Graphiques"},
      {StationChoice::check_all, {"x", "x", "x", "x"}, "Graphiques"},
  };
  for (const Case& c : cases) {
    FileTable table = table_of({{"a", "S", "x"}, {"b", "T"}, {"c", "S"}, {"d", "T", "x"}});
    apply_station_choice(table, c.choice, "S");
    EXPECT_EQ(column(table, " x"), c.marks) << static_cast<int>(c.choice);
    EXPECT_EQ(chart_title_after(c.choice, "S", "Graphiques"), c.chart_title);
  }
}

TEST(CheckMarks, PanelCaptionsNameTheStation) {
  const auto captions = station_choice_captions("S1");
  EXPECT_EQ(captions[0], "ne cocher que les <S1>");
  EXPECT_EQ(captions[1], "cocher les <S1> en plus");
  EXPECT_EQ(captions[2], "décocher toutes les lignes");
  EXPECT_EQ(captions[3], "décocher juste les  <S1>");
  EXPECT_EQ(captions[4], "cocher toutes les lignes ");
}

// --- sorting

FileTable table_with(std::string_view title, const Texts& cells) {
  FileTable table;
  int n = 0;
  for (const std::string& text : cells) {
    const int row = table.add_row();
    table.ecrire_case(row, "fichier", "f" + std::to_string(++n));
    table.ecrire_case(row, title, text);
  }
  return table;
}

TEST(TableSort, KeysAndDirections) {
  struct Case {
    const char* title;
    Texts cells;
    SortKey key;
    bool ascending;
    Texts sorted;
  };
  const Case cases[] = {
      {"n", {"10", "9", "100", "1"}, SortKey::numeric, true, {"1", "9", "10", "100"}},
      {"n", {"10", "9", "100", "1"}, SortKey::numeric, false, {"100", "10", "9", "1"}},
      {"n", {"10", "9", "100", "1"}, SortKey::text, true, {"1", "10", "100", "9"}},
      // Byte order: capitals first, accented letters last.
      {"Station", {"b", "é", "B", "a"}, SortKey::text, true, {"B", "a", "b", "é"}},
      // Cells that do not read count as 0.
      {"n", {"3", "abc", "-1", "2,5"}, SortKey::numeric, true, {"-1", "abc", "2,5", "3"}},
      {"date dep",
       {"02/01/2021 00:00:00", "31/12/2020 23:00:00", "    ????", "01/01/2021 12:00:00"},
       SortKey::date,
       true,
       {"    ????", "31/12/2020 23:00:00", "01/01/2021 12:00:00", "02/01/2021 00:00:00"}},
      {"date fin",
       {"01/02/2020 00:00:00", "15/01/2021 00:00:00", " ---"},
       SortKey::date,
       false,
       {"15/01/2021 00:00:00", "01/02/2020 00:00:00", " ---"}},
  };
  for (const Case& c : cases) {
    FileTable table = table_with(c.title, c.cells);
    trier_tableau(table, table.column_index(c.title), c.key, c.ascending);
    EXPECT_EQ(column(table, c.title), c.sorted) << c.title << (c.ascending ? " up" : " down");
  }
}

TEST(TableSort, WholeRowsMoveWithTheirFacts) {
  FileTable table = table_with("n", {"2", "1"});
  PreReadFacts facts;
  facts.titles_tab = "of f1";
  table.set_facts(1, facts);
  trier_tableau(table, table.column_index("n"), SortKey::numeric, true);
  EXPECT_EQ(column(table, "fichier"), (Texts{"f2", "f1"}));
  EXPECT_EQ(table.facts(1), nullptr);
  ASSERT_NE(table.facts(2), nullptr);
  EXPECT_EQ(table.facts(2)->titles_tab, "of f1");
}

TEST(TableSort, EqualKeysAreNeverExchanged) {
  FileTable table = table_with("Station", {"S", "S", "S", "A"});
  trier_tableau(table, table.column_index("Station"), SortKey::text, true);
  EXPECT_EQ(column(table, "fichier"), (Texts{"f4", "f1", "f3", "f2"}));
  FileTable same = table_with("Station", {"S", "S", "S"});
  trier_tableau(same, same.column_index("Station"), SortKey::text, false);
  EXPECT_EQ(column(same, "fichier"), (Texts{"f1", "f2", "f3"}));
}

TEST(TableSort, KeyChosenByColumn) {
  FileTable table;
  const int row = table.add_row();
  table.ecrire_case(row, "n", "1");
  table.ecrire_case(row, "taille (Mo)", " 0,5");
  table.ecrire_case(row, "date_NOM_Fichier", "2021/01/01");
  table.ecrire_case(row, "date dep", "01/01/2021 00:00:00");
  table.ecrire_case(row, "Station", "12A");
  EXPECT_EQ(sort_key_for(table, "n"), SortKey::numeric);
  EXPECT_EQ(sort_key_for(table, "taille (Mo)"), SortKey::text);  // begins with a blank
  EXPECT_EQ(sort_key_for(table, "date_NOM_Fichier"), SortKey::text);
  EXPECT_EQ(sort_key_for(table, "date dep"), SortKey::date);
  EXPECT_EQ(sort_key_for(table, " date fin "), SortKey::date);
  EXPECT_EQ(sort_key_for(table, "Station"), SortKey::numeric);
  EXPECT_EQ(sort_key_for(table, "fichier"), SortKey::text);  // empty cell
}

// --- removal

TEST(RowRemoval, InvalidRangesAreRefusedUnchanged) {
  const std::pair<int, int> ranges[] = {{0, 1}, {2, 1}, {1, 4}, {4, 4}, {-1, 2}};
  for (const auto& [first, last] : ranges) {
    FileTable table = table_of({{"a", "S"}, {"b", "S"}, {"c", "S"}});
    try {
      supprimer_lignes(table, first, last);
      ADD_FAILURE() << first << ".." << last << " accepted";
    } catch (const std::out_of_range& refused) {
      EXPECT_STREQ(refused.what(), "Invalid row range");
    }
    EXPECT_EQ(table.file_row_count(), 3);
  }
}

TEST(RowRemoval, FollowingRowsMoveUpWithTheirFacts) {
  FileTable table = table_of({{"a", "S"}, {"b", "S"}, {"c", "S"}, {"d", "S"}});
  PreReadFacts facts;
  facts.measurement_columns = 4;
  table.set_facts(4, facts);
  supprimer_lignes(table, 2, 3);
  EXPECT_EQ(column(table, "fichier"), (Texts{"a", "d"}));
  EXPECT_EQ(column(table, "n"), (Texts{"1", "4"}));  // numbers stay as they were
  ASSERT_NE(table.facts(2), nullptr);
  EXPECT_EQ(table.facts(2)->measurement_columns, 4);
  supprimer_lignes(table, 1, 2);
  EXPECT_EQ(table.row_count(), 1);
}

TEST(RowRemoval, FileNameDays) {
  EXPECT_EQ(file_name_day("2021/12/31"), encode_date(2021, 12, 31));
  EXPECT_EQ(file_name_day("2021/02/30"), std::nullopt);
  EXPECT_EQ(file_name_day("2021/12"), std::nullopt);
  EXPECT_EQ(file_name_day("2021/12/31/1"), std::nullopt);
  EXPECT_EQ(file_name_day("aaaa/12/31"), std::nullopt);
  EXPECT_EQ(file_name_day(""), std::nullopt);
}

TEST(RowRemoval, RowsOutsideThePeriodFromTheBottomUp) {
  FileTable table = table_of({{"a", ""}, {"b", ""}, {"c", ""}, {"d", ""}, {"e", ""}});
  const char* dates[] = {"2020/12/31", "2021/12/31", "", "2022/01/01", "2021/02/30"};
  for (int row = 1; row <= 5; ++row) table.ecrire_case(row, "date_NOM_Fichier", dates[row - 1]);
  const auto rows = rows_outside_period(table, *encode_date(2021, 1, 1), *encode_date(2021, 12, 31));
  EXPECT_EQ(rows, (std::vector<int>{4, 1}));
}

}  // namespace
}  // namespace talve
