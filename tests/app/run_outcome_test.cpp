// SPDX-License-Identifier: GPL-3.0-or-later
// How a batch run ends when something is wrong outside the data lines: an
// empty run, a report or result that cannot be written, folders and files
// that cannot be read, an interruption. The built program on real folders;
// each case checks the exit status, what the program said and that no
// earlier result was lost or named as written when it was not.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "app/batch_description.h"
#include "app/program_run.h"
#include "support/temp_dir.h"
#include "support/text_lines.h"
#include "text/encoding.h"

namespace talve {
namespace {

namespace fs = std::filesystem;
using testing::crlf;

class RunOutcomes : public ::testing::Test {
 protected:
  void SetUp() override {
    home = dir.mkdir("maison");
    dir.mkdir("etude/sorties");
    write_description("etude/cas.dsc", {});
    dir.write("etude/donnees/nord_1.csv",
              crlf({"Date;T;H", "2021-01-01 00:30:00;1.0;50", "2021-01-01 01:30:00;5.0;60",
                    "2021-01-01 03:10:00;10.0;70", "2021-01-01 05:00:00;99.0;99"}));
    result = dir.path() + "etude/sorties/res.txt";
    report = result + ".TXT";
  }

  std::string write_description(const std::string& name, const std::vector<std::string>& extra) {
    return dir.write(name, crlf(testing::batch_description(extra)));
  }

  testing::ProgramOutcome run(std::vector<std::string> args) {
    args.insert(args.begin(), "--batch");
    return testing::run_program(testing::ProgramRun{args, dir.path(), home, 60, -1});
  }

  // The error stream holds the text (written here in Windows-1252).
  static bool told(const testing::ProgramOutcome& o, const std::string& text) {
    return o.err.find(cp1252_to_utf8(text)) != std::string::npos;
  }

