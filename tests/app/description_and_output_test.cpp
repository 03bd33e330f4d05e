// SPDX-License-Identifier: GPL-3.0-or-later
// What the batch mode meets around its description and its output, run as
// a user runs it: a description that is no regular file or far too large,
// one an editor saved in UTF-8, a standard output that cannot be written.
#include <gtest/gtest.h>
#include <sys/stat.h>

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
using testing::crlf;

class DescriptionAndOutput : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.mkdir("etude/sorties");
    dir.write("etude/donnees/nord_1.csv", crlf({"Date;T;H", "2021-01-01 01:30:00;5.0;60"}));
  }

  testing::ProgramOutcome run(const std::string& description, const std::string& standard_output = {}) {
    testing::ProgramRun program{{"--batch", description, "--period", "dsc"}, dir.path(), home, 20, -1};
    program.standard_output = standard_output;
    return testing::run_program(program);
  }

  static bool told(const testing::ProgramOutcome& o, const std::string& text) {
    return o.err.find(cp1252_to_utf8(text)) != std::string::npos;
  }

  testing::TempDir dir;
  std::string home = dir.mkdir("maison");
};

// A pipe named as the description used to block the program in its
// opening for good, deaf to Ctrl-C and SIGTERM; a link to /dev/zero was
// read until memory ran out.
TEST_F(DescriptionAndOutput, DescriptionThatIsNoRegularFileIsRefusedAtOnce) {
  const std::string fifo = dir.path() + "etude/tube.dsc";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  fs::create_symlink("/dev/zero", dir.path() + "etude/zero.dsc");
  fs::create_directory(dir.path() + "etude/dossier.dsc");
  dir.write("etude/enorme.dsc", std::string((1 << 20) + 1, '#'));
  struct Case {
    const char* name;
    const char* reason;
  };
  const Case cases[] = {
      {"tube.dsc", "ce n'est pas un fichier ordinaire (un tube ou un périphérique porte ce nom)"},
      {"zero.dsc", "ce n'est pas un fichier ordinaire (un tube ou un périphérique porte ce nom)"},
      {"dossier.dsc", "ce chemin désigne un dossier"},
      {"enorme.dsc", "il dépasse 1 Mo, bien plus qu'un tel fichier n'en compte"},
  };
  for (const Case& c : cases) {
    const testing::ProgramOutcome o = run("etude/" + std::string(c.name));
    EXPECT_FALSE(o.timed_out) << c.name;
    EXPECT_EQ(o.status, 1) << c.name << ": " << o.summary();
    EXPECT_TRUE(told(o, "aucun fichier résultat : le fichier de description " + dir.path() + "etude/" +
                            c.name + " n'a pas pu être lu : " + c.reason + "\n"))
        << o.summary();
  }
}

// An editor's UTF-8: "§" in the result's name used to leave a stray "Â".
TEST_F(DescriptionAndOutput, DescriptionInUtf8IsReadAsSuchAndSaidSo) {
  std::vector<std::string> lines =
      testing::batch_description({"Edit_nom_fic_sortie.text= r\xC3\xA9sultat \xC2\xA7"});
  dir.write("etude/cas.dsc", crlf(lines));
  const testing::ProgramOutcome o = run("etude/cas.dsc");
  ASSERT_EQ(o.status, 0) << o.summary();
  const std::string written = o.out.substr(o.out.rfind('\n', o.out.size() - 2) + 1);
  EXPECT_TRUE(written.starts_with(dir.path() + "etude/sorties/" +
                                  cp1252_to_utf8("résultat  du 01-01-2021 au 01-01-2021 (")))
      << written;
  EXPECT_TRUE(fs::is_regular_file(written.substr(0, written.size() - 1))) << written;
  EXPECT_TRUE(told(o, "le fichier de description " + dir.path() +
                          "etude/cas.dsc est écrit en UTF-8 : il est lu comme tel (les descriptions sont "
                          "enregistrées en Windows-1252)\n"))
      << o.summary();
}

// The result's path is the last line of the output: an output that cannot
// take it used to lose it with exit status 0.
TEST_F(DescriptionAndOutput, OutputThatCannotBeWrittenEndsWithStatusOne) {
  dir.write("etude/cas.dsc", crlf(testing::batch_description()));
  const testing::ProgramOutcome o = run("etude/cas.dsc", "/dev/full");
  EXPECT_EQ(o.status, 1) << o.summary();
  EXPECT_TRUE(
      told(o,
           "la sortie standard n'a pas pu être écrite (plus de place sur le disque) : les chemins des "
           "fichiers écrits n'y sont pas\n"))
      << o.summary();
  // The result itself was written.
  EXPECT_TRUE(fs::is_regular_file(dir.path() + "etude/sorties/res.txt"));
}

}  // namespace
}  // namespace talve
