// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/column_preview.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/data_description.h"

namespace talve {
namespace {

struct PreviewCase {
  const char* name;
  bool extraction;
  std::string list;
  bool alternative;
  std::string alternative_titles;
  int separator;  // 0 tabulation ... 3 virgule
  std::string original;
  std::optional<std::string> expected;
  bool quoted = false;  // `CheckBox_guillemets`
};

class ColumnPreview : public ::testing::TestWithParam<PreviewCase> {};

TEST_P(ColumnPreview, NamesTheExtractedColumns) {
  const auto& c = GetParam();
  DataDescription description;
  description.assign("CheckBox_col_cochee.Checked", c.extraction ? "true" : "false");
  description.assign("Edit_col_cochee.text", c.list);
  description.assign("CheckBox_int_col_alternatif.Checked", c.alternative ? "true" : "false");
  description.assign("Edit_new_desc_colonne.text", c.alternative_titles);
  description.assign("RadioGroup_separateur_colonne_ItemIndex", std::to_string(c.separator));
  description.assign("CheckBox_guillemets.Checked", c.quoted ? "true" : "false");
  EXPECT_EQ(column_title_preview(description, c.original), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ColumnPreview,
    ::testing::Values(
        PreviewCase{"ExtractionOff", false, "2,3", false, "", 2, "Date;T;H", "---"},
        PreviewCase{"SemicolonTitles", true, "2,4", false, "", 2, "Date;T;H;P", "=> T | P"},
        PreviewCase{"TabTitles", true, "3", false, "", 0, "Date\tT\tH", "=> H"},
        PreviewCase{"CommaTitlesKeepOrder", true, "4,2", false, "", 3, "Date,T,H,P", "=> P | T"},
        PreviewCase{"AlternativeTitles", true, "2,3", true, "t;temp;hum", 2, "Date;T;H", "=> temp | hum"},
        PreviewCase{"BlankAlignedTitles", true, "2,3", false, "", 1, "Date     Temp     Hum",
                    "=> Temp | Hum"},
        PreviewCase{"ColumnWithoutTitle", true, "2,9", false, "", 2, "Date;T", "=> T | ?"},
        PreviewCase{"ListBeingTyped", true, "2,", false, "", 2, "Date;T;H", std::nullopt},
        PreviewCase{"EmptyList", true, "", false, "", 2, "Date;T;H", std::nullopt},
        PreviewCase{"QuotedTitlesHoldingCommas", true, "3,4", false, "", 3,
                    R"x("#","Time, GMT+01:00","Temp, °C()","RH, %()")x", "=> Temp, °C() | RH, %()", true},
        PreviewCase{"QuotedTitlesOfATabFile", true, "2", false, "", 0, R"("Date";"T; min")", "=> T; min", true}),
    [](const ::testing::TestParamInfo<PreviewCase>& param) {
    return std::string(param.param.name); });

}  // namespace
}  // namespace talve
