// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/filename_rules.h"

#include <gtest/gtest.h>

#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "text/clock.h"

namespace talve {
namespace {

struct RecordingSink : TraceSink {
  void ajout_suivi(const std::string& line) override { lines.push_back(line); }
  std::vector<std::string> lines;
};

// "Now" is fixed so that the date given when no date can be taken is known.
class FilenameDate : public ::testing::Test {
 protected:
  static constexpr TDateTime kNow = 45000.5;
  void SetUp() override { set_fixed_now(kNow); }
  void TearDown() override { set_fixed_now(std::nullopt); }
};

TEST(StationNomFichier, RulesOnNames) {
  struct Case {
    const char* name;
    const char* rule;
    const char* station;
  };
  const Case cases[] = {
      // Examples of the station rule.
      {"Env10_2021_11_10_00.csv", "1,3", "Env1011"},
      {"BFS_45_202101.CSV", "3(00xx)", "21"},
      {"fluofdv201015.mv", "1(0000xxx)", "fdv"},
      // The "." has become "_": the extension is syllable 2.
      {"a.csv", "1", "a"},
      {"a.csv", "2", "csv"},
      {" a.csv  ", "1", "a"},
      // A literal rule is the station of every file.
      {"Env10_2021.csv", "ABC", "ABC"},
      {"Env10_2021.csv", "\"ABC\"", "ABC"},
      {"Env10_2021.csv", "Baro?", "Baro?"},
      // All digits: a syllable number, however many syllables.
      {"s1_s2_s3_s4_s5_s6_s7_s8_s9_s10_s11_s12_s13.txt", "12", "s12"},
      {"x_y.csv", "4", ""},
      // Blanks, "-", ",", ";" and "." all cut syllables.
      {"St A;12,b-c.d", "2,4,5,6", "Abcd"},
      // Literal pieces, blanks written "E", "e" or quoted.
      {"Env10_2021.csv", "1,E,2", "Env10 2021"},
      {"Env10_2021.csv", "1,e,2", "Env10 2021"},
      {"Env10_2021.csv", "1,\" \",2", "Env10 2021"},
      {"Env10_2021.csv", "1,\"-\",2", "Env10-2021"},
      {"Env10_2021.csv", "S,1", "SEnv10"},
      {"Env10_2021.csv", "1, 2", "Env102021"},
      // A syllable shorter than its mask gives nothing.
      {"AB_12.csv", "2(0000xx)", ""},
      {"AB_12.csv", "1,2(0000xx)", "AB"},
      // The "?" form: the word is appended when the name holds it.
      {"P12_S3_baro.csv", "2,Baro?", "S3-Baro"},
      {"P12_S3_BARO.csv", "2,Baro?", "S3-Baro"},
      {"P12_S3_temp.csv", "2,Baro?", "S3"},
      {"P12_S3_temp.csv", "2,?", "S3"},
      // An empty name gives nothing, even with a literal rule.
      {"", "ABC", ""},
      {"   ", "1", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " / " + c.rule);
    EXPECT_EQ(station_nom_fichier(c.name, c.rule), c.station);
  }
}

TEST(StationSource, ContentRulesNameLineOrColumn) {
  EXPECT_EQ(source_station("ligne 2, colonne 2, Espace"), StationSource::contenu);
  EXPECT_EQ(source_station("Colonne 3"), StationSource::contenu);
  EXPECT_EQ(source_station("LIGNE 4"), StationSource::contenu);
  EXPECT_EQ(source_station("1,3"), StationSource::nom_fichier);
  EXPECT_EQ(source_station("ABC"), StationSource::nom_fichier);
  EXPECT_EQ(source_station(""), StationSource::nom_fichier);
}

TEST(StationContenu, LineColumnAndSeparator) {
  const std::vector<std::string_view> lines = {"Station Rennes", "ID 4512 Nord", "a;b,c\td e",
                                               "Relev\xC3\xA9 Bras"};
  struct Case {
    const char* rule;
    const char* station;
  };
  const Case cases[] = {
      {"ligne 2, colonne 2, Espace", "4512"},
      {"ligne 2", "ID 4512 Nord"},
      {"colonne 2", "Rennes"},
      {"ligne 0, colonne 1", "Station"},
      {"ligne 3, colonne 2", "e"},
      {"ligne 3, colonne 2, tabulation", "d e"},
      {"ligne 3, colonne 2, virgule", "c\td e"},
      {"ligne 3, colonne 2, point-virgule", "b,c\td e"},
      {"ligne 4, colonne 1", "Relevé"},
      {"ligne 9, colonne 1", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rule);
    EXPECT_EQ(station_contenu(lines, c.rule), c.station);
  }
  EXPECT_EQ(station_contenu({}, "ligne 1"), "");
}

TEST(NomSyllabes, DateRuleTransformation) {
  struct Case {
    const char* name;
    const char* syllables;
  };
  const Case cases[] = {
      {"SCAN 07 01 21_09 01 21.txt", "SCAN_07_01_21_09_01_21"},
      {"HIDS2136-20170418-212124Z-Data.dat", "HIDS2136_20170418_212124Z_Data"},
      {"aa_b c d 2023-03-16 e.txt", "aa_b_c_d_2023-03-16_e"},
      {"niveau-m_240502121714_T7418.CSV1", "niveau-m_240502121714_T7418"},
      {"a.b.csv", "a.b"},
      {"x,y;z", "x_y_z"},
      {".csv", ""},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(nom_syllabes(c.name), c.syllables) << c.name;
}

struct DateCase {
  const char* name;
  const char* rule;
  const char* text;
  int year, month, day;
};

TEST_F(FilenameDate, DatesTakenFromNames) {
  const DateCase cases[] = {
      // Examples of the date rule.
      {"BFE-450046 20211214121633.CSV", "3(xxxx),/,3(0000xx),/,3(000000xx)", "2021/12/14", 2021, 12, 14},
      {"HIDS2136-20170418-212124Z-Data.dat", "2(xxxx),/,2(0000xx),/,2(000000xx)", "2017/04/18", 2017, 4, 18},
      {"niveau-m_240502121714_T7418.CSV1", "20aammjj,2", "2024/05/02", 2024, 5, 2},
      {"fluofdv201109.mv", "20aammjj", "2020/11/09", 2020, 11, 9},
      {"Env10_2021_11_10_00.csv", "2,3,4", "2021/11/10", 2021, 11, 10},
      {"SCAN 07 01 21_09 01 21.txt", "(20)4,3,2", "2021/01/07", 2021, 1, 7},
      {"aa_b c d 2023-03-16 e.txt", "aaaa_mm_jj,5", "2023/03/16", 2023, 3, 16},
      // Syllable number first: swapped.
      {"P_12_20230316.csv", "3,aaaammjj", "2023/03/16", 2023, 3, 16},
      // Exactly eight digits found from a six-digit run.
      {"x20230316y.txt", "aaaammjj", "2023/03/16", 2023, 3, 16},
      {"x20230316y.txt", "20aammjj", "2023/03/16", 2023, 3, 16},
      {"20230316-1200_st.txt", "aaaammjj", "2023/03/16", 2023, 3, 16},
      // The date as a syllable with its own separators.
      {"x_16-03-2023.txt", "jj_mm_aaaa,2", "2023/03/16", 2023, 3, 16},
      // A non-digit last character is the syllable separator.
      {"A_x-20230316.txt", "aaaammjj,2,-", "2023/03/16", 2023, 3, 16},
      // The piece form read day first, or as eight characters.
      {"log_16032023.txt", "2(xx),/,2(00xx),/,2(0000xxxx)", "2023/03/16", 2023, 3, 16},
      {"log_20230316_x.txt", "2(xxxxxxxx)", "2023/03/16", 2023, 3, 16},
      // Month and day padded to two digits.
      {"Env10_2021_3_7_00.csv", "2,3,4", "2021/03/07", 2021, 3, 7},
      {"S_21_3_7_0000.csv", "(20)2,3,4", "2021/03/07", 2021, 3, 7},
  };
  for (const DateCase& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " / " + c.rule);
    RecordingSink trace;
    TDateTime date = 0;
    EXPECT_EQ(date_nom_fichier(c.name, c.rule, date, trace), c.text);
    EXPECT_EQ(date, encode_date(c.year, c.month, c.day).value());
    EXPECT_TRUE(trace.lines.empty());
  }
}

TEST_F(FilenameDate, NoDateWithoutMessage) {
  const DateCase cases[] = {
      {"Env10_2021_11_10_00.csv", "", "", 0, 0, 0},
      // Fewer than three syllables for "aaaammjj,3".
      {"P_20230316.csv", "aaaammjj,3", "", 0, 0, 0},
      // Five numeric characters or fewer.
      {"st_12345.txt", "aaaammjj", "", 0, 0, 0},
      {"st_1.2+4.txt", "2,3,4", "", 0, 0, 0},
      // No run of six digits for a compact pattern.
      {"abc_1234_56.txt", "20aammjj", "", 0, 0, 0},
      // A missing or non-numeric syllable number.
      {"Env10_2021_11_10_00.csv", "2,x,4", "", 0, 0, 0},
      {"Env10_2021_11_10_00.csv", "2,3,", "", 0, 0, 0},
  };
  for (const DateCase& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " / " + c.rule);
    RecordingSink trace;
    TDateTime date = 0;
    EXPECT_EQ(date_nom_fichier(c.name, c.rule, date, trace), "");
    EXPECT_EQ(date, kNow);
    EXPECT_TRUE(trace.lines.empty());
  }
}

TEST_F(FilenameDate, OutOfRangeFieldsAreTraced) {
  struct Case {
    const char* name;
    const char* rule;
    std::vector<std::string> trace;
  };
  const Case cases[] = {
      {"Env10_2021_13_10_00.csv", "2,3,4", {" - erreur date : 2021/13/10  <Env10_2021_13_10_00>"}},
      {"Env10_2021_11_32_00.csv", "2,3,4", {" - erreur date : 2021/11/32  <Env10_2021_11_32_00>"}},
      {"SCAN 07 1x 21_09 01 21.txt", "(20)4,3,2", {" - erreur date : 2021/1x/07  <SCAN_07_1x_21_09_01_21>"}},
      {"Env10_ab21_11_10_00.csv", "2,3,4", {" - erreur date : ab21/11/10  <Env10_ab21_11_10_00>"}},
      // Two-digit year without a century: not eight digits.
      {"SCAN 07 01 21_09 01 21.txt",
       "4,3,2",
       {"", "erreur : 4,3,2  ne fournit pas de date avec <SCAN_07_01_21_09_01_21>"}},
      {"log_18991231.txt",
       "aaaammjj,2",
       {"", "erreur : aaaammjj,1  ne fournit pas de date avec <18991231,z>"}},
      {"log_21010101.txt",
       "aaaammjj,2",
       {"", "erreur : aaaammjj,1  ne fournit pas de date avec <21010101,z>"}},
      // Syllable 1 of the name is read, and the name holds "_".
      {"2023-03-16.txt",
       "aaaa_mm_jj",
       {"", "erreur : aaaa_mm_jj,1  ne fournit pas de date avec <2023_03_16,z>"}},
      // A sign counts as a numeric character but is no month.
      {"x_2021+110.txt",
       "2(xxxx),/,2(0000xx),/,2(000000xx)",
       {"", "erreur : 2(xxxx),/,2(0000xx),/,2(000000xx)  ne fournit pas de date avec <x_2021+110>"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " / " + c.rule);
    RecordingSink trace;
    TDateTime date = 0;
    EXPECT_EQ(date_nom_fichier(c.name, c.rule, date, trace), "");
    EXPECT_EQ(date, kNow);
    EXPECT_EQ(trace.lines, c.trace);
  }
}

TEST_F(FilenameDate, DayTheMonthLacksKeepsTheTextWithTheLastDayOf1899) {
  RecordingSink trace;
  TDateTime date = 0;
  EXPECT_EQ(date_nom_fichier("Env10_2021_02_31_00.csv", "2,3,4", date, trace), "2021/02/31");
  EXPECT_EQ(date, 1.0);
  EXPECT_TRUE(trace.lines.empty());
}

// Every entry the picker offers reads the date of a name written the way
// the entry describes.
TEST_F(FilenameDate, EveryPickerExampleReadsItsKindOfName) {
  const char* const names[] = {"P_12_20230316.csv",
                               "Station_A_2023-03-16.txt",
                               "Env10_2023_03_16_00.csv",
                               "SCAN 16 03 23_09 01 21.txt",
                               "fluofdv230316.mv",
                               "log_230316121714.txt",
                               "BFE-450046 20230316121633.CSV"};
  static_assert(std::size(names) == kExemplesDateFichier.size());
  for (std::size_t i = 0; i < kExemplesDateFichier.size(); ++i) {
    SCOPED_TRACE(kExemplesDateFichier[i]);
    RecordingSink trace;
    TDateTime date = 0;
    EXPECT_EQ(date_nom_fichier(names[i], kExemplesDateFichier[i], date, trace), "2023/03/16");
    EXPECT_EQ(date, encode_date(2023, 3, 16).value());
  }
}

// Rules are typed by users and names come from disks: none of these may
// crash, hang or read out of bounds (the sanitizer build checks the last
// two). A date text, when one comes out, is always "yyyy/mm/dd".
TEST_F(FilenameDate, HostileNamesAndRules) {
  const std::string long_digits(5000, '7');
  const std::string many_underscores(3000, '_');
  const std::string many_parentheses = std::string(500, '(') + "1" + std::string(500, ')');
  const std::vector<std::string> names = {"",
                                          " ",
                                          "_",
                                          "____",
                                          "-",
                                          "--",
                                          ".",
                                          ".csv",
                                          "a-b",
                                          "a_b-c-d",
                                          ",;,;",
                                          "\"",
                                          "(",
                                          ")",
                                          "?",
                                          "\xFF\xE9\x80_12345678",
                                          "\xC3\xA9t\xC3\xA9_2021_11_10.txt",
                                          "99999999999999999999",
                                          "2021-11-10",
                                          "20211110",
                                          "x_2021_11_10_y_z_w_v_u_t.dat",
                                          long_digits,
                                          many_underscores,
                                          many_parentheses,
                                          "1" + many_underscores + "20211110"};
  const std::vector<std::string> rules = {"",
                                          " ",
                                          ",",
                                          ",,,,",
                                          "(",
                                          ")",
                                          "()",
                                          ")(",
                                          "((((",
                                          "))))",
                                          "(,)",
                                          "(,,)",
                                          "(20",
                                          "(20)",
                                          "(20)4,3",
                                          "(20)4,3,2)",
                                          ")20(4,3,2",
                                          "(20)99999999999,3,2",
                                          "9999999999999999999",
                                          "99999999999(xx)",
                                          "1(",
                                          "1()",
                                          "1(xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx)",
                                          "0",
                                          "0,0,0",
                                          "?",
                                          ",?",
                                          "1,?",
                                          "?,1",
                                          "\"",
                                          "\"\"",
                                          "\" \"",
                                          "E",
                                          "e",
                                          "aa",
                                          "aaaa",
                                          "aaaa,",
                                          ",aaaa",
                                          "aaaa,99999999999",
                                          "3,aa",
                                          "aa,3",
                                          "jj_mm_aaaa",
                                          "aaaa_mm_jj",
                                          "aaaammjj;3",
                                          "aaaammjj;3;E",
                                          "mm",
                                          "jj",
                                          "mmjj,1",
                                          "20aa",
                                          "aa20",
                                          "2020",
                                          "20aammjj,0",
                                          "\xE9\xFF",
                                          "1,2,3,4,5",
                                          "2147483647,2147483648,1",
                                          "-1,-2,-3",
                                          "+1,+2,+3",
                                          "E,E,E",
                                          "x",
                                          "xxxx",
                                          "1(x),2(xx),3(xxx)",
                                          many_parentheses,
                                          long_digits,
                                          "ligne 99999999999, colonne 99999999999",
                                          "ligne -3, colonne -1"};
  const std::vector<std::string_view> lines = {"", " ", "a b c", "\xC3", "\xE2\x80"};
  for (const std::string& name : names) {
    for (const std::string& rule : rules) {
      SCOPED_TRACE(name.substr(0, 40) + " / " + rule.substr(0, 40));
      RecordingSink trace;
      TDateTime date = 0;
      const std::string text = date_nom_fichier(name, rule, date, trace);
      if (!text.empty()) {
        ASSERT_EQ(text.size(), 10u);
        EXPECT_EQ(text[4], '/');
        EXPECT_EQ(text[7], '/');
      } else {
        EXPECT_EQ(date, kNow);
      }
      (void)station_nom_fichier(name, rule);
      (void)nom_syllabes(name);
    }
  }
  for (const std::string& rule : rules) {
    (void)station_contenu(lines, rule);
    (void)station_contenu({}, rule);
    (void)source_station(rule);
  }
}

}  // namespace
}  // namespace talve
