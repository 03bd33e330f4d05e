// SPDX-License-Identifier: GPL-3.0-or-later
// Listing and pre-reading public files of real loggers, each through the
// description a user would set up for its layout.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "files/listing_settings.h"
#include "listing_fixture.h"
#include "session/listing.h"
#include "text/encoding.h"

namespace talve {
namespace {

namespace fs = std::filesystem;

enum Separator { kTab = 0, kBlank = 1, kSemicolonSep = 2, kComma = 3 };

struct Layout {
  const char* file;  // under tests/data/real
  const char* mask;
  Separator separator;
  int title_line;  // 0: no titles
  int data_line;
  int date_column;
  const char* pattern;
  const char* date_columns = nullptr;  // a date over several columns: "2+3+4"
  bool quoted = false;                 // `CheckBox_guillemets`
};

class RealFiles : public ListingTest {
 protected:
  // The file copied alone into the data folder and listed with its layout.
  ListingResult list(const Layout& layout) {
    const fs::path source = fs::path(TALVE_REAL_DATA_DIR) / layout.file;
    fs::copy_file(source, fs::path(data) / source.filename());
    DataDescription& d = session.description;
    d.assign("Edit_masque.text", layout.mask);
    d.assign("RadioGroup_separateur_colonne_ItemIndex", std::to_string(layout.separator));
    d.assign("RadioGroup_avec_sans_intitule_ItemIndex", layout.title_line > 0 ? "0" : "1");
    d.assign("Edit_num_ligne_intitule_col.text", std::to_string(layout.title_line));
    d.assign("Edit_num_ligne_donnee.text", std::to_string(layout.data_line));
    d.assign("Edit_num_col_datetime.text",
             layout.date_columns ? layout.date_columns : std::to_string(layout.date_column));
    d.assign("Edit_format_datetime_mesure.text", layout.pattern);
    d.assign("CheckBox_guillemets.Checked", layout.quoted ? "true" : "false");
    return lister_tableau(session);
  }
  // An empty data folder and nothing shown yet, for the next file.
  void fresh_folder() {
    fs::remove_all(data);
    fs::create_directory(data);
    ui.boxes.clear();
    ui.opened_in_editor.clear();
    session.log.clear();
  }
  const PreReadFacts& facts() const { return *session.file_table.facts(1); }
  std::string titles_utf8() const { return cp1252_to_utf8(facts().titles_tab); }
};

// What a reader finds by eye in each file: its first and last instants,
// its data lines, its columns (measurement columns + the date column) and
// the line of its titles.
struct Expected {
  Layout layout;
  const char* first;
  const char* last;
  const char* data_lines;
  const char* columns;
  const char* title_line;
  int measurement_columns;
  const char* first_titles;  // the start of the TAB-separated titles
};

TEST_F(RealFiles, ReadableLayoutsGiveTheirInstantsCountsAndTitles) {
  const Expected cases[] = {
      // TOA5: quoted texts, titles on line 2, units and processing lines 3-4.
      {{"toa5-cr800-duplicates/CR800Series_RemoteTable.dat", "dat", kComma, 2, 5, 1, "aaaa_mm_jj_hh_mn_ss"},
       "27/01/2011 13:16:00",
       "01/02/2011 17:00:00",
       "2 626",
       " 9",
       " 2",
       8,
       "\"TIMESTAMP\"\t\"RECORD\"\t\"BattV\""},
      // CRLF, no line end after the last record.
      {{"toa5-cr3000-crlf/4-CR3000_Table213.dat", "dat", kComma, 2, 5, 1, "aaaa_mm_jj_hh_mn_ss"},
       "30/11/2009 22:00:00",
       "01/12/2009 02:59:00",
       "296",
       " 67",
       " 2",
       66,
       "\"TIMESTAMP\"\t\"RECORD\"\t\"PIR1_Wm2_Avg\""},
      // RDB: the field-format line 26 lies between titles and data; no seconds.
      {{"usgs-rdb/09512500_Discharge.txt", "txt", kTab, 25, 27, 3, "aaaa_mm_jj_hh_mn_ss"},
       "09/05/2016 00:00:00",
       "16/05/2016 10:30:00",
       "714",
       " 6",
       " 25",
       5,
       "agency_cd\tsite_no\tdatetime\ttz_cd\t01_00060\t01_00060_cd"},
      // Daily values: a date alone.
      {{"usgs-rdb/03451500.rdb", "rdb", kTab, 35, 37, 3, "aaaa_mm_jj"},
       "01/01/2000 00:00:00",
       "31/12/2010 00:00:00",
       "4 018",
       " 17",
       " 35",
       16,
       "agency_cd\tsite_no\tdatetime\t87929_00045_00006\t"},
      // Byte-order mark before the titles, ISO 8601 with offset, rows not
      // in time order: the first and last lines, not the extremes.
      {{"meteofrance-synop-ods/donnees-synop-essentielles-omm.csv", "csv", kSemicolonSep, 1, 2, 2,
        "aaaa_mm_jj_hh_mn_ss"},
       "04/11/2024 10:00:00",
       "19/07/2025 17:00:00",
       "6 231",
       " 82",
       " -",
       81,
       "ID OMM station\tDate\tPression au niveau mer\t"},
      // Mac Roman, 2673 line ends and an unterminated last record (line 2674).
      {{"meteofrance-synop-ods-macroman/donnees-synop-essentielles-omm.csv", "csv", kSemicolonSep, 1, 2, 2,
        "aaaa_mm_jj_hh_mn_ss"},
       "06/01/2023 07:00:00",
       "11/06/2023 11:00:00",
       "2 673",
       " 82",
       " -",
       81,
       "ID OMM station\tDate\t"},
      // Compact date-times: year, month, day, hour (and minutes).
      {{"meteofrance-climato-api/horaires.csv", "csv", kSemicolonSep, 1, 2, 2, "aaaammjjhh"},
       "15/06/2024 12:00:00",
       "15/06/2024 13:00:00",
       "2",
       " 99",
       " -",
       98,
       "POSTE\tDATE\tRR1\tDRR1\t"},
      // A date alone in eight digits.
      {{"meteofrance-climato-api/quotidiennes.csv", "csv", kSemicolonSep, 1, 2, 2, "aaaammjj"},
       "15/06/2024 00:00:00",
       "16/06/2024 00:00:00",
       "2",
       " 69",
       " -",
       68,
       "POSTE\tDATE\tRR\tDRR\t"},
      {{"meteofrance-climato-api/infrahoraires.csv", "csv", kSemicolonSep, 1, 2, 2, "aaaammjjhhmn"},
       "15/06/2024 12:00:00",
       "15/06/2024 12:06:00",
       "2",
       " 3",
       " -",
       2,
       "POSTE\tDATE\tRR6"},
      // Year, day of the year and HHMM without its zeros in three columns,
      // no titles: the titles are generated.
      {{"campbell-array-cr23x/6-GndRadData.dat", "dat", kComma, 0, 1, 2, "aaaa_qqq_hhmn", "2+3+4"},
       "17/02/2010 22:00:00",
       "18/02/2010 02:59:00",
       "301",
       " 33",
       " -",
       30,
       "A1\tB2\tC3\tD4\tE5"},
      {{"ncwcd-array/NCWCD-408.dat", "dat", kComma, 0, 7, 2, "aaaa_qqq_hhmn", "2+3+4"},
       "19/01/2012 00:05:00",
       "21/01/2012 00:15:00",
       "579",
       " 7",
       " -",
       4,
       "A1\tB2\tC3"},
      // Quoted titles holding commas, month first, two-digit year last,
      // 12-hour clock.
      {{"hobo-building/sample_hobo_u12_data.csv", "csv", kComma, 2, 3, 2, "mm_jj_ee_hh_mn_ss_pp", nullptr,
        true},
       "02/10/2013 06:00:00",
       "03/12/2013 16:36:22",
       "3 001",
       " 9",
       " 2",
       8,
       "#\tTime, GMT+01:00\tTemp, °C()\tRH, %()"},
      {{"hobo-building/sample_hobo_pendant_data.csv", "csv", kComma, 2, 3, 2, "mm_jj_ee_hh_mn_ss_pp", nullptr,
        true},
       "10/10/2019 11:00:00",
       "17/10/2019 09:03:34",
       "1 999",
       " 8",
       " 2",
       7,
       "#\tDate Time, GMT+01:00\tTemp, °F (LGR S/N: 10469238, SEN S/N: 10469238)\t"},
      // MMDDYY: six digits, the year last.
      {{"nrcs-snotel/NRCS-SNOTEL-JoeWright-all.txt", "txt", kTab, 2, 3, 1, "mmjjee"},
       "01/10/2010 00:00:00",
       "30/09/2011 00:00:00",
       "365",
       " 7",
       " 2",
       6,
       "COJOE WRIGHT-date\tpill\tprec"},
      // Titles after a "#" block of 17 lines.
      {{"co-dwr-tab/CO-DWR-ADATUNCO-tab.txt", "txt", kTab, 18, 19, 2, "aaaa_mm_jj_hh_mn_ss"},
       "01/10/2006 00:00:00",
       "06/10/2006 23:45:00",
       "576",
       " 4",
       " 18",
       3,
       "Station\tDate/Time\tGAGE_HT (ft)\tDISCHRG (cfs)"},
  };
  for (const Expected& c : cases) {
    SCOPED_TRACE(c.layout.file);
    fresh_folder();
    ASSERT_EQ(list(c.layout), ListingResult::completed);
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(cell(1, "date dep"), c.first);
    EXPECT_EQ(cell(1, "date fin"), c.last);
    EXPECT_EQ(cell(1, "n.données"), c.data_lines);
    EXPECT_EQ(cell(1, "nb Colonnes"), c.columns);
    EXPECT_EQ(cell(1, "n°Lig intitulés"), c.title_line);
    ASSERT_NE(session.file_table.facts(1), nullptr);
    EXPECT_EQ(facts().measurement_columns, c.measurement_columns);
    EXPECT_TRUE(facts().titles_tab.starts_with(c.first_titles)) << titles_utf8();
  }
}

TEST_F(RealFiles, AccentedTitlesWrittenInUtf8AreRepaired) {
  ASSERT_EQ(list({"meteofrance-synop-ods/donnees-synop-essentielles-omm.csv", "csv", kSemicolonSep, 1, 2, 2,
                  "aaaa_mm_jj_hh_mn_ss"}),
            ListingResult::completed);
  EXPECT_NE(facts().titles_tab.find("\tTempérature\tPoint de rosée\tHumidité\t"), std::string::npos);
  EXPECT_TRUE(ui.captions["Edit_intitule_origine"].starts_with("ID OMM station;Date;"));
}

TEST_F(RealFiles, HtmlTailAfterTheDataHidesTheLastInstant) {
  // The last non-blank line is the HTML of a failed request: the end of the
  // data (line 297, 30/09/2000) cannot be told and 9 garbage lines count.
  ASSERT_EQ(list({"usgs-rdb/USGS-G03451500.txt", "txt", kTab, 22, 24, 3, "aaaa_mm_jj"}),
            ListingResult::completed);
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(cell(1, "date dep"), "01/01/2000 00:00:00");
  EXPECT_EQ(cell(1, "date fin"), "    ????");
  EXPECT_EQ(cell(1, "n.données"), "283");
  EXPECT_EQ(facts().last, 0);
}

// Patterns that do not fit the layout of the file: the user is shown the
// first date question (and opens the file) instead of wrong instants.
struct Unreadable {
  Layout layout;
  const char* field;
  const char* first_line;
};

TEST_F(RealFiles, UnreadableDateLayoutsRaiseTheFirstDateQuestion) {
  const Unreadable cases[] = {
      // MMDDYY: six digits.
      {{"nrcs-snotel/NRCS-SNOTEL-JoeWright-all.txt", "txt", kTab, 2, 3, 1, "mmjjaa"},
       "100110 en colonne 1",
       "100110;0.00;0.00;18.80;"},
      // Year, day of year and unpadded HHMM in three columns: no template
      // reads a day of year.
      {{"campbell-array-cr23x/6-GndRadData.dat", "dat", kComma, 0, 1, 2, "aaaa"},
       "2010 en colonne 2",
       "213,2010,48,2200,"},
      {{"ncwcd-array/NCWCD-408.dat", "dat", kComma, 0, 7, 2, "aaaa"}, "2012 en colonne 2", "408,2012,19,5,"},
      // Month first with a two-digit year last and a 12-hour clock: no
      // template takes a year-last two-digit year, nor AM/PM.
      {{"hobo-building/sample_hobo_u12_data.csv", "csv", kComma, 2, 3, 2, "mm_jj_aaaa_hh_mn_ss"},
       "10/02/13 06:00:00 AM en colonne 2",
       "1,10/02/13 06:00:00 AM,19.865,"},
      {{"hobo-building/sample_hobo_pendant_data.csv", "csv", kComma, 2, 3, 2, "mm_jj_aaaa_hh_mn_ss"},
       "10/10/19 11:00:00 AM en colonne 2",
       "1,10/10/19 11:00:00 AM,72.199,"},
  };
  for (const Unreadable& c : cases) {
    SCOPED_TRACE(c.layout.file);
    fresh_folder();
    ui.answer(Answer::Yes);
    EXPECT_EQ(list(c.layout), ListingResult::stopped);
    ASSERT_EQ(ui.boxes.size(), 1u);
    const std::string& text = ui.boxes[0].text;
    EXPECT_TRUE(text.starts_with("-- Date de la 1ère mesure <>\n\n" + std::string(c.layout.pattern) + "\n" +
                                 c.field + "\n\n"))
        << cp1252_to_utf8(text);
    const std::size_t line_at = text.find(" ? : ");
    ASSERT_NE(line_at, std::string::npos);
    EXPECT_EQ(text.substr(line_at + 5, std::string_view(c.first_line).size()), c.first_line);
    EXPECT_EQ(ui.opened_in_editor.size(), 1u);
    EXPECT_EQ(session.file_table.facts(1), nullptr);
  }
}

// A two-digit year where the pattern asks for four is refused, not read as
// some other year.
TEST_F(RealFiles, HoboDatesAreTracedAsErrors) {
  ui.answer(Answer::No);
  ASSERT_EQ(list({"hobo-building/sample_hobo_u12_data.csv", "csv", kComma, 2, 3, 2, "mm_jj_aaaa_hh_mn_ss"}),
            ListingResult::completed);
  const auto& log = session.log.lines();
  EXPECT_NE(std::find(log.begin(), log.end(), " + erreur date : année 13  corriger <10/02/13 06:00:00 AM>"),
            log.end());
  EXPECT_NE(std::find(log.begin(), log.end(), " + erreur date : année 13  corriger <12/03/13 04:36:22 PM>"),
            log.end());
  EXPECT_EQ(cell(1, "date dep"), "    ????");
  EXPECT_EQ(cell(1, "n.données"), "3 001");
}

}  // namespace
}  // namespace talve
