// SPDX-License-Identifier: GPL-3.0-or-later
// Settings that hold no usable value, through the whole batch mode: the run
// goes on with the value it tells on its error stream.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/batch_description.h"
#include "app/program_run.h"
#include "support/temp_dir.h"
#include "support/text_lines.h"
#include "text/encoding.h"

namespace talve {
namespace {

TEST(BatchSettings, UnusableSettingsAreToldOnTheErrorStream) {
  testing::TempDir dir;
  dir.mkdir("maison");
  dir.mkdir("etude/sorties");
  dir.write("etude/donnees/nord_1.csv",
            testing::crlf({"Date;T", "2021-01-01 00:30:00;1.0", "2021-01-01 01:00:00;2.0"}));
  dir.write("etude/cas.dsc", testing::crlf(testing::batch_description(
                                 {"Edit_nb_decimale.text= beaucoup", "RadioGroup_methode_ItemIndex= 17"})));
  const testing::ProgramOutcome o = testing::run_program(
      testing::ProgramRun{{"--batch", "etude/cas.dsc"}, dir.path(), dir.path() + "maison", 60, -1});
  ASSERT_EQ(o.status, 0) << o.summary();
  const std::string told = cp1252_to_utf8(
      "--- avertissement (OK) ---\n"
      " Réglages hors des valeurs possibles, remplacés pour ce traitement :\n\n"
      "   Edit_nb_decimale.text = <beaucoup>  (0 à 50)\n"
      "       => valeur utilisée : 2\n"
      "   RadioGroup_methode_ItemIndex = <17>  (0 à 5)\n"
      "       => valeur utilisée : 0 (moyenne des n mesures OK)\n");
  EXPECT_NE(o.err.find(told), std::string::npos) << o.err;
  // Two decimals and the mean of the two lines of the 01:00 row.
  const std::string result = testing::read_bytes(dir.path() + "etude/sorties/res.txt");
  EXPECT_NE(result.find("\r\n01/01/2021 01:00:00; 1,50;2\r\n"), std::string::npos) << result;
}

}  // namespace
}  // namespace talve
