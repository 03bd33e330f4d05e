// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/column_mapping.h"

#include <gtest/gtest.h>

#include "core/workspace.h"
#include "engine/decoding.h"
#include "support/scripted_interface.h"

namespace talve {
namespace {

using Titles = std::vector<std::string>;

class ColumnMapping : public ::testing::Test {
 protected:
  ColumnMapping() : ws(ui) {}

  ColumnMap build(int data, const std::string& titles, const std::string& station = "") {
    ColumnMapSource source;
    source.data_column_count = data;
    source.title_line = titles;
    source.grid_count = 97;
    source.station = station;
    return build_column_map(ws, DecodeSettings::read(ws.description), source);
  }

  testing::ScriptedInterface ui;
  Workspace ws;
};

TEST_F(ColumnMapping, EveryColumnButTheDate) {
  ws.description.assign("Edit_num_col_datetime.text", "2");
  const ColumnMap map = build(3, "a\tDate\tb\t c ");
  EXPECT_EQ(map.count, 5);
  EXPECT_EQ(map.sources, (std::vector<int>{0, 0, 1, 3, 4, 0}));
  EXPECT_EQ(map.titles,
            (Titles{"", "temps(Date inf ou =)", "a", "b", "c", "nb(96)_methode_(moyenne des n mesures OK)"}));
}

TEST_F(ColumnMapping, TwoDateColumns) {
  ws.description.assign("RadioGroup_datetime_nb_col_ItemIndex", "1");
  ws.description.assign("Edit_num_col_date.text", "1");
  ws.description.assign("Edit_num_col_time.text", "3");
  const ColumnMap map = build(2, "Jour\tv\tHeure\tw");
  EXPECT_EQ(map.sources, (std::vector<int>{0, 0, 2, 4, 0}));
  EXPECT_EQ(map.titles[1], "Jour");
}

TEST_F(ColumnMapping, Selection) {
  ws.description.assign("CheckBox_col_cochee.Checked", "true");
  ws.description.assign("Edit_col_cochee.text", "4;2,9");
  ws.description.assign("RadioGroup_methode_ItemIndex", "5");
  ws.period.date_test = DateTest::Strict;
  const ColumnMap map = build(3, "Date\ta\tb\tc", "Brest");
  EXPECT_EQ(map.count, 5);
  EXPECT_EQ(map.sources, (std::vector<int>{0, 0, 4, 2, 9, 0}));
  // A column the files do not have has no title (and no values).
  EXPECT_EQ(map.titles,
            (Titles{"", "temps(Date inf srict)", "c", "a", "", "nb(96)_methode_(cumul)_station(Brest)"}));
}

TEST_F(ColumnMapping, OffsetInTheInstantTitleOnlyWhenItMovesTheInstants) {
  ws.offset_days = 2;
  ws.description.assign("TimePicker_decalage", "01:30:00");
  ws.description.assign("RadioButton_decalage_negatif.Checked", "true");
  EXPECT_EQ(build(1, "Date\tv").titles[1], "temps(Date inf ou =)");
  ws.description.assign("CheckBox_decalage_actif.Checked", "true");
  EXPECT_EQ(build(1, "Date\tv").titles[1], "temps(Date decalage=-2j 01:30:00 inf ou =)");
  ws.offset_days = 0;
  ws.description.assign("TimePicker_decalage", "00:00:00");
  EXPECT_EQ(build(1, "Date\tv").titles[1], "temps(Date inf ou =)");
}

TEST_F(ColumnMapping, ShownInTheLog) {
  ColumnMap map = build(1, "Date\tv");
  show_column_map(ws, map);
  EXPECT_EQ(ui.tracking, (std::vector<std::string>{"", " colonnes à extraire :", "1=>temps(Date inf ou =)",
                                                   "2=>v", "3=>nb(96)_methode_(moyenne des n mesures OK)"}));
  EXPECT_EQ(ui.captions["Label5"], "3 colonnes (avec temps et nb)");
}

TEST_F(ColumnMapping, ColumnList) {
  ws.description.assign("RadioGroup_datetime_nb_col_ItemIndex", "1");
  lister_colonnes(ws, 2, "Date;Heure,\"T\"\tH");
  EXPECT_EQ(ui.tracking, (std::vector<std::string>{std::string(47, '='), " nb de colonnes de mesure(s) = 2",
                                                   " nb de colonnes pour les dates/heures = 2", "1 - Date",
                                                   "2 - Heure", "3 - T", "4 - H"}));
  EXPECT_TRUE(ui.visible["Panel1"]);
  EXPECT_TRUE(ui.boxes.empty());
}

// Quoted titles keep their commas; a date over three columns counts three.
TEST_F(ColumnMapping, ColumnListOfQuotedTitlesAndADateOverThreeColumns) {
  ws.description.assign("CheckBox_guillemets.Checked", "true");
  ws.description.assign("Edit_num_col_datetime.text", "2+3+4");
  lister_colonnes(ws, 2, "#\tTime, GMT\tTemp, °C");
  EXPECT_EQ(ui.tracking, (std::vector<std::string>{std::string(47, '='), " nb de colonnes de mesure(s) = 2",
                                                   " nb de colonnes pour les dates/heures = 3", "1 - #",
                                                   "2 - Time, GMT", "3 - Temp, °C"}));
}

TEST_F(ColumnMapping, ColumnListWithAlternativeTitles) {
  ws.description.assign("CheckBox_int_col_alternatif.Checked", "true");
  ws.description.assign("Edit_new_desc_colonne.text", "t,v1;v2");
  ws.description.assign("Edit_col_cochee.text", "2,3");
  lister_colonnes(ws, 2, "Date\ta\tb");
  const std::vector<std::string> tail(ui.tracking.end() - 5, ui.tracking.end());
  EXPECT_EQ(tail,
            (std::vector<std::string>{"", "  1 - t", "  2 - v1", "  3 - v2", "...extraire : 2,3  => "}));
}

TEST_F(ColumnMapping, ColumnListWithoutTabs) {
  lister_colonnes(ws, 0, "DateValeur");
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].text,
            " le nombre de colonnes détectées est nul :\n\n<DateValeur>\n\n  vérifier les intitulés "
            "alternatifs...");
  EXPECT_EQ(ui.boxes[0].type, MessageType::Information);
}

}  // namespace
}  // namespace talve
