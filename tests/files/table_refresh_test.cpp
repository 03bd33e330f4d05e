// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/table_refresh.h"

#include <gtest/gtest.h>

#include "core/workspace.h"
#include "files/file_table.h"
#include "support/scripted_interface.h"
#include "text/system_locale.h"

namespace talve {
namespace {

using testing::ScriptedInterface;

class TableRefresh : public ::testing::Test {
 protected:
  void SetUp() override { set_system_decimal_separator(','); }

  void add(const std::string& name, const std::string& size, const std::string& date = "") {
    const int row = table.add_row();
    table.ecrire_case(row, "fichier", name);
    table.ecrire_case(row, "taille (Mo)", size);
    table.ecrire_case(row, "date_NOM_Fichier", date);
  }

  ScriptedInterface ui;
  Workspace ws{ui};
  FileTable table;
  FileTableState state;
};

TEST_F(TableRefresh, TotalsAndFileNameDatesAreComputedAgain) {
  ws.description.assign("Edit_f_date_fichier.text", "aaaammjj,2");
  add("st_20210305.csv", " 0,5", "stale");
  add("st_20201231.csv", " 1,25");
  add("st_nodate.csv", " 0");
  state.current_row = 3;
  rafraichir_tableau(ws, table, state);
  EXPECT_EQ(ui.captions["Label_nb_fic"], "3  fichiers");
  EXPECT_EQ(ui.captions["Label8"], "taille totale 1,75 Mo");
  EXPECT_EQ(table.lire_case(1, "date_NOM_Fichier"), "2021/03/05");
  EXPECT_EQ(table.lire_case(2, "date_NOM_Fichier"), "2020/12/31");
  EXPECT_EQ(table.lire_case(3, "date_NOM_Fichier"), "");
  EXPECT_EQ(ui.captions["Label_date_min"], "31/12/2020");
  EXPECT_EQ(ui.captions["Label_date_max"], "05/03/2021");
  EXPECT_EQ(state.bounds.min_colour, LabelColour::Blue);
  EXPECT_EQ(state.bounds.max_colour, LabelColour::Blue);
  EXPECT_EQ(ui.captions["Label_patienter"], "3- patienter ... 3 / 3");
  EXPECT_EQ(state.current_row, 1);
}

TEST_F(TableRefresh, OneRowOnlyCountsTheFiles) {
  add("a.csv", " 2");
  ui.captions["Label8"] = "avant";
  rafraichir_tableau(ws, table, state);
  EXPECT_EQ(ui.captions["Label_nb_fic"], "1  fichiers");
  EXPECT_EQ(ui.captions["Label8"], "avant");
}

TEST(DateBoundLabels, ColoursTellWhetherTheBoundsAreInOrder) {
  struct Case {
    TDateTime first, second, minimum_first, minimum_second;
    LabelColour first_colour, second_colour;
  };
  const Case cases[] = {
      {10, 20, 0, 0, LabelColour::Blue, LabelColour::Blue},
      {20, 10, 0, 0, LabelColour::Red, LabelColour::Red},
      {10, 10, 0, 0, LabelColour::Red, LabelColour::Red},
      {1, 20, 2, 3, LabelColour::Red, LabelColour::Blue},  // before 01/01/1900: not a date found
      {2, 2.5, 2, 3, LabelColour::Blue, LabelColour::Red},
  };
  for (const Case& c : cases) {
    const DateBoundLabels labels = date_bound_labels(c.first, c.second, c.minimum_first, c.minimum_second);
    EXPECT_EQ(labels.min_colour, c.first_colour) << c.first << " " << c.second;
    EXPECT_EQ(labels.max_colour, c.second_colour) << c.first << " " << c.second;
  }
}

}  // namespace
}  // namespace talve
