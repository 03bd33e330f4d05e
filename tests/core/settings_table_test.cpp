// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "text/ascii.h"

namespace talve {
namespace {

// The 65 keys every description file holds, and the keys added since,
// written only when in use; all distinct, whatever their letter case.
TEST(SettingsTable, HoldsSixtyFiveDistinctKeysAndTheAddedOnes) {
  const auto table = settings_table();
  std::set<std::string> keys;
  std::size_t always_written = 0;
  for (const auto& info : table) {
    EXPECT_FALSE(info.key.empty());
    keys.insert(upper_ascii(info.key));
    if (!info.written_when_set) ++always_written;
  }
  EXPECT_EQ(always_written, 65u);
  EXPECT_EQ(keys.size(), table.size());
  for (const char* added :
       {"Edit_methode_par_colonne.text", "Edit_taux_min.text", "CheckBox_marquer_origine.Checked",
        "CheckBox_guillemets.Checked"})
    EXPECT_TRUE(settings_table()[static_cast<std::size_t>(setting_index(added))].written_when_set) << added;
}

// Each setting but the chart viewer's two lists has a control of its own,
// and every folder label has a placeholder for when no folder is chosen.
TEST(SettingsTable, EverySettingButTheChartListsHasItsOwnControl) {
  std::set<std::string> controls;
  for (const auto& info : settings_table()) {
    const bool chart_list = info.key.starts_with("suite_coche_liste_graph");
    EXPECT_EQ(info.control.empty(), chart_list) << info.key;
    EXPECT_EQ(info.control_kind == ControlKind::None, chart_list) << info.key;
    EXPECT_EQ(info.control_kind == ControlKind::FolderLabel, info.kind == SettingKind::Folder) << info.key;
    EXPECT_EQ(!info.placeholder.empty(), info.kind == SettingKind::Folder) << info.key;
    if (!chart_list) {
      EXPECT_TRUE(controls.insert(std::string(info.control)).second) << info.control;
    }
  }
  EXPECT_EQ(folder_placeholder("dossier_description"), "répertoire description");
}

TEST(SettingsTable, LooksKeysUpWithAndWithoutCase) {
  EXPECT_GE(setting_index("Edit_masque.text"), 0);
  EXPECT_EQ(setting_index("edit_masque.TEXT"), -1);
  EXPECT_EQ(setting_index_nocase("edit_masque.TEXT"), setting_index("Edit_masque.text"));
  EXPECT_EQ(setting_index_nocase("Edit_masque.text "), -1);
}

TEST(SettingsTable, MethodCaptionsKeepTheirSpacing) {
  const auto methods = choice_captions("RadioGroup_methode_ItemIndex");
  ASSERT_EQ(methods.size(), 6u);
  EXPECT_EQ(methods[2], "max des n  mesures OK ");
  EXPECT_EQ(methods[4], "moy ET si vide = prec+suiv /2");
}

}  // namespace
}  // namespace talve
