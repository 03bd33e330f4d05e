// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "text/ascii.h"

namespace talve {
namespace {

TEST(SettingsTable, HoldsSixtyFiveDistinctKeys) {
  const auto table = settings_table();
  ASSERT_EQ(table.size(), 65u);
  std::set<std::string> keys;
  for (const auto& info : table) {
    EXPECT_FALSE(info.key.empty());
    keys.insert(upper_ascii(info.key));
  }
  EXPECT_EQ(keys.size(), 65u);
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
