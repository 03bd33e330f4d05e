// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/date_pattern_fields.h"

#include <gtest/gtest.h>

namespace talve {
namespace {

struct Case {
  PatternFieldText (*correct)(std::string_view);
  const char* typed;
  const char* corrected;
  bool warning;
};

class PatternFieldExit : public ::testing::TestWithParam<Case> {};

TEST_P(PatternFieldExit, CorrectsTheTextAndWarnsAboutFourM) {
  const Case& c = GetParam();
  const PatternFieldText out = c.correct(c.typed);
  EXPECT_EQ(out.text, c.corrected) << c.typed;
  EXPECT_EQ(out.four_m_warning, c.warning) << c.typed;
}

INSTANTIATE_TEST_SUITE_P(
    Fields, PatternFieldExit,
    ::testing::Values(Case{correct_datetime_pattern, " aaaa/mm/jj hh;mm;ss ", "aaaa/mm/jjhh:mn:ss", false},
                      Case{correct_datetime_pattern, "aaaa_mm_jj_hh_mm_ss", "aaaa_mm_jj_hh_mm_ss", true},
                      Case{correct_datetime_pattern, "aaaa_mm_jj_hh_mn_ss", "aaaa_mm_jj_hh_mn_ss", false},
                      Case{correct_datetime_pattern, "hh:mm hh:mm", "hh:mnhh:mm", false},
                      Case{correct_datetime_pattern, "aaaa.mm.jj", "aaaa.mm.jj", false},
                      Case{correct_date_pattern, "aaaa_mm_jj hh:mm", "aaaa_mm_jj", false},
                      Case{correct_date_pattern, "aaaa_mm_jj_hh_mm", "aaaa_mm_jj_hh_mm", false},
                      Case{correct_date_pattern, "jj;mm;aaaa", "jj:mm:aaaa", false},
                      Case{correct_file_date_pattern, "aaaa.mm.jj,3", "aaaa,mm,jj,3", false},
                      Case{correct_file_date_pattern, "20aammjjhhmmss", "20aammjjhhmmss", true},
                      Case{correct_file_date_pattern, "2, 3 ;hh:mm", "2,3:hh:mn", false}));

TEST(PatternFieldExit, WarningText) {
  EXPECT_EQ(four_m_warning_text(),
            " il y a 4 \"m\", vérifier que les minutes soient \"mn\" et non \"mm\" comme les mois !");
}

TEST(PatternPickers, EntriesInOrderAndSizes) {
  const PatternPicker& dt = date_time_picker();
  EXPECT_EQ(dt.list, "ListBox_date_heure");
  EXPECT_EQ(dt.entries,
            (std::vector<std::string>{
                "aaaa_mm_jj_hh_mn_ss", "jj_mm_aaaa_hh_mn_ss", "jj_mm_20aa_hh_mn_ss", "mm_jj_aaaa_hh_mn_ss",
                "19aa_mm_jj_hh_mn_ss", "20aa_mm_jj_hh_mn_ss", "jj_mm_aaaa", "jj/mm/aaaa OU aaaa/mm/jj",
                "mm/dd/yyyy OU yyyy/dd/mm", "multiformat_dt_mini_1èreUE", "multiformat_dt_mini_1èreUS",
                "aaaa_mm_jjThh_mn_sszzzzzz", "mm_jj_ee_hh_mn_ss_pp   (10/02/13 06:00:00 PM)",
                "jj_mm_ee_hh_mn_ss   (ee : 69-99 = 19.., 00-68 = 20..)",
                "aaaa_qqq_hhmn   (année, jour de l'année, HHMM)", "aaaammjjhhmn   (202406151200)",
                "aaaammjj   (date seule : 20240615)", "mmjjee   (date seule : 100110)",
                "uuuuuuuuuu   (temps Unix, secondes depuis 1970)"}));
  EXPECT_EQ(dt.height, 352);
  EXPECT_EQ(dt.width, 330);
  EXPECT_EQ(date_picker().entries,
            (std::vector<std::string>{"aaaa_mm_jj", "jj_mm_aaaa", "mm_jj_aaaa", "20aa_mm_jj", "aaaammjj",
                                      "jjmmaaaa", "aaaa_qqq   (jour de l'année)",
                                      "mm_jj_ee   (ee : 69-99 = 19.., 00-68 = 20..)"}));
  EXPECT_EQ(date_picker().height, 160);
  EXPECT_EQ(date_picker().width, 250);
  EXPECT_EQ(time_picker().entries,
            (std::vector<std::string>{"hh_mn_ss", "hh_mn", "hh_mn_ss.s", "hhmn   (2200, ou 5 pour 00:05)",
                                      "hh   (heure seule, 1 à 24)", "hh_mn_ss_pp   (06:00:00 PM)"}));
  EXPECT_EQ(time_picker().height, 128);
  EXPECT_EQ(time_picker().width, 230);
}

TEST(PatternPickers, SelectionAndPickedText) {
  EXPECT_EQ(picker_index_of(date_time_picker(), "multiformat_dt_mini_1èreUS"), 10);
  EXPECT_EQ(picker_index_of(date_picker(), "aaaa_mm_jj hh"), -1);
  EXPECT_EQ(picker_index_of(time_picker(), "hhmn"), 3);
  EXPECT_EQ(picked_text("jj/mm/aaaa OU aaaa/mm/jj"), "jj/mm/aaaa OU aaaa/mm/jj");
  EXPECT_EQ(picked_text(" aaaa_mm_jj (ISO) "), "aaaa_mm_jj");
  EXPECT_EQ(picked_text("(rien)"), "");
}

}  // namespace
}  // namespace talve
