// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/setting_help.h"

#include <gtest/gtest.h>

#include <string>

#include "core/settings_table.h"

namespace talve {
namespace {

// Every key a description file can hold is explained, and the groups of
// the settings table each open with a heading.
TEST(SettingHelp, EveryKeyOfTheSettingsTableIsExplained) {
  int sections = 0;
  for (const SettingInfo& info : settings_table()) {
    const SettingHelp* help = setting_help(info.key);
    ASSERT_NE(help, nullptr) << info.key;
    EXPECT_EQ(help->key, info.key);
    EXPECT_FALSE(help->meaning.empty()) << info.key;
    if (!help->section.empty()) ++sections;
  }
  EXPECT_FALSE(setting_help(settings_table()[0].key)->section.empty());
  EXPECT_EQ(sections, 9);
  EXPECT_EQ(setting_help("Cle_inconnue"), nullptr);
}

}  // namespace
}  // namespace talve
