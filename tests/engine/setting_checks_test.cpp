// SPDX-License-Identifier: GPL-3.0-or-later
// Settings a run cannot use are replaced for the run, and the user is told
// which key held what and which value the run took instead.
#include "engine/setting_checks.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine_run_fixture.h"

namespace talve {
namespace {

using testing::EngineRun;
using testing::regular_grid;
using Lines = std::vector<std::string>;

TEST(SettingChecks, UnusableSettingsAreToldWithTheValueUsed) {
  struct Case {
    const char* key;
    const char* value;
    const char* allowed;  // nullptr: usable, nothing told
    const char* used;
  };
  const Case cases[] = {
      {"Edit_nb_decimale.text", "100000", "0 à 50", "2"},
      {"Edit_nb_decimale.text", "beaucoup", "0 à 50", "2"},
      {"Edit_nb_decimale.text", "-1", "0 à 50", "2"},
      {"Edit_nb_decimale.text", " 50 ", nullptr, nullptr},
      {"Edit_nb_decimale.text", "", nullptr, nullptr},
      {"RadioGroup_methode_ItemIndex", "17", "0 à 5", "0 (moyenne des n mesures OK)"},
      {"RadioGroup_methode_ItemIndex", "5", nullptr, nullptr},
      {"RadioGroup_datetime_nb_col_ItemIndex", "2", "0 à 1", "0 (1 colonne)"},
      {"RadioGroup_separateur_sortie_ItemIndex", "-3", "0 à 3", "0 (tabulation)"},
      {"RadioGroup_DECIMAL_SEPARATOR_sortie_ItemIndex", "virgule", "0 à 1", "0 (virgule)"},
      {"Edit_nmax_lacune.text", "cinq", "un entier positif ou nul", "3"},
      {"Edit_nmax_lacune.text", "-2", "un entier positif ou nul", "3"},
      {"Edit_nmax_lacune.text", "0", nullptr, nullptr},
      // A bound that does not read was taken as 0 without a word.
      {"Edit_min_na.text", "moins cinquante", "un nombre, ou rien pour aucune borne", "0"},
      {"Edit_max_na.text", " ", "un nombre, ou rien pour aucune borne", "0"},
      {"Edit_min_na.text", " -50,5 ", nullptr, nullptr},
      {"Edit_max_na.text", "1e3", nullptr, nullptr},
  };
  for (const Case& c : cases) {
    EngineRun run;
    run.set("CheckBox_post_traitement.Checked", "true");
    run.set(c.key, c.value);
    run.add_file("a.csv", {"date;v", "07/11/2021 00:10:00;1", "07/11/2021 00:20:00;2"});
    ASSERT_TRUE(run.run(regular_grid("07/11/2021 00:00:00", 900, 3), 1, "date\tv")) << c.key;
    if (c.allowed == nullptr) {
      EXPECT_TRUE(run.ui.boxes.empty()) << c.key << " " << c.value;
      continue;
    }
    const std::string key = c.key, value = c.value, allowed = c.allowed, used = c.used;
    ASSERT_EQ(run.ui.boxes.size(), 1u) << key << " " << value;
    EXPECT_EQ(run.ui.boxes[0].type, MessageType::Warning);
    EXPECT_EQ(run.ui.boxes[0].text,
              " Réglages hors des valeurs possibles, remplacés pour ce traitement :\n\n   " + key + " = <" +
                  value + ">  (" + allowed + ")\n       => valeur utilisée : " + used + "\n");
    const std::string line = " !!! " + key + " = <" + value + "> hors des valeurs possibles (" + allowed +
                             "), valeur utilisée : " + used;
    EXPECT_NE(std::find(run.ui.tracking.begin(), run.ui.tracking.end(), line), run.ui.tracking.end()) << line;
  }
}

TEST(SettingChecks, RunTakesTheValuesItTold) {
  EngineRun run;
  run.set("Edit_nb_decimale.text", "beaucoup");
  run.set("RadioGroup_methode_ItemIndex", "17");
  run.set("RadioGroup_separateur_sortie_ItemIndex", "9");
  run.set("RadioGroup_DECIMAL_SEPARATOR_sortie_ItemIndex", "4");
  run.add_file("a.csv", {"date;v", "07/11/2021 00:10:00;1", "07/11/2021 00:12:00;2"});
  ASSERT_TRUE(run.run(regular_grid("07/11/2021 00:00:00", 900, 2), 1, "date\tv"));
  // Two decimals, the mean, TAB between the columns, a comma for the mark.
  EXPECT_EQ(run.result[1], "07/11/2021 00:15:00\t 1,50\t2");
  ASSERT_EQ(run.ui.boxes.size(), 1u);
  for (const char* key :
       {"Edit_nb_decimale.text", "RadioGroup_methode_ItemIndex", "RadioGroup_separateur_sortie_ItemIndex",
        "RadioGroup_DECIMAL_SEPARATOR_sortie_ItemIndex"})
    EXPECT_NE(run.ui.boxes[0].text.find(key), std::string::npos) << key;
}

}  // namespace
}  // namespace talve
