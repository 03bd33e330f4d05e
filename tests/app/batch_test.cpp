// SPDX-License-Identifier: GPL-3.0-or-later
// The batch mode as a user meets it: the built program run on temporary
// folders, its exit status, its standard output and error.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/batch_description.h"
#include "app/program_run.h"
#include "support/temp_dir.h"
#include "support/text_lines.h"
#include "text/encoding.h"

namespace talve {
namespace {

namespace fs = std::filesystem;

using Outcome = testing::ProgramOutcome;

// The error stream holds the text (written here in Windows-1252).
bool told(const Outcome& outcome, const std::string& text) {
  return outcome.err.find(cp1252_to_utf8(text)) != std::string::npos;
}

std::string last_line(const std::string& text) {
  std::string trimmed = text;
  while (!trimmed.empty() && trimmed.back() == '\n') trimmed.pop_back();
  return trimmed.substr(trimmed.rfind('\n') + 1);
}

// A description in its own folder with relative data and output folders,
// the two data files of the hand-written result, and the program's own
// folder apart.
class Batch : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.mkdir("maison");
    dir.mkdir("etude/sorties");
    write_file("etude/donnees/nord_1.csv",
               {"Date;T;H", "2021-01-01 00:30:00;1.0;50", "2021-01-01 01:00:00;3.0;NA",
                "2021-01-01 01:30:00;5.0;60", "2021-01-01 02:00:00;7.0;-99999"});
    write_file("etude/donnees/sud_1.csv", {"Date;T;H", "2021-01-01 03:10:00;10.0;70",
                                           "2021-01-01 03:50:00;12.0;NA", "2021-01-01 05:00:00;99.0;99"});
    description =
        write_file("etude/cas.dsc", testing::batch_description({"CheckBox_prelire_tous.Checked= false"}));
    result = dir.path() + "etude/sorties/res.txt";
  }

  std::string write_file(const std::string& name, const std::vector<std::string>& lines) {
    return dir.write(name, testing::crlf(lines));
  }

  // The program started without a shell, in the test's folder.
  Outcome run(const std::vector<std::string>& args) {
    return testing::run_program(testing::ProgramRun{args, dir.path(), dir.path() + "maison", 60, -1});
  }

  std::string result_text() const { return testing::read_bytes(result); }

  testing::TempDir dir;
  std::string description;
  std::string result;
};

TEST_F(Batch, DescriptionPeriodGivesTheHandWrittenResult) {
  const std::string description_before = testing::read_bytes(description);
  const Outcome o = run({"--batch", "etude/cas.dsc", "--period", "dsc"});
  ASSERT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(last_line(o.out), result);
  EXPECT_EQ(o.out, "suivi : " + result + ".TXT\n" + result + "\n");
  EXPECT_EQ(result_text(),
            testing::read_bytes(std::string(TALVE_TEST_DATA_DIR) + "/golden/deux_fichiers/res.txt"));
  EXPECT_TRUE(fs::exists(result + ".TXT"));
  // Neither the description, nor the parameter and period files.
  EXPECT_EQ(testing::read_bytes(description), description_before);
  EXPECT_TRUE(fs::is_empty(dir.path() + "maison"));
  // Standard error is no terminal: no progress line.
  EXPECT_EQ(o.err.find("lignes/s"), std::string::npos);
  EXPECT_TRUE(told(o, "--- information (OK) ---\n3- TRAITEMENT EFFECTUÉ"));
}

TEST_F(Batch, OptionsReplacePeriodStepTestAndFolders) {
  dir.mkdir("ailleurs");
  dir.mkdir("autres");
  fs::copy(dir.path() + "etude/donnees/nord_1.csv", dir.path() + "autres/nord_1.csv", fs::copy_options::none);
  const Outcome o = run({"--batch", "etude/cas.dsc", "--start", "01/01/2021 01:00:00", "--end",
                         "01/01/2021 02:00:00", "--step", "00:30:00", "--date-test", "lt", "--data-dir",
                         dir.path() + "autres", "--output-dir", "ailleurs"});
  ASSERT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(last_line(o.out), dir.path() + "ailleurs/res.txt");
  EXPECT_EQ(testing::read_bytes(dir.path() + "ailleurs/res.txt"),
            "temps(Date inf srict);T;H;nb(3)_methode_(moyenne des n mesures OK)_station(nord)\r\n"
            "01/01/2021 01:00:00; 1,00;50,00;1\r\n"
            "01/01/2021 01:30:00; 3,00;NA;1\r\n"
            "01/01/2021 02:00:00; 5,00;60,00;1\r\n");
  EXPECT_FALSE(fs::exists(result));
}

TEST_F(Batch, DayStepAndItsCalendarQuestionsDeclined) {
  const Outcome o = run({"--batch", "etude/cas.dsc", "--start", "01/01/2021 00:00:00", "--end",
                         "02/01/2021 00:00:00", "--step", "1 jour"});
  ASSERT_EQ(o.status, 0) << o.err;
  // The date test correction offered is declined: "(inf ou =)" stays.
  EXPECT_TRUE(told(o, "corriger cette option (Oui / Non)\n--> réponse : Non"));
  EXPECT_EQ(result_text().substr(0, 21), "temps(Date inf ou =);");
}

TEST_F(Batch, ExistingResultIsOverwritten) {
  ASSERT_EQ(run({"--batch", "etude/cas.dsc"}).status, 0);
  dir.write("etude/sorties/res.txt", "ancien");
  const Outcome o = run({"--batch", "etude/cas.dsc"});
  ASSERT_EQ(o.status, 0) << o.err;
  EXPECT_TRUE(told(o, "existe déjà\n\n => écraser ?\n--> réponse : Oui"));
  EXPECT_NE(result_text().find("01/01/2021 04:00:00;11,00;70,00;2"), std::string::npos);
}

