// SPDX-License-Identifier: GPL-3.0-or-later
// The columns' own methods and the minimum share of measurements, as typed
// into their fields and as kept in the description file.
#include "core/column_methods.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/data_description.h"
#include "core/description_file.h"
#include "core/entry_rules.h"
#include "support/scripted_interface.h"
#include "support/temp_dir.h"

namespace talve {
namespace {

using testing::ScriptedInterface;

struct MethodsCase {
  std::string typed;
  bool extraction;      // `CheckBox_col_cochee`, with the columns 3,4,5,7
  std::string problem;  // what the refusal names, "" when accepted
  std::string kept;     // the field's text after the rule
};

// One date/time column, column 1; accepted texts are rewritten plainly, a
// refused one is kept as typed and the box names what is wrong.
TEST(ColumnMethodsRule, AcceptsKnownMethodsAndColumnsAndNamesWhatItRefuses) {
  const MethodsCase cases[] = {
      {"", false, "", ""},
      {" Cumul : 3, 5 ; max:7 ;", false, "", "cumul:3,5;max:7"},
      {"somme:40;moy_si_vide:8;ponctuel:9;min:10;moyenne:11", false, "",
       "somme:40;moy_si_vide:8;ponctuel:9;min:10;moyenne:11"},
      {"cumul:3;cumul:3,4", false, "", "cumul:3;cumul:4"},
      {"cumul:3,5;max:7", true, "", "cumul:3,5;max:7"},
      {"moyene:3", false, "méthode inconnue <moyene>", "moyene:3"},
      {"cumul:3,x", false, "colonne inconnue <x> pour la méthode cumul", "cumul:3,x"},
      {"cumul:0", false, "colonne inconnue <0> pour la méthode cumul", "cumul:0"},
      {"cumul 3", false, "<cumul 3> : une méthode", "cumul 3"},
      {"cumul:", false, "la méthode cumul n'a pas de n° de colonne", "cumul:"},
      {"cumul:3;max:3", false, "la colonne 3 a deux méthodes : cumul et max", "cumul:3;max:3"},
      {"max:1", false, "la colonne 1 est celle de la date/heure", "max:1"},
      {"cumul:6", true, "la colonne 6 n'est pas dans les colonnes à extraire (3,4,5,7)", "cumul:6"},
      {"cumul:6", false, "", "cumul:6"},
  };
  for (const MethodsCase& c : cases) {
    DataDescription description;
    ScriptedInterface ui;
    description.assign("Edit_num_col_datetime.text", "1");
    description.assign("CheckBox_col_cochee.Checked", c.extraction ? "true" : "false");
    description.assign("Edit_col_cochee.text", "3,4,5,7");
    description.assign("Edit_methode_par_colonne.text", c.typed);
    EXPECT_EQ(apply_column_methods_rule(description, ui), c.problem.empty()) << c.typed;
    EXPECT_EQ(description.text("Edit_methode_par_colonne.text"), c.kept) << c.typed;
    EXPECT_EQ(column_methods_problem(description).empty(), c.problem.empty()) << c.typed;
    if (c.problem.empty()) {
      EXPECT_TRUE(ui.boxes.empty()) << c.typed;
    } else {
      ASSERT_EQ(ui.boxes.size(), 1u) << c.typed;
      EXPECT_EQ(ui.boxes[0].type, MessageType::Warning);
      EXPECT_NE(ui.boxes[0].text.find(" Méthodes par colonne : " + c.problem), std::string::npos)
          << ui.boxes[0].text;
      EXPECT_NE(ui.boxes[0].text.find("<" + c.typed + ">"), std::string::npos) << ui.boxes[0].text;
    }
  }
}

TEST(MinShareRule, AcceptsAWholePercentageFromZeroToAHundred) {
  const struct {
    const char* typed;
    bool accepted;
    const char* kept;
  } cases[] = {{"", true, ""},        {" 75 ", true, "75"}, {"0", true, "0"},      {"100", true, "100"},
               {"101", false, "101"}, {"-1", false, "-1"},  {"7,5", false, "7,5"}, {"tout", false, "tout"}};
  for (const auto& c : cases) {
    DataDescription description;
    ScriptedInterface ui;
    description.assign("Edit_taux_min.text", c.typed);
    EXPECT_EQ(apply_min_share_rule(description, ui), c.accepted) << c.typed;
    EXPECT_EQ(description.text("Edit_taux_min.text"), c.kept) << c.typed;
    EXPECT_EQ(ui.boxes.size(), c.accepted ? 0u : 1u) << c.typed;
    if (!c.accepted) {
      EXPECT_EQ(ui.boxes[0].text, " Le taux minimum de mesures <" + std::string(c.typed) +
                                      "> n'est pas valide :\n\n un pourcentage entier de 0 à 100 est attendu "
                                      "(vide ou 0 : aucun minimum)");
    }
  }
}

// A description that does not use the added keys is written as before, the
// 65 lines alone; one that uses them gets their lines after those, and reads
// them back.
TEST(AddedKeys, AreWrittenOnlyWhenInUseAndReadBack) {
  testing::ProgramHome home;
  testing::TempDir dir;
  DataDescription description;
  const std::string path = dir.file("a.dsc");
  ASSERT_TRUE(write_description_file(path, description));
  const std::string before = testing::read_bytes(path);
  EXPECT_EQ(before.find("Edit_methode_par_colonne"), std::string::npos);

  description.assign("Edit_methode_par_colonne.text", "somme:3");
  description.assign("Edit_taux_min.text", "75");
  description.assign("CheckBox_marquer_origine.Checked", "true");
  ASSERT_TRUE(write_description_file(path, description));
  EXPECT_EQ(testing::read_bytes(path),
            before +
                "Edit_methode_par_colonne.text= somme:3\r\nEdit_taux_min.text= 75\r\n"
                "CheckBox_marquer_origine.Checked= true\r\n");

  DataDescription read;
  ScriptedInterface ui;
  ASSERT_TRUE(read_description_file(path, read, ui).complete);
  EXPECT_EQ(read.text("Edit_methode_par_colonne.text"), "somme:3");
  EXPECT_EQ(read.text("Edit_taux_min.text"), "75");
  EXPECT_TRUE(read.checked("CheckBox_marquer_origine.Checked"));
}

}  // namespace
}  // namespace talve
