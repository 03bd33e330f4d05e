// SPDX-License-Identifier: GPL-3.0-or-later
// Files as loggers and export services really write them, listed,
// pre-read and run as the buttons do: dates over several columns, quoted
// fields, an empty first field on the data lines only, every way of ending
// lines. Each case checks the instants and the values that reach the
// result, not only that something was read.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "run_fixture.h"
#include "support/text_lines.h"
#include "text/text_utils.h"

namespace talve {
namespace {

using Lines = std::vector<std::string>;

struct LayoutCase {
  const char* name;
  std::map<std::string, std::string> settings;  // over the fixture's description
  std::string file;                             // the bytes of "f_1.csv"
  const char* first;                            // "date dep", "date fin"
  const char* last;
  std::string title_row;  // the result's title row
  Lines rows;             // the result rows 01:00 to 04:00
  // The start of the file's preview (`Memo6`), when checked.
  const char* preview = nullptr;
};

void PrintTo(const LayoutCase& c, std::ostream* out) { *out << c.name; }

class FileLayouts : public RunTest, public ::testing::WithParamInterface<LayoutCase> {
 protected:
  Lines run_case(const LayoutCase& c) {
    for (const auto& [key, value] : c.settings) session.description.assign(key, value);
    dir.write("data/f_1.csv", c.file);
    list_and_build_grid();
    EXPECT_EQ(traiter_fichier_click(session), RunOutcome::Written);
    return testing::rows_of(result_text());
  }
  std::string title_row() const {
    const std::string text = result_text();
    return text.substr(0, text.find("\r\n"));
  }
};

std::string with_ends(const Lines& lines, const char* end) {
  std::string text;
  for (const std::string& line : lines) text += line + end;
  return text;
}

const Lines kDefaultRows = {"01/01/2021 01:00:00; 2,00;50,00;2", "01/01/2021 02:00:00; 6,00;60,00;2",
                            "01/01/2021 03:00:00;NA;NA;0", "01/01/2021 04:00:00;11,00;70,00;2"};

TEST_P(FileLayouts, GivesItsInstantsAndValues) {
  const LayoutCase& c = GetParam();
  const Lines rows = run_case(c);
  EXPECT_EQ(session.file_table.lire_case(1, "date dep"), c.first);
  EXPECT_EQ(session.file_table.lire_case(1, "date fin"), c.last);
  EXPECT_EQ(title_row(), c.title_row);
  EXPECT_EQ(rows, c.rows);
  if (c.preview) {
    EXPECT_TRUE(ui.captions["Memo6"].starts_with(c.preview)) << ui.captions["Memo6"];
  }
}

// The preview shows the file's lines one under the other, whatever ends them.
constexpr const char* kPreview = "Date\tT\tH\n2021-01-01 00:30:00\t1.0\t50\n2021-01-01 01:00:00\t3.0\tNA\n";

std::vector<LayoutCase> layout_cases() {
  const Lines plain = {"Date;T;H",
                       "2021-01-01 00:30:00;1.0;50",
                       "2021-01-01 01:00:00;3.0;NA",
                       "2021-01-01 01:30:00;5.0;60",
                       "2021-01-01 02:00:00;7.0;-99999",
                       "2021-01-01 03:10:00;10.0;70",
                       "2021-01-01 03:50:00;12.0;NA"};
  const std::string plain_title =
      "temps(Date inf ou =);T;H;nb(4)_methode_(moyenne des n mesures OK)_station(f)";
  const LayoutCase cases[] = {
      {"CR LF",
       {},
       with_ends(plain, "\r\n"),
       "01/01/2021 00:30:00",
       "01/01/2021 03:50:00",
       plain_title,
       kDefaultRows,
       kPreview},
      {"LF",
       {},
       with_ends(plain, "\n"),
       "01/01/2021 00:30:00",
       "01/01/2021 03:50:00",
       plain_title,
       kDefaultRows,
       kPreview},
      {"CR alone",
       {},
       with_ends(plain, "\r"),
       "01/01/2021 00:30:00",
       "01/01/2021 03:50:00",
       plain_title,
       kDefaultRows,
       kPreview},
      {"year, day of the year and HHMM in three columns, no titles",
       {{"RadioGroup_separateur_colonne_ItemIndex", "3"},
        {"RadioGroup_avec_sans_intitule_ItemIndex", "1"},
        {"Edit_num_ligne_donnee.text", "1"},
        {"Edit_num_col_datetime.text", "2+3+4"},
        {"Edit_format_datetime_mesure.text", "aaaa_qqq_hhmn"}},
       with_ends({"213,2021,1,30,1.0,50", "213,2021,1,100,3.0,NA", "213,2021,1,130,5.0,60",
                  "213,2021,1,200,7.0,-99999", "213,2021,1,310,10.0,70", "213,2021,1,350,12.0,NA"},
                 "\r\n"),
       "01/01/2021 00:30:00",
       "01/01/2021 03:50:00",
       "temps(B2+C3+D4 inf ou =);A1;E5;F6;nb(4)_methode_(moyenne des n mesures OK)_station(f)",
       {"01/01/2021 01:00:00;213,00; 2,00;50,00;2", "01/01/2021 02:00:00;213,00; 6,00;60,00;2",
        "01/01/2021 03:00:00;NA;NA;NA;0", "01/01/2021 04:00:00;213,00;11,00;70,00;2"}},
      {"every field quoted, numbers too, titles holding the separator",
       {{"RadioGroup_separateur_colonne_ItemIndex", "3"}, {"CheckBox_guillemets.Checked", "true"}},
       with_ends({R"("Date","T, °C","H ""rel""")", R"("2021-01-01 00:30:00","1.0","50")",
                  R"("2021-01-01 01:00:00","3.0","NA")", R"("2021-01-01 01:30:00","5.0","60")",
                  R"("2021-01-01 02:00:00","7.0","-99999")", R"("2021-01-01 03:10:00","10.0","70")",
                  R"("2021-01-01 03:50:00","12.0",NA)"},
                 "\r\n"),
       "01/01/2021 00:30:00",
       "01/01/2021 03:50:00",
       "temps(Date inf ou =);T, °C;H \"rel\";nb(4)_methode_(moyenne des n mesures OK)_station(f)",
       kDefaultRows},
      {"a 12-hour clock with a two-digit year, month first",
       {{"RadioGroup_separateur_colonne_ItemIndex", "3"},
        {"Edit_format_datetime_mesure.text", "mm_jj_ee_hh_mn_ss_pp"}},
       with_ends({"Date,T,H", "12/31/20 11:30:00 PM,1.0,50", "01/01/21 1:00:00 AM,3.0,NA",
                  "01/01/21 01:30:00 AM,5.0,60", "01/01/21 02:00:00 AM,7.0,-99999",
                  "1/1/21 3:10:00 AM,10.0,70", "01/01/21 03:50:00 AM,12.0,NA"},
                 "\n"),
       "31/12/2020 23:30:00",
       "01/01/2021 03:50:00",
       plain_title,
       {"01/01/2021 01:00:00; 3,00;NA;1", "01/01/2021 02:00:00; 6,00;60,00;2", "01/01/2021 03:00:00;NA;NA;0",
        "01/01/2021 04:00:00;11,00;70,00;2"}},
      {"data lines that begin with an empty field under titles that do not",
       {{"Edit_num_col_datetime.text", "2"}},
       with_ends({"Station;Date;T;H", ";2021-01-01 00:30:00;1.0;50", ";2021-01-01 01:00:00;3.0;NA",
                  ";2021-01-01 01:30:00;5.0;60", ";2021-01-01 02:00:00;7.0;-99999",
                  ";2021-01-01 03:10:00;10.0;70", ";2021-01-01 03:50:00;12.0;NA"},
                 "\r\n"),
       "01/01/2021 00:30:00",
       "01/01/2021 03:50:00",
       "temps(Date inf ou =);Station;T;H;nb(4)_methode_(moyenne des n mesures OK)_station(f)",
       {"01/01/2021 01:00:00;NA; 2,00;50,00;2", "01/01/2021 02:00:00;NA; 6,00;60,00;2",
        "01/01/2021 03:00:00;NA;NA;NA;0", "01/01/2021 04:00:00;NA;11,00;70,00;2"}},
      // The leading separator of every line is skipped, titles and data
      // alike; the separator count of the titles still counts it, hence
      // the empty fourth column this layout has always given.
      {"every line, titles too, begins with the separator: the same columns as ever",
       {},
       with_ends({";Date;T;H", ";2021-01-01 00:30:00;1.0;50", ";2021-01-01 01:00:00;3.0;NA",
                  ";2021-01-01 01:30:00;5.0;60", ";2021-01-01 02:00:00;7.0;-99999",
                  ";2021-01-01 03:10:00;10.0;70", ";2021-01-01 03:50:00;12.0;NA"},
                 "\r\n"),
       "01/01/2021 00:30:00",
       "01/01/2021 03:50:00",
       "temps(Date inf ou =);T;H;;nb(4)_methode_(moyenne des n mesures OK)_station(f)",
       {"01/01/2021 01:00:00; 2,00;50,00;NA;2", "01/01/2021 02:00:00; 6,00;60,00;NA;2",
        "01/01/2021 03:00:00;NA;NA;NA;0", "01/01/2021 04:00:00;11,00;70,00;NA;2"}},
  };
  return {std::begin(cases), std::end(cases)};
}

INSTANTIATE_TEST_SUITE_P(Files, FileLayouts, ::testing::ValuesIn(layout_cases()));

// A quote not closed, or inside a field that does not begin with one: the
// line is a problem line, counted and traced like an unreadable one (the
// first two of the file), never read as some other value.
TEST_F(RunTest, MisplacedQuotesMakeProblemLines) {
  session.description.assign("CheckBox_guillemets.Checked", "true");
  dir.write("data/f_1.csv",
            with_ends({"Date;T;H", "\"2021-01-01 00:30:00\";1.0;50", "\"2021-01-01 01:30:00;5.0;60",
                       "2021-01-01 01:40:00;5\"0;60", "\"2021-01-01 01:50:00\"x;5.0;60",
                       "\"2021-01-01 02:00:00\";7.0;\"\"", "\"2021-01-01 03:10:00\";\"1\"\"0\";70"},
                      "\r\n"));
  list_and_build_grid();
  ASSERT_EQ(traiter_fichier_click(session), RunOutcome::Written);
  EXPECT_EQ(testing::rows_of(result_text()),
            (Lines{"01/01/2021 01:00:00; 1,00;50,00;1", "01/01/2021 02:00:00; 7,00;NA;1",
                   "01/01/2021 03:00:00;NA;NA;0", "01/01/2021 04:00:00;NA;70,00;1"}));
  const Lines& log = session.log.lines();
  for (const char* line :
       {"ligne 3 pb \"2021-01-01 01:30:00;5.0;60", "ligne 4 pb 2021-01-01 01:40:00;5\"0;60",
        "ligne 5 pb etc ......... ", "nb_pb = 3"})
    EXPECT_NE(std::find(log.begin(), log.end(), line), log.end()) << line;
}

}  // namespace
}  // namespace talve