TEST_F(Batch, IncrementKeepsTheEarlierResult) {
  std::string text = testing::read_bytes(description);
  const auto at = text.find("CheckBox_inc_nom.Checked= false");
  text.replace(at, 31, "CheckBox_inc_nom.Checked= true");
  dir.write("etude/cas.dsc", text);
  ASSERT_EQ(run({"--batch", "etude/cas.dsc"}).status, 0);
  const Outcome o = run({"--batch", "etude/cas.dsc"});
  ASSERT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(last_line(o.out), dir.path() + "etude/sorties/res(1).txt");
}

TEST_F(Batch, NoResultGivesStatusOneWithTheReason) {
  struct Case {
    std::vector<std::string> args;
    std::string reason;
  };
  const std::vector<Case> cases = {
      {{"--batch", "absente.dsc"},
       "aucun fichier résultat : fichier de description introuvable : " + dir.path() + "absente.dsc\n"},
      {{"--batch", "etude/cas.dsc", "--output-dir", "pas_la"},
       "aucun fichier résultat : le répertoire de sortie " + dir.path() + "pas_la/ n'existe pas\n"},
      {{"--batch", "etude/cas.dsc", "--data-dir", "vide"},
       "aucun fichier résultat : la liste des fichiers de " + dir.path() + "vide/ n'a pas pu être faite\n"},
  };
  dir.mkdir("vide");
  for (const Case& c : cases) {
    const Outcome o = run(c.args);
    EXPECT_EQ(o.status, 1) << c.args.back();
    const std::string reason = cp1252_to_utf8(c.reason);
    ASSERT_GE(o.err.size(), reason.size()) << o.err;
    EXPECT_EQ(o.err.substr(o.err.size() - reason.size()), reason) << c.args.back();
    EXPECT_EQ(o.out, "");
  }
}

TEST_F(Batch, UsageErrorsGiveStatusTwoWithTheUsage) {
  const std::vector<std::vector<std::string>> cases = {
      {"--batch"},
      {"--batch", "etude/cas.dsc", "--inconnue"},
      {"--batch", "etude/cas.dsc", "--start"},
      {"--batch", "etude/cas.dsc", "--step", "1 semaine"},
      {"--batch", "etude/cas.dsc", "--step", "00:00:00"},
      {"--batch", "etude/cas.dsc", "--start", "31/02/2021 00:00:00"},
      {"--batch", "etude/cas.dsc", "--date-test", "ge"},
  };
  for (const auto& args : cases) {
    const Outcome o = run(args);
    EXPECT_EQ(o.status, 2) << args.back();
    EXPECT_NE(o.err.find("Usage : talve --batch DESCRIPTION.dsc [options]"), std::string::npos)
        << args.back();
    EXPECT_FALSE(fs::exists(result));
  }
}

// A description written by hand keeps no last period: the listed files
// give it, and the last run's period is asked for only with --period dsc.
TEST_F(Batch, DescriptionWithoutLastPeriodTakesTheFilesPeriod) {
  write_file("etude/sans.dsc", {"dossier_choisi= ./donnees/", "dossier_choisi_sortie= ./sorties/",
                                "Edit_masque.text= csv", "RadioGroup_separateur_colonne_ItemIndex= 2",
                                "Edit_format_datetime_mesure.text= aaaa_mm_jj_hh_mn_ss",
                                "Label_max_dsc.caption= date-heure", "Edit_nom_fic_sortie.text= res"});
  Outcome o = run({"--batch", "etude/sans.dsc", "--period", "dsc"});
  EXPECT_EQ(o.status, 2);
  EXPECT_NE(o.err.find("donner --start et --end"), std::string::npos);

  o = run({"--batch", "etude/sans.dsc"});
  ASSERT_EQ(o.status, 0) << o.err;
  // The step of a description without one: 00:15:00.
  const std::vector<std::string> rows =
      testing::rows_of(testing::read_bytes(dir.path() + "etude/sorties/res.txt"));
  ASSERT_EQ(rows.size(), 19u);
  EXPECT_TRUE(rows.front().starts_with("01/01/2021 00:30:00\t")) << rows.front();
  EXPECT_TRUE(rows.back().starts_with("01/01/2021 05:00:00\t")) << rows.back();
}

TEST_F(Batch, HelpIsFrench) {
  const Outcome o = run({"--batch", "--help"});
  EXPECT_EQ(o.status, 0);
  EXPECT_EQ(o.out.substr(0, 38), "Usage : talve --batch DESCRIPTION.dsc ");
  EXPECT_NE(o.out.find("--date-test le|lt"), std::string::npos);
}

}  // namespace
}  // namespace talve

namespace talve {
namespace {

TEST_F(Batch, ListOnlyPrintsTheFileTableAndWritesNoResult) {
  const Outcome outcome = run({"--batch", "etude/cas.dsc", "--list-only"});
  EXPECT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_FALSE(std::filesystem::exists(result));
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < outcome.out.size();) {
    const std::size_t end = outcome.out.find('\n', start);
    lines.push_back(outcome.out.substr(start, end - start));
    start = end + 1;
  }
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].rfind(" \tn \tfichier \ts/", 0), 0u) << lines[0];
  EXPECT_NE(lines[1].find(" \tnord_1.csv \t"), std::string::npos);
  EXPECT_NE(lines[1].find("01/01/2021 00:30:00 \t01/01/2021 02:00:00"), std::string::npos) << lines[1];
  EXPECT_NE(lines[2].find(" \tsud_1.csv \t"), std::string::npos);
}

}  // namespace
}  // namespace talve