  testing::TempDir dir;
  std::string home;
  std::string result;
  std::string report;
};

struct EmptyRunCase {
  std::string name;
  std::vector<std::string> description;  // lines replacing those of the batch tests' description
  std::vector<std::string> options;
  std::string period;  // as the message gives it
  std::string found;   // what the message says of the dates read
};

// No line falls in the period: the run says where the data lie and leaves
// the result of the run before as it was, report included.
TEST_F(RunOutcomes, EmptyRunWritesNothingAndSaysWhereTheDataLie) {
  const std::string span = "les dates lues vont du 01/01/2021 00:30:00 au 01/01/2021 05:00:00";
  const std::string none = "aucune date n'a pu être lue dans les fichiers";
  const std::string hours = "du 01/01/2021 01:00:00 au 01/01/2021 04:00:00";
  const std::vector<EmptyRunCase> cases = {
      {"period missing the data",
       {},
       {"--start", "01/01/2022 01:00:00", "--end", "01/01/2022 04:00:00"},
       "du 01/01/2022 01:00:00 au 01/01/2022 04:00:00",
       span},
      {"date template reading nothing",
       {"Edit_format_datetime_mesure.text= mm_jj_hh_mn_ss_aaaa"},
       {"--period", "dsc"},
       hours,
       none},
      {"date column holding numbers", {"Edit_num_col_datetime.text= 3"}, {"--period", "dsc"}, hours, none},
  };
  for (const EmptyRunCase& c : cases) {
    dir.write("etude/sorties/res.txt", "résultat précédent");
    dir.write("etude/sorties/res.txt.TXT", "suivi précédent");
    write_description("etude/vide.dsc", c.description);
    std::vector<std::string> args = {"etude/vide.dsc"};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const testing::ProgramOutcome o = run(args);
    EXPECT_EQ(o.status, 1) << c.name << ": " << o.summary();
    EXPECT_TRUE(told(o, " Aucune ligne de données dans la période " + c.period + "\n\n " + c.found))
        << c.name << ": " << o.summary();
    EXPECT_TRUE(told(o, "aucun fichier résultat : aucune ligne de données dans la période " + c.period +
                            " (" + c.found + ")"))
        << c.name << ": " << o.summary();
    EXPECT_FALSE(told(o, "TRAITEMENT EFFECTUÉ")) << c.name;
    EXPECT_EQ(o.out, "") << c.name;
    EXPECT_EQ(testing::read_bytes(result), "résultat précédent") << c.name;
    EXPECT_EQ(testing::read_bytes(report), "suivi précédent") << c.name;
  }
}

// The result is written but its report cannot be (a folder holds its
// name): the result's path is printed, the report's is not, and the status
// says that something is missing.
TEST_F(RunOutcomes, ReportThatCannotBeWrittenIsNotNamed) {
  dir.mkdir("etude/sorties/res.txt.TXT");
  const testing::ProgramOutcome o = run({"etude/cas.dsc"});
  EXPECT_EQ(o.status, 1) << o.summary();
  EXPECT_EQ(o.out, result + "\n");
  EXPECT_NE(testing::read_bytes(result).find("01/01/2021 04:00:00;10,00;70,00;1"), std::string::npos);
  EXPECT_TRUE(told(o, " Le fichier de suivi n'a pas pu être écrit :\n\n" + report + "\n\n ")) << o.summary();
  EXPECT_TRUE(told(o, "aucun fichier de suivi : le fichier de suivi " + report + " n'a pas pu être écrit : "))
      << o.summary();
  EXPECT_FALSE(told(o, "TRAITEMENT EFFECTUÉ")) << o.summary();
  EXPECT_TRUE(fs::is_directory(report));
}

// A result its owner made read-only stays as it is, even for the
// superuser: the folder would let the new file be renamed over it.
TEST_F(RunOutcomes, ReadOnlyResultIsNotReplaced) {
  dir.write("etude/sorties/res.txt", "résultat protégé");
  fs::permissions(result, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const testing::ProgramOutcome o = run({"etude/cas.dsc"});
  EXPECT_EQ(o.status, 1) << o.summary();
  EXPECT_TRUE(told(o, "aucun fichier résultat : le fichier résultat " + result +
                          " n'a pas pu être écrit : le fichier existant est en lecture seule\n"))
      << o.summary();
  EXPECT_EQ(o.out, "");
  EXPECT_EQ(testing::read_bytes(result), "résultat protégé");
  EXPECT_FALSE(fs::exists(report));
  fs::permissions(result, fs::perms::owner_write, fs::perm_options::add);
}

// A data folder that cannot be listed says why instead of saying that no
// file matches the mask.
TEST_F(RunOutcomes, DataFolderThatCannotBeListedSaysWhy) {
  const std::string file = dir.path() + "etude/donnees/nord_1.csv";
  const std::string closed = dir.mkdir("ferme") + "";
  fs::permissions(closed, fs::perms::none);
  testing::hand_over(dir.path());
  const std::vector<std::pair<std::string, std::string>> cases = {
      {dir.path() + "absent/", "n'existe pas"},
      {file + "/", "n'est pas un répertoire"},
      {closed, "est illisible : "},
  };
  for (const auto& [folder, problem] : cases) {
    testing::ProgramRun program{{"--batch", "etude/cas.dsc", "--data-dir", folder}, dir.path(), home, 60, -1};
    program.unprivileged = true;
    const testing::ProgramOutcome o = testing::run_program(program);
    EXPECT_EQ(o.status, 1) << folder << ": " << o.summary();
    EXPECT_TRUE(told(o, " Le répertoire des données " + problem)) << folder << ": " << o.summary();
    EXPECT_TRUE(told(o, " :\n\n" + folder + "\n--> réponse : OK")) << folder << ": " << o.summary();
    EXPECT_FALSE(told(o, "aucun fichier ne correspond au filtre")) << folder;
  }
  fs::permissions(closed, fs::perms::owner_all);
}

// A sub-folder or a data file that cannot be read is named with its
// reason on the error stream and in the report; the other files are
// processed.
TEST_F(RunOutcomes, UnreadableSubfolderAndFileAreNamed) {
  write_description("etude/cas.dsc", {"CheckBox_recursif.Checked= true"});
  const std::string data = dir.path() + "etude/donnees/";
  dir.write("etude/donnees/ferme/sud_1.csv", crlf({"Date;T;H", "2021-01-01 02:00:00;1.0;1"}));
  const std::string locked =
      dir.write("etude/donnees/verrou_1.csv", crlf({"Date;T;H", "2021-01-01 02:00:00;1;1"}));
  fs::permissions(data + "ferme", fs::perms::none);
  fs::permissions(locked, fs::perms::none);
  testing::hand_over(dir.path());
  testing::ProgramRun program{{"--batch", "etude/cas.dsc"}, dir.path(), home, 60, -1};
  program.unprivileged = true;
  const testing::ProgramOutcome o = testing::run_program(program);
  fs::permissions(data + "ferme", fs::perms::owner_all);
  fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(o.status, 0) << o.summary();
  const std::string folder_line = "sous-dossier non listé : " + data + "ferme/ est illisible : ";
  EXPECT_TRUE(told(o, " Des sous-dossiers n'ont pas pu être lus, leurs fichiers ne sont pas listés :\n\n   " +
                          data + "ferme/ est illisible : "))
      << o.summary();
  EXPECT_TRUE(told(o, "fichier illisible\n" + locked + "\n\n ")) << o.summary();
  EXPECT_FALSE(told(o, "inexistant")) << o.summary();
  const std::string written = testing::read_bytes(report);
  EXPECT_NE(written.find(folder_line), std::string::npos);
  EXPECT_NE(written.find("fichier illisible => " + locked + " : "), std::string::npos);
  EXPECT_NE(testing::read_bytes(result).find("01/01/2021 04:00:00;10,00;70,00;1"), std::string::npos);
}

// The signal is sent once the program catches it and reads its data; it
// ends the run with nothing written and the previous result intact.
TEST_F(RunOutcomes, InterruptionWritesNothing) {
  // Enough lines to keep the run busy well after the file is opened.
  std::string lines = "Date;T;H\r\n";
  for (int i = 0; i < 400'000; ++i) lines += "2021-01-01 02:" + std::to_string(10 + i % 40) + ":00;1.0;2\r\n";
  const std::string data_file = dir.write("etude/donnees/nord_1.csv", lines);
  // A closed terminal (SIGHUP) used to kill the program on the spot; a
  // shell reports it with 129.
  const std::pair<int, int> signals[] = {{SIGINT, 130}, {SIGTERM, 130}, {SIGHUP, 129}};
  for (const auto& [signal, status] : signals) {
    dir.write("etude/sorties/res.txt", "résultat précédent");
    const testing::StartedProgram started =
        testing::start_program(testing::ProgramRun{{"--batch", "etude/cas.dsc"}, dir.path(), home, 60, -1});
    const bool reached = testing::wait_until(started.pid, [&] {
      return testing::catches(started.pid, signal) && testing::has_open(started.pid, data_file);
    });
    ::kill(started.pid, signal);
    const testing::ProgramOutcome o = testing::finish_program(started, 60);
    ASSERT_TRUE(reached) << o.summary();
    EXPECT_EQ(o.status, status) << signal << ": " << o.summary();
    EXPECT_TRUE(told(o, "traitement interrompu : aucun fichier résultat n'est écrit")) << o.summary();
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(testing::read_bytes(result), "résultat précédent");
    EXPECT_FALSE(fs::exists(report));
    for (const auto& entry : fs::directory_iterator(dir.path() + "etude/sorties"))
      EXPECT_EQ(entry.path().filename(), "res.txt");
  }
}

// Temporary files of a program killed while it wrote go at the next run
// into the folder; a file being written by a running program, files of
// other names and the user's own "~" files stay.
TEST_F(RunOutcomes, TemporariesOfAKilledRunAreRemoved) {
  const std::string out = dir.path() + "etude/sorties/";
  dir.write("etude/sorties/~res.txt.talve-Ab3dE9", "moitié d'un résultat");
  dir.write("etude/sorties/~res.txt.TXT.talve-000000", "moitié d'un suivi");
  const std::vector<std::string> kept = {"~notes.txt", "~res.txt.AbCdEf", "~res.txt.talve-abc",
                                         "~x.talve-Zz9999"};
  for (const std::string& name : kept) dir.write("etude/sorties/" + name, "à garder");
  // A running program's own: it holds its lock.
  const int busy = ::open((out + "~x.talve-Zz9999").c_str(), O_RDONLY);
  ASSERT_EQ(::flock(busy, LOCK_EX), 0);
  const testing::ProgramOutcome o = run({"etude/cas.dsc"});
  ::close(busy);
  ASSERT_EQ(o.status, 0) << o.summary();
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(out)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  std::vector<std::string> expected = kept;
  expected.insert(expected.end(), {"res.txt", "res.txt.TXT"});
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(names, expected);
  EXPECT_NE(testing::read_bytes(report).find("  fichier temporaire abandonné supprimé : " + out +
                                             "~res.txt.talve-Ab3dE9"),
            std::string::npos);
}

// Names with blanks, tabs and letters beyond ASCII, in UTF-8 as the file
// system holds them: read as they are, shown as the texts they are on the
// terminal (UTF-8), in the report and the result (Windows-1252).
TEST_F(RunOutcomes, AnyFileNameWorksAndShowsAsItIs) {
  write_description("etude/cas.dsc", {"CheckBox_recursif.Checked= true"});
  const std::string data = "données  \tà part";
  const std::string sub = "sous  \tdossier é";
  const std::string file = "accénté_1.csv";
  const std::string utf8_data = cp1252_to_utf8(data);
  const std::string utf8_sub = cp1252_to_utf8(sub);
  const std::string utf8_file = cp1252_to_utf8(file);
  dir.write(utf8_data + "/" + utf8_sub + "/" + utf8_file,
            crlf({"Date;T;H", "2021-01-01 01:30:00;5.0;60", "2021-01-01 03:10:00;10.0;70"}));
  const std::string output = cp1252_to_utf8("sorties é/");
  dir.mkdir(output);
  const testing::ProgramOutcome o = run({"etude/cas.dsc", "--data-dir", utf8_data, "--output-dir",
                                         cp1252_to_utf8("sorties é"), "--period", "dsc"});
  ASSERT_EQ(o.status, 0) << o.summary();
  const std::string written = dir.path() + output + "res.txt";
  EXPECT_EQ(o.out, "suivi : " + written + ".TXT\n" + written + "\n");
  const std::string text = testing::read_bytes(written);
  EXPECT_TRUE(text.starts_with(
      "temps(Date inf ou =);T;H;nb(4)_methode_(moyenne des n mesures OK)_station(accénté)\r\n"))
      << text.substr(0, 100);
  EXPECT_NE(text.find("01/01/2021 04:00:00;10,00;70,00;1"), std::string::npos);
  const std::string suivi = testing::read_bytes(written + ".TXT");
  EXPECT_NE(suivi.find(" \t" + file + " \t" + sub + "/ \t"), std::string::npos);

  const testing::ProgramOutcome listed = run({"etude/cas.dsc", "--data-dir", utf8_data, "--list-only"});
  ASSERT_EQ(listed.status, 0) << listed.summary();
  EXPECT_NE(listed.out.find(" \t" + utf8_file + " \t" + utf8_sub + "/ \t"), std::string::npos) << listed.out;
}

}  // namespace
}  // namespace talve
