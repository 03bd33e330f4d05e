// SPDX-License-Identifier: GPL-3.0-or-later
// What the batch mode tells its user, through the built program: the
// period it takes and why, the reasons of a run that gives no result, the
// file a question is about, what it did where a box speaks of the window,
// and the description keys explained.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/batch_description.h"
#include "app/program_run.h"
#include "core/settings_table.h"
#include "support/temp_dir.h"
#include "support/text_lines.h"
#include "text/encoding.h"

namespace talve {
namespace {

using Outcome = testing::ProgramOutcome;

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find('\n', start);
    lines.push_back(text.substr(start, end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return lines;
}

// Two files: nord from 00:30 to 02:00, sud from 03:10 to 05:00 on 1 January
// 2021; the description keeps the last run's period 01:00..04:00, hourly.
class Guidance : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.mkdir("etude/sorties");
    dir.write("etude/donnees/nord_1.csv",
              testing::crlf({"Date;T;H", "2021-01-01 00:30:00;1.0;50", "2021-01-01 01:00:00;3.0;NA",
                             "2021-01-01 01:30:00;5.0;60", "2021-01-01 02:00:00;7.0;-99999"}));
    sud = dir.write("etude/donnees/sud_1.csv",
                    testing::crlf({"Date;T;H", "2021-01-01 03:10:00;10.0;70", "2021-01-01 03:50:00;12.0;NA",
                                   "2021-01-01 05:00:00;99.0;99"}));
    dir.write("etude/cas.dsc", testing::crlf(testing::batch_description()));
  }

  Outcome run(std::vector<std::string> args) {
    args.insert(args.begin(), {"--batch", "etude/cas.dsc"});
    return testing::run_program(testing::ProgramRun{args, dir.path(), dir.mkdir("maison"), 60, -1});
  }

  std::vector<std::string> rows() const {
    return testing::rows_of(testing::read_bytes(dir.path() + "etude/sorties/res.txt"));
  }

  static std::string utf8(const std::string& text) { return cp1252_to_utf8(text); }

