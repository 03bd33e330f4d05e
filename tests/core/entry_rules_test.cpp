// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/entry_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/data_description.h"
#include "support/scripted_interface.h"

namespace talve {
namespace {

using testing::ScriptedInterface;

struct ColumnListCase {
  const char* name;
  std::string typed;
  int date_layout;  // 0 one column, 1 two columns
  bool extraction;
  std::string expected;
  bool modified;
  bool warned;
  const char* datetime_columns = "1";  // `Edit_num_col_datetime`
};

class ColumnListRule : public ::testing::TestWithParam<ColumnListCase> {};

TEST_P(ColumnListRule, CleansTheListAndDropsDateColumns) {
  const auto& c = GetParam();
  DataDescription description;
  ScriptedInterface ui;
  description.assign("Edit_col_cochee.text", c.typed);
  description.assign("RadioGroup_datetime_nb_col_ItemIndex", std::to_string(c.date_layout));
  description.assign("Edit_num_col_datetime.text", c.datetime_columns);
  description.assign("Edit_num_col_date.text", "2");
  description.assign("Edit_num_col_time.text", "3");
  description.assign("CheckBox_col_cochee.Checked", c.extraction ? "true" : "false");

  apply_col_cochee_rule(description, ui);
  EXPECT_EQ(description.text("Edit_col_cochee.text"), c.expected);
  EXPECT_EQ(description.modified(), c.modified);
  if (c.warned) {
    EXPECT_EQ(ui.texts(), std::vector<std::string>{
                              " Il a fallu enlever le n° de la colonne date/time de la liste des colonnes "
                              "à extraire\n\n  de <" +
                              c.typed + ">\n\n   à <" + c.expected + ">"});
  } else {
    EXPECT_TRUE(ui.boxes.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ColumnListRule,
    ::testing::Values(
        ColumnListCase{"CleanedSeparators", "4;5. 6", 0, true, "4,5,6", true, false},
        ColumnListCase{"AlreadyClean", "4,5,6", 0, true, "4,5,6", false, false},
        ColumnListCase{"FinalCommaDropped", "4,5,", 0, false, "4,5", true, false},
        ColumnListCase{"OneDoubleCommaCollapsed", "4,,,5", 0, false, "4,,5", true, false},
        ColumnListCase{"DateColumnWarnsWithExtraction", "1,4,5", 0, true, "4,5", true, true},
        ColumnListCase{"DateColumnSilentWithoutExtraction", "1,4,5", 0, false, "4,5", true, false},
        ColumnListCase{"TwoColumnDatesDropped", "2,1,3,7", 1, true, "1,7", true, true},
        ColumnListCase{"EmptyList", "", 0, true, "", false, false},
        // A date over columns 2, 3 and 4: all three are dropped.
        ColumnListCase{"DateOverSeveralColumnsDropped", "1,2,3,4,5", 0, true, "1,5", true, true, "2+3+4"}),
    [](const auto& param_info) { return std::string(param_info.param.name); });

struct PatternCase {
  const char* name;
  bool date_only;
  std::string typed;
  std::string expected;
  bool warned;
};

class PatternRule : public ::testing::TestWithParam<PatternCase> {};

TEST_P(PatternRule, LeavingAPatternFieldCorrectsIt) {
  const auto& c = GetParam();
  DataDescription description;
  ScriptedInterface ui;
  const std::string key =
      c.date_only ? "Edit_format_date_mesure_seule.text" : "Edit_format_datetime_mesure.text";
  description.assign(key, c.typed);
  ui.visible["ListBox_date_heure"] = true;
  if (c.date_only)
    leave_date_pattern(description, ui);
  else
    leave_datetime_pattern(description, ui);
  EXPECT_EQ(description.text(key), c.expected);
  EXPECT_TRUE(description.modified());
  EXPECT_FALSE(ui.visible["ListBox_date_heure"]);
  if (c.warned)
    EXPECT_EQ(ui.texts(),
              std::vector<std::string>{" il y a 4 \"m\", vérifier que les minutes soient \"mn\" et non "
                                       "\"mm\" comme les mois !"});
  else
    EXPECT_TRUE(ui.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PatternRule,
    ::testing::Values(
        PatternCase{"MinutesWrittenMm", false, "aaaa_mm_jj_hh:mm_ss", "aaaa_mm_jj_hh:mn_ss", false},
        PatternCase{"FourMWarns", false, "aaaa_mm_jj_hh_mm_ss", "aaaa_mm_jj_hh_mm_ss", true},
        PatternCase{"BlanksAndSemicolons", false, "jj/mm/aaaa hh;mn;ss", "jj/mm/aaaahh:mn:ss", false},
        PatternCase{"DateLosesItsTime", true, "jj/mm/aaaa hh:mm", "jj/mm/aaaa", false}),
    [](const auto& param_info) { return std::string(param_info.param.name); });

// A pattern that reads no date used to give every line 01/01/1900: leaving
// the field that makes the pattern in force dateless says it is refused.
TEST(PatternRule, PatternWithoutADateIsRefusedOnLeaving) {
  struct Case {
    bool two_columns;
    bool date_field;
    const char* date_time;
    const char* date;
    const char* time;
    bool refused;
  };
  const Case cases[] = {
      {false, false, "zz", "aaaa_mm_jj", "hh_mn_ss", true},
      {false, false, "hh:mn:ss", "aaaa_mm_jj", "hh_mn_ss", false},
      {false, false, "aaaa_mm_jj_hh_mn_ss", "zz", "hh_mn_ss", false},
      // The date column's pattern is not in force with one date column.
      {false, true, "aaaa_mm_jj_hh_mn_ss", "zz", "hh_mn_ss", false},
      {true, true, "aaaa_mm_jj_hh_mn_ss", "mm_jj", "hh_mn_ss", true},
      {true, true, "zz", "jj/mm/aaaa", "hh_mn", false},
      // The time field's exit corrects the date-time field and checks the
      // pattern in force.
      {true, false, "aaaa_mm_jj_hh_mn_ss", "hh:mn", "hh_mn_ss", true},
  };
  for (const Case& c : cases) {
    DataDescription description;
    ScriptedInterface ui;
    description.assign("RadioGroup_datetime_nb_col_ItemIndex", c.two_columns ? "1" : "0");
    description.assign("Edit_format_datetime_mesure.text", c.date_time);
    description.assign("Edit_format_date_mesure_seule.text", c.date);
    description.assign("Edit_format_time_mesure_seul.text", c.time);
    if (c.date_field)
      leave_date_pattern(description, ui);
    else
      leave_datetime_pattern(description, ui);
    const std::string in_force = date_pattern_in_force(description);
    if (c.refused) {
      EXPECT_EQ(ui.texts(),
                std::vector<std::string>{" Format refusé : le format de date <" + in_force +
                                         "> ne contient pas de date : il lui faut l'année (aaaa "
                                         "ou aa), le mois (mm) et le jour (jj), ou une heure seule "
                                         "(hh_mn_ss)\n\n aucune date ne pourrait être lue : "
                                         "corriger le format avant de lister ou de traiter"})
          << in_force;
      EXPECT_EQ(ui.boxes.at(0).type, MessageType::Warning);
    } else {
      EXPECT_TRUE(ui.boxes.empty()) << in_force;
    }
  }
}

struct EquivalenceCase {
  const char* name;
  std::string typed;
  std::string expected;
  bool warned;
};

class EquivalenceRule : public ::testing::TestWithParam<EquivalenceCase> {};

TEST_P(EquivalenceRule, TurnsASeparatingCommaIntoSemicolon) {
  const auto& c = GetParam();
  DataDescription description;
  ScriptedInterface ui;
  description.assign("Edit_equiv_na.text", c.typed);
  apply_equiv_na_rule(description, ui);
  EXPECT_EQ(description.text("Edit_equiv_na.text"), c.expected);
  if (c.warned)
    EXPECT_EQ(ui.texts(),
              std::vector<std::string>{
                  "seules les 7 première équivalences seront prises en compte\n\n   en restreindre "
                  "le nombre..."});
  else
    EXPECT_TRUE(ui.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EquivalenceRule,
    ::testing::Values(EquivalenceCase{"SeparatingComma", "NA,-1", "NA,-1", false},
                      EquivalenceCase{"CommaBeforeLetter", "NA,vide;-1", "NA;vide;-1", false},
                      EquivalenceCase{"DecimalCommaKept", "-99999,5;NA", "-99999,5;NA", false},
                      EquivalenceCase{"OnlyTheFirstComma", "a,b,c", "a;b,c", false},
                      EquivalenceCase{"FinalCommaKept", "NA;", "NA;", false},
                      EquivalenceCase{"LastCharacterComma", "NA,", "NA,", false},
                      EquivalenceCase{"SevenSeparatorsWarn", "a;b;c;d;e;f;g;h", "a;b;c;d;e;f;g;h", true},
                      EquivalenceCase{"SixSeparatorsSilent", "a;b;c;d;e;f;g", "a;b;c;d;e;f;g", false}),
    [](const auto& param_info) { return std::string(param_info.param.name); });

struct DataLineCase {
  const char* name;
  int titles;  // 0 "avec", 1 "sans"
  std::string title_line;
  std::string typed;
  bool accepted;
};

class DataLineRule : public ::testing::TestWithParam<DataLineCase> {};

TEST_P(DataLineRule, DataLineComesAfterTitles) {
  const auto& c = GetParam();
  DataDescription description;
  ScriptedInterface ui;
  description.assign("RadioGroup_avec_sans_intitule_ItemIndex", std::to_string(c.titles));
  description.assign("Edit_num_ligne_intitule_col.text", c.title_line);
  EXPECT_EQ(confirm_data_line(description, c.typed, ui), c.accepted);
  EXPECT_EQ(description.text("Edit_num_ligne_donnee.text"), c.typed);
  EXPECT_EQ(description.modified(), c.accepted);
  if (c.accepted)
    EXPECT_TRUE(ui.boxes.empty());
  else
    EXPECT_EQ(ui.texts(),
              std::vector<std::string>{" la valeur " + c.typed +
                                       " n'est pas valide comme n° de ligne de donnée par rapport à "
                                       "celui de l'intitulés de colonnes : " +
                                       c.title_line + " ..."});
}

INSTANTIATE_TEST_SUITE_P(Cases, DataLineRule,
                         ::testing::Values(DataLineCase{"AfterTitles", 0, "3", "4", true},
                                           DataLineCase{"OnTitles", 0, "3", "3", false},
                                           DataLineCase{"BeforeTitles", 0, "10", "9", false},
                                           DataLineCase{"NumericNotTextual", 0, "9", "10", true},
                                           DataLineCase{"NoTitlesAnyLine", 1, "5", "1", true},
                                           DataLineCase{"NoTitlesZeroNeedsPositive", 1, "0", "0", false},
                                           DataLineCase{"NoTitlesZeroLineOne", 1, "0", "1", true}),
                         [](const auto& param_info) { return std::string(param_info.param.name); });

TEST(DataLineRule, RefusalLeavesAnEarlierModifiedFlagSet) {
  DataDescription description;
  ScriptedInterface ui;
  description.mark_modified();
  description.assign("Edit_num_ligne_intitule_col.text", "5");
  EXPECT_FALSE(confirm_data_line(description, "2", ui));
  EXPECT_TRUE(description.modified());
}

TEST(MaskRule, StarAndPointCannotBeTypedAndPppDoesNotModify) {
  EXPECT_FALSE(mask_accepts_key('*'));
  EXPECT_FALSE(mask_accepts_key('.'));
  EXPECT_TRUE(mask_accepts_key('c'));

  DataDescription description;
  change_mask(description, "ppp");
  EXPECT_EQ(description.text("Edit_masque.text"), "ppp");
  EXPECT_FALSE(description.modified());
  change_mask(description, "txt");
  EXPECT_TRUE(description.modified());
}

TEST(MaskRule, InputModeFollowsTheMask) {
  EXPECT_EQ(input_mode_for_mask("xlsx"), InputMode::Spreadsheet);
  // LibreOffice's own workbooks are read as the other workbooks are.
  EXPECT_EQ(input_mode_for_mask("ods"), InputMode::Spreadsheet);
  EXPECT_EQ(input_mode_for_mask("fods"), InputMode::Spreadsheet);
  EXPECT_EQ(input_mode_for_mask("ppp"), InputMode::Clipboard);
  EXPECT_EQ(input_mode_for_mask("*.csV"), InputMode::Files);
}

TEST(NewTitlesRule, DoubleClickOffersTheOriginalTitles) {
  DataDescription description;
  ScriptedInterface ui;
  description.assign("Edit_new_desc_colonne.text", "a;b");
  ui.answer(Answer::No).answer(Answer::Yes);
  EXPECT_FALSE(offer_original_titles(description, "Date\tT", ui));
  EXPECT_EQ(description.text("Edit_new_desc_colonne.text"), "a;b");
  EXPECT_TRUE(offer_original_titles(description, "Date\tT", ui));
  EXPECT_EQ(description.text("Edit_new_desc_colonne.text"), "Date\tT");
  EXPECT_TRUE(description.modified());
  EXPECT_EQ(ui.boxes[0].text,
            " récupérer l'intitulé de colonne d'orignine ?\n<Date\tT>\nen place de :\n<a;b>");
  EXPECT_EQ(ui.boxes[0].buttons, kYesNo);
}

TEST(ExclusiveSettings, OffsetSignAndDerivedSeries) {
  DataDescription description;
  choose_offset_sign(description, false);
  EXPECT_FALSE(description.checked("RadioButton_decalage_positif.Checked"));
  EXPECT_TRUE(description.checked("RadioButton_decalage_negatif.Checked"));
  EXPECT_TRUE(description.modified());
  choose_offset_sign(description, true);
  EXPECT_TRUE(description.checked("RadioButton_decalage_positif.Checked"));
  EXPECT_FALSE(description.checked("RadioButton_decalage_negatif.Checked"));

  check_delta_y(description, true);
  check_derivees(description, true);
  EXPECT_FALSE(description.checked("CheckBox_delta_Y.Checked"));
  EXPECT_TRUE(description.checked("CheckBox_derivees.Checked"));
  check_delta_y(description, true);
  EXPECT_TRUE(description.checked("CheckBox_delta_Y.Checked"));
  EXPECT_FALSE(description.checked("CheckBox_derivees.Checked"));
  check_delta_y(description, false);
  EXPECT_FALSE(description.checked("CheckBox_derivees.Checked"));
}

}  // namespace
}  // namespace talve
