// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/description_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/data_description.h"
#include "core/settings_table.h"
#include "support/scripted_interface.h"
#include "support/temp_dir.h"
#include "text/clock.h"
#include "text/text_utils.h"

namespace talve {
namespace {

using testing::ProgramHome;
using testing::read_bytes;
using testing::ScriptedInterface;
using testing::TempDir;

std::vector<std::string> lines_of(const std::string& bytes) {
  std::vector<std::string> lines;
  for (auto line : split_lines(bytes)) lines.emplace_back(line);
  return lines;
}

class DescriptionFileTest : public ::testing::Test {
 protected:
  void SetUp() override { set_fixed_now(*parse_canonical("15/03/2024 08:30:00")); }
  void TearDown() override { set_fixed_now(std::nullopt); }

  // Reads the text as the file "<dir>/station.dsc" would be read.
  bool read(const std::string& bytes) {
    const std::string path = dir.write("station.dsc", bytes);
    return read_description_file(path, description, ui).complete;
  }

  ProgramHome home;
  TempDir dir;
  ScriptedInterface ui;
  DataDescription description;
};

TEST_F(DescriptionFileTest, WritesSixtySixCrLfLinesInWriterOrder) {
  description.assign("Edit_new_desc_colonne.text", "température;humidité");
  description.assign("dossier_choisi", "/mesures/");
  const std::string path = dir.file("a.dsc");
  ASSERT_TRUE(write_description_file(path, description));

  const std::string bytes = read_bytes(path);
  const auto lines = lines_of(bytes);
  ASSERT_EQ(lines.size(), 66u);
  // Every line ends with CR LF, the last one included.
  std::size_t crlf = 0;
  for (std::size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2)) ++crlf;
  EXPECT_EQ(crlf, 66u);
  EXPECT_TRUE(bytes.ends_with("\r\n"));
  EXPECT_EQ(bytes.find('\n'), bytes.find("\r\n") + 1);