  testing::TempDir dir;
  std::string sud;
};

struct PeriodCase {
  std::vector<std::string> args;
  std::string announced;  // the first line of the error stream
  std::string taken;      // the second, once the files are listed ("" when the first says it all)
  std::string first_row;
  std::string last_row;
};

TEST_F(Guidance, PeriodComesFromTheListedFilesUnlessGiven) {
  const std::string from_files =
      "période : de la 1ère mesure des fichiers listés à la dernière mesure des fichiers listés, au pas de ";
  const std::string span =
      "dates des fichiers listés, du 01/01/2021 00:30:00 au 01/01/2021 05:00:00, alignées sur le pas";
  const std::vector<PeriodCase> cases = {
      {{},
       from_files + "01:00:00 (alignée sur le pas)",
       "période : du 01/01/2021 01:00:00 au 01/01/2021 05:00:00 au pas de 01:00:00 (" + span + ")",
       "01/01/2021 01:00:00; 2,00;50,00;2",
       "01/01/2021 05:00:00;99,00;99,00;1"},
      // A row gathers the hour before its instant, the last one included
      // only with "(inf ou =)".
      {{"--date-test", "lt"},
       from_files + "01:00:00 (alignée sur le pas)",
       "période : du 01/01/2021 01:00:00 au 01/01/2021 06:00:00 au pas de 01:00:00 (" + span + ")",
       "01/01/2021 01:00:00; 1,00;50,00;1",
       "01/01/2021 06:00:00;99,00;99,00;1"},
      {{"--step", "00:45:00"},
       from_files + "00:45:00 (alignée sur le pas)",
       "période : du 01/01/2021 00:45:00 au 01/01/2021 05:15:00 au pas de 00:45:00 (" + span + ")",
       "01/01/2021 00:45:00; 1,00;50,00;1",
       "01/01/2021 05:15:00;99,00;99,00;1"},
      {{"--step", "1 jour"},
       from_files + "1 jour (alignée sur le pas)",
       "période : du 02/01/2021 00:00:00 au 02/01/2021 00:00:00 au pas de 1 jour (" + span + ")",
       "02/01/2021 00:00:00;",
       "02/01/2021 00:00:00;"},
      {{"--start", "01/01/2021 00:00:00"},
       "période : du 01/01/2021 00:00:00 à la dernière mesure des fichiers listés, au pas de 01:00:00 "
       "(alignée "
       "sur le pas)",
       "période : du 01/01/2021 00:00:00 au 01/01/2021 05:00:00 au pas de 01:00:00 (début : --start ; fin "
       ": " +
           span + ")",
       "01/01/2021 00:00:00;NA;NA;0",
       "01/01/2021 05:00:00;99,00;99,00;1"},
      {{"--start", "01/01/2021 02:00:00", "--end", "01/01/2021 03:00:00"},
       "période : du 01/01/2021 02:00:00 au 01/01/2021 03:00:00 au pas de 01:00:00 (--start et --end)",
       "",
       "01/01/2021 02:00:00; 6,00;60,00;2",
       "01/01/2021 03:00:00;NA;NA;0"},
      // The last run's period, kept in the description.
      {{"--period", "dsc"},
       "période : du 01/01/2021 01:00:00 au 01/01/2021 04:00:00 au pas de 01:00:00 (dernier traitement gardé "
       "dans la description)",
       "",
       "01/01/2021 01:00:00; 2,00;50,00;2",
       "01/01/2021 04:00:00;11,00;70,00;2"},
  };
  for (const PeriodCase& c : cases) {
    const std::string name = c.args.empty() ? "(défaut)" : c.args.front() + " " + c.args[1];
    const Outcome o = run(c.args);
    ASSERT_EQ(o.status, 0) << name << ": " << o.summary();
    const std::vector<std::string> err = lines_of(o.err);
    ASSERT_GE(err.size(), 2u) << o.err;
    EXPECT_EQ(err[0], utf8(c.announced)) << name;
    if (c.taken.empty())
      EXPECT_FALSE(err[1].starts_with(utf8("période"))) << name << ": " << err[1];
    else
      EXPECT_EQ(err[1], utf8(c.taken)) << name;
    const std::vector<std::string> result = rows();
    ASSERT_FALSE(result.empty()) << name;
    EXPECT_TRUE(result.front().starts_with(c.first_row)) << name << ": " << result.front();
    EXPECT_TRUE(result.back().starts_with(c.last_row)) << name << ": " << result.back();
  }
}

// Runs that give no result say why, in French, on their last line.
TEST_F(Guidance, ReasonsOfARunWithoutResult) {
  dir.mkdir("etude/dossier.dsc");
  const struct {
    std::vector<std::string> args;
    std::string reason;
  } cases[] = {
      {{"--start", "01/01/2021 04:00:00", "--end", "01/01/2021 01:00:00"},
       "la liste horodatée n'a pas pu être créée : la fin de la période (01/01/2021 01:00:00) est antérieure "
       "à "
       "son début (01/01/2021 04:00:00)"},
      {{"--data-dir", "etude/sorties"},
       "la liste des fichiers de " + dir.path() + "etude/sorties/ n'a pas pu être faite"},
  };
  for (const auto& c : cases) {
    const Outcome o = run(c.args);
    EXPECT_EQ(o.status, 1) << o.summary();
    EXPECT_TRUE(o.err.ends_with(utf8("aucun fichier résultat : " + c.reason + "\n"))) << o.summary();
  }
  const Outcome o = testing::run_program(
      testing::ProgramRun{{"--batch", "etude/dossier.dsc"}, dir.path(), dir.mkdir("maison"), 60, -1});
  EXPECT_EQ(o.status, 1);
  EXPECT_EQ(o.err, utf8("aucun fichier résultat : le fichier de description " + dir.path() +
                        "etude/dossier.dsc n'a pas pu être lu : ce chemin désigne un dossier\n"));
}

// A question about one file's layout is told with the file; a box that
// speaks of the window is followed by what the batch did instead.
TEST_F(Guidance, BoxesSayWhichFileAndWhatTheBatchDid) {
  const std::string odd =
      dir.write("etude/donnees/ouest_1.csv", testing::crlf({"Date,T,H", "2021-01-01 01:10:00,4.0,55"}));
  const Outcome o = run({});
  ASSERT_EQ(o.status, 0) << o.summary();
  EXPECT_NE(o.err.find(utf8("---\n(fichier " + odd +
                            ")\n??? avec le séparateur de colonne => Point-virgule une "
                            "seule colonne de détectée !!!")),
            std::string::npos)
      << o.summary();
  EXPECT_NE(o.err.find(utf8("fichier écarté : " + odd)), std::string::npos);
  // The summary box, after the last file was read, names no file.
  EXPECT_EQ(o.err.find(utf8("(fichier " + sud)), std::string::npos) << o.summary();
  EXPECT_NE(o.err.find(utf8("(le fichier de description est également enregistré), durée totale = ")),
            std::string::npos);
  EXPECT_NE(o.err.find(utf8("\n--> réponse : OK\n--> sans fenêtre : le résultat n'est pas copié dans le "
                            "presse-papier ; le fichier de description n'est pas modifié\n")),
            std::string::npos)
      << o.summary();
}

// Every key of a description file, with its meaning, default and values,
// taken from the settings table and the pattern pickers.
TEST_F(Guidance, KeysAreExplained) {
  const Outcome o =
      testing::run_program(testing::ProgramRun{{"--batch", "--keys"}, dir.path(), dir.path(), 60, -1});
  ASSERT_EQ(o.status, 0) << o.summary();
  const std::vector<std::string> lines = lines_of(o.out);
  for (const SettingInfo& info : settings_table()) {
    const std::string head = std::string(info.key) + " : ";
    const auto at =
        std::find_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.starts_with(head); });
    ASSERT_NE(at, lines.end()) << info.key;
    ASSERT_LT(at + 2, lines.end());
    EXPECT_TRUE(at[1].starts_with("    ")) << info.key;
    EXPECT_TRUE(at[2].starts_with(utf8("    par défaut : "))) << info.key;
  }
  for (const char* line :
       {"RadioGroup_separateur_colonne_ItemIndex : 0 Tabulation, 1 Espace, 2 Point-virgule, 3 Virgule",
        "RadioGroup_methode_ItemIndex : 0 moyenne des n mesures OK, 1 ponctuel = dernière mesure OK, 2 max "
        "des n  "
        "mesures OK , 3 min des n  mesures OK , 4 moy ET si vide = prec+suiv /2, 5 cumul",
        "    par défaut : *.csV", "    par défaut : aaaa-mm-jjEhh:mn:ss"})
    EXPECT_NE(std::find(lines.begin(), lines.end(), utf8(line)), lines.end()) << line;
  EXPECT_NE(o.out.find(", aaaa_mm_jjThh_mn_sszzzzzz, mm_jj_ee_hh_mn_ss_pp, jj_mm_ee_hh_mn_ss, aaaa_qqq_hhmn, "
                       "aaaammjjhhmn, aaaammjj, mmjjee, uuuuuuuuuu\n"),
            std::string::npos);
  EXPECT_NE(o.out.find("zzzzzz "), std::string::npos);
}

}  // namespace
}  // namespace talve