  const auto order = description_write_order();
  for (std::size_t i = 0; i < order.size(); ++i)
    EXPECT_TRUE(lines[i].starts_with(std::string(order[i]) + "= ")) << lines[i];
  EXPECT_EQ(lines[0], "CheckBox_aide_flottante.Checked= false");
  EXPECT_EQ(lines[15], "dossier_choisi_sortie= ");
  EXPECT_EQ(lines[16], "dossier_choisi= /mesures/");
  EXPECT_EQ(lines[64], "Label_pas_dsc.caption= pas");
  // Windows-1252: "é" is the single byte E9.
  EXPECT_NE(bytes.find("Edit_new_desc_colonne.text= temp\xE9rature;humidit\xE9\r\n"), std::string::npos);
}

TEST_F(DescriptionFileTest, WritesPickersAsTimeAndSystemDateTime) {
  description.assign("TimePicker_decalage", "01:30:00");
  description.assign("DateTimePicker_debut_derive", "05/06/2022 12:00:00");
  description.assign("DateTimePicker_constat_derive", "07/06/2022 00:00:00");
  const auto lines = description_lines(description, dir.path());
  EXPECT_EQ(lines[57], "TimePicker_decalage= 01:30:00");
  EXPECT_EQ(lines[60], "DateTimePicker_constat_derive= 07/06/2022");
  EXPECT_EQ(lines[61], "DateTimePicker_debut_derive= 05/06/2022 12:00:00");
}

TEST_F(DescriptionFileTest, EmptyFileReadsAsTheIfAbsentColumn) {
  ASSERT_TRUE(read(""));
  EXPECT_TRUE(ui.boxes.empty());
  for (const SettingInfo& info : settings_table()) {
    std::string expected = DataDescription::absent_value(info, home.path());
    if (info.key == "dossier_choisi") expected = dir.path();  // "./" from the description's folder
    EXPECT_EQ(description.text(info.key), expected) << info.key;
  }
  EXPECT_EQ(description.text("Edit_masque.text"), "*.csV");
  EXPECT_EQ(description.text("Edit_equiv_na.text"), "NA;-1;-99999;-99999.0;-99990.0");
  EXPECT_EQ(description.text("Label_min_dsc.caption"), "15/03/2024 08:30:00");
  EXPECT_EQ(description.text("DateTimePicker_debut_derive"), "02/01/1900");
  EXPECT_EQ(description.text("dossier_description"), home.path());
  EXPECT_FALSE(description.modified());
}

TEST_F(DescriptionFileTest, WhatTheWriterWritesReadsBackUnchanged) {
  description.assign("Edit_masque.text", "dat");
  // Values are read trimmed: the start-up editor name ends with a blank.
  description.assign("Edit_name_prog_blocnote.text", "notepad++.exe");
  description.assign("RadioGroup_methode_ItemIndex", "5");
  description.assign("CheckBox_recursif.Checked", "true");
  description.assign("Edit_NA.text", "°C manquant");
  description.assign("TimePicker_derive_reelle", "10:11:12");
  description.assign("dossier_choisi_sortie", "/sorties/");
  description.assign("dossier_choisi", "/mesures/");
  description.assign("dossier_description", dir.path());
  const std::string path = dir.file("rond.dsc");
  ASSERT_TRUE(write_description_file(path, description));

  DataDescription again;
  ASSERT_TRUE(read_description_file(path, again, ui).complete);
  for (const SettingInfo& info : settings_table())
    EXPECT_EQ(again.text(info.key), description.text(info.key)) << info.key;
}

TEST_F(DescriptionFileTest, ToleratesAnyOrderUnknownLinesAndNoBlankAfterEqual) {
  ASSERT_TRUE(
      read("ligne inconnue\r\n"
           "RadioGroup_methode_ItemIndex=3\r\n"
           "autre_cle= 12\r\n"
           "edit_MASQUE.TEXT=txt\r\n"
           "\r\n"
           "Edit_NA.text=   -9999   \r\n"));
  EXPECT_EQ(description.text("RadioGroup_methode_ItemIndex"), "3");
  EXPECT_EQ(description.text("Edit_masque.text"), "txt");
  EXPECT_EQ(description.text("Edit_NA.text"), "-9999");
  EXPECT_EQ(description.text("Edit_balise_deb.text"), "DATA");  // absent
}

struct ValueCase {
  const char* name;
  std::string line;
  std::string key;
  std::string expected;
};

class DescriptionValueTest : public DescriptionFileTest, public ::testing::WithParamInterface<ValueCase> {};

TEST_P(DescriptionValueTest, ReadsTheValue) {
  ASSERT_TRUE(read(GetParam().line + "\r\n"));
  EXPECT_EQ(description.text(GetParam().key), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, DescriptionValueTest,
    ::testing::Values(
        ValueCase{"TrueInCapitalsIsFalse", "CheckBox_recursif.Checked= TRUE", "CheckBox_recursif.Checked",
                  "false"},
        ValueCase{"TrueCapitalisedIsFalse", "CheckBox_recursif.Checked= True", "CheckBox_recursif.Checked",
                  "false"},
        ValueCase{"ExactTrue", "CheckBox_recursif.Checked= true", "CheckBox_recursif.Checked", "true"},
        ValueCase{"ValueStopsAtNextEqual", "Edit_new_desc_colonne.text= a=b", "Edit_new_desc_colonne.text",
                  "a"},
        ValueCase{"TabsAreKept", "Edit_NA.text= \tNA\t ", "Edit_NA.text", "\tNA\t"},
        ValueCase{"BlankBeforeEqualDoesNotMatch", "Edit_NA.text = x", "Edit_NA.text", ""},
        ValueCase{"Utf8AccentsRepaired", "Edit_NA.text= temp\xC3\xA9rature \xC2\xB0", "Edit_NA.text",
                  "temp\xE9rature \xB0"},
        ValueCase{"FirstLineOfAKeyWins", "Edit_NA.text= un\r\nEdit_NA.text= deux", "Edit_NA.text", "un"},
        ValueCase{"ChoiceNormalised", "RadioGroup_methode_ItemIndex= +02", "RadioGroup_methode_ItemIndex",
                  "2"},
        ValueCase{"AbsoluteFolderGetsFinalSlash", "dossier_choisi_sortie= /sorties", "dossier_choisi_sortie",
                  "/sorties/"},
        ValueCase{"EmptyFolderStaysEmpty", "dossier_choisi_sortie= ", "dossier_choisi_sortie", ""},
        ValueCase{"WindowsFolderLeftAsItStands", "dossier_choisi_sortie= D:\\mesures\\",
                  "dossier_choisi_sortie", "D:\\mesures\\/"},
        ValueCase{"TimePickerKeepsTimeOfDay", "TimePicker_decalage= 1:05:00", "TimePicker_decalage",
                  "01:05:00"},
        ValueCase{"TimePickerUnreadable", "TimePicker_decalage= demain", "TimePicker_decalage", "00:00:00"},
        ValueCase{"DatePickerAtMidnight", "DateTimePicker_debut_derive= 03/02/2021 00:00:00",
                  "DateTimePicker_debut_derive", "03/02/2021"},
        ValueCase{"DatePickerWithTime", "DateTimePicker_debut_derive= 3/2/2021 7:08:09",
                  "DateTimePicker_debut_derive", "03/02/2021 07:08:09"},
        ValueCase{"DatePickerNotACalendarDate", "DateTimePicker_debut_derive= 31/02/2021",
                  "DateTimePicker_debut_derive", "02/01/1900"}),
    [](const auto& param_info) { return std::string(param_info.param.name); });

TEST_F(DescriptionFileTest, Utf8ByteOrderMarkDoesNotHideTheFirstKey) {
  ASSERT_TRUE(
      read("\xEF\xBB\xBF"
           "CheckBox_aide_flottante.Checked= true\r\nEdit_NA.text= d\xC3\xA9\r\n"));
  EXPECT_TRUE(description.checked("CheckBox_aide_flottante.Checked"));
  EXPECT_EQ(description.text("Edit_NA.text"), "d\xE9");
}

TEST_F(DescriptionFileTest, ChoiceThatIsNoIntegerStopsTheRead) {
  description.assign("Edit_nb_decimale.text", "avant");
  // The mask comes before the separator in the reading order, the decimals
  // after it.
  EXPECT_FALSE(
      read("Edit_masque.text= txt\r\n"
           "RadioGroup_separateur_colonne_ItemIndex= x\r\n"
           "Edit_nb_decimale.text= 4\r\n"));
  ASSERT_EQ(ui.texts(), std::vector<std::string>{"'x' n'est pas une valeur entière correcte"});
  EXPECT_EQ(description.text("Edit_masque.text"), "txt");
  EXPECT_EQ(description.text("Edit_nb_decimale.text"), "avant");
}

TEST_F(DescriptionFileTest, RelativeFoldersResolveAgainstTheDescriptionFolder) {
  const std::string path = dir.write("desc/station.dsc",
                                     "dossier_choisi= ./data\r\n"
                                     "dossier_choisi_sortie= ../out/\r\n"
                                     "dossier_description= .\\\r\n");
  ASSERT_TRUE(read_description_file(path, description, ui).complete);
  EXPECT_EQ(description.text("dossier_choisi"), dir.path() + "desc/data/");
  EXPECT_EQ(description.text("dossier_choisi_sortie"), dir.path() + "out/");
  EXPECT_EQ(description.text("dossier_description"), dir.path() + "desc/");
}

TEST_F(DescriptionFileTest, RelativeFoldersStayRelativeWhileTheyNameTheSameFolder) {
  const std::string bytes =
      "dossier_choisi= ./data/\r\n"
      "dossier_choisi_sortie= ../out/\r\n";
  const std::string path = dir.write("desc/station.dsc", bytes);
  ASSERT_TRUE(read_description_file(path, description, ui).complete);
  description.set_text("dossier_choisi_sortie", "/ailleurs/");
  ASSERT_TRUE(write_description_file(path, description));

  const auto lines = lines_of(read_bytes(path));
  EXPECT_EQ(lines[16], "dossier_choisi= ./data/");
  EXPECT_EQ(lines[15], "dossier_choisi_sortie= /ailleurs/");
}

TEST_F(DescriptionFileTest, MovedDescriptionKeepsItsRelativeDataFolder) {
  const std::string first = dir.write("a/station.dsc", "dossier_choisi= ./data/\r\n");
  ASSERT_TRUE(read_description_file(first, description, ui).complete);
  // The whole set is copied elsewhere and read from there.
  const std::string moved = dir.write("b/station.dsc", read_bytes(first));
  ASSERT_TRUE(read_description_file(moved, description, ui).complete);
  EXPECT_EQ(description.text("dossier_choisi"), dir.path() + "b/data/");
  ASSERT_TRUE(write_description_file(moved, description));
  EXPECT_EQ(lines_of(read_bytes(moved))[16], "dossier_choisi= ./data/");
}

TEST_F(DescriptionFileTest, AbsentDataFolderIsTheDescriptionFolderAndStaysPortable) {
  const std::string path = dir.write("station.dsc", "Edit_NA.text= x\r\n");
  ASSERT_TRUE(read_description_file(path, description, ui).complete);
  EXPECT_EQ(description.text("dossier_choisi"), dir.path());
  ASSERT_TRUE(write_description_file(path, description));
  EXPECT_EQ(lines_of(read_bytes(path))[16], "dossier_choisi= ./");
}

TEST_F(DescriptionFileTest, MissingFileIsNotOpened) {
  const auto result = read_description_file(dir.file("absent.dsc"), description, ui);
  EXPECT_FALSE(result.opened);
  EXPECT_EQ(description.text("Edit_masque.text"), "csv");
}

}  // namespace
}  // namespace talve
