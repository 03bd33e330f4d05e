// SPDX-License-Identifier: GPL-3.0-or-later
// Bad inputs through the whole batch mode: the built program, real files in
// temporary folders. Each bad file lies beside a good one, first in the
// table; the good file's rows must come out, the bad one must be told about,
// and nothing may crash, hang or cost an earlier result.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "app/batch_description.h"
#include "app/program_run.h"
#include "support/temp_dir.h"
#include "support/text_lines.h"
#include "text/encoding.h"
#include "text/text_utils.h"

namespace talve {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using testing::crlf;
using testing::rows_of;

// The rows the good file gives alone over the hourly grid 01:00..04:00;
// the 03:00 row is free for the bad files' lines.
const std::vector<std::string> kGoodRows = {
    "01/01/2021 01:00:00; 1,00;50,00;1",
    "01/01/2021 02:00:00; 5,00;60,00;1",
    "01/01/2021 03:00:00;NA;NA;0",
    "01/01/2021 04:00:00;10,00;70,00;1",
};

std::vector<std::string> good_rows_with(const std::string& row_0300,
                                        const std::string& row_0400 = kGoodRows[3]) {
  return {kGoodRows[0], kGoodRows[1], row_0300, row_0400};
}

// Deterministic bytes that are no text: the same on every machine.
std::string noise(std::size_t size, unsigned seed) {
  std::mt19937 random(seed);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
  return bytes;
}

class BadInputs : public ::testing::Test {
 protected:
  void SetUp() override {
    home = dir.mkdir("maison");
    dir.mkdir("etude/sorties");
    write_description("etude/cas.dsc", {});
  }

  // The batch tests' description, `extra` lines replacing or added.
  std::string write_description(const std::string& name, const std::vector<std::string>& extra) {
    return dir.write(name, crlf(testing::batch_description(extra)));
  }

  // A data folder holding the good file and the bad one; returns the bad
  // file's path.
  std::string data_folder(const std::string& folder, const std::string& bad_name,
                          const std::string& bad_bytes) {
    dir.write(folder + "/bon_1.csv", crlf({"Date;T;H", "2021-01-01 00:30:00;1.0;50",
                                           "2021-01-01 01:30:00;5.0;60", "2021-01-01 03:10:00;10.0;70"}));
    return dir.write(folder + "/" + bad_name, bad_bytes);
  }

  // The period of the description's last run, 01:00..04:00, whatever
  // dates the bad files hold.
  testing::ProgramOutcome run(std::vector<std::string> args, long long file_size_limit = -1,
                              bool file_size_signal_ignored = true) {
    args.insert(args.begin(), {"--batch", "--period", "dsc"});
    testing::ProgramRun program{args, dir.path(), home, 60, file_size_limit};
    program.file_size_signal_ignored = file_size_signal_ignored;
    return testing::run_program(program);
  }

  // Runs the description on a data folder, output in etude/sorties.
  testing::ProgramOutcome run_on(const std::string& folder,
                                 const std::string& description = "etude/cas.dsc") {
    return run({description, "--data-dir", folder});
  }

  std::string result() const { return testing::read_bytes(dir.path() + "etude/sorties/res.txt"); }
  std::string report() const { return testing::read_bytes(dir.path() + "etude/sorties/res.txt.TXT"); }

  static bool told(const testing::ProgramOutcome& o, const std::string& text) {
    return o.err.find(cp1252_to_utf8(text)) != std::string::npos;
  }

  testing::TempDir dir;
  std::string home;
};

struct DataCase {
  std::string name;  // the bad file, listed before the good one
  std::string bytes;
  std::vector<std::string> rows;  // of the result
  std::string said;               // on the error stream or in the report
  std::string description = "etude/cas.dsc";
};

TEST_F(BadInputs, BadDataFilesBesideAGoodOne) {
  write_description("etude/car_null.dsc", {"CheckBox_car_null.Checked= true"});
  const std::string nul_and_controls =
      crlf({"Date;T;H",
            "2021-01-01 02:30:00;7.0;8\0"
            "0"s,
            "2021-01-01 02:40:00;9.\x01\x02;80", "2021-01-01 03:20:00;1.0;1\x1b"});
  const std::vector<DataCase> cases = {
      {"a_vide.csv", "", kGoodRows, "fichier VIDE => "},
      {"a_image.csv", "\x89PNG\r\n\x1a\n" + noise(4000, 7), kGoodRows, "fichier écarté : "},
      {"a_zeros.csv", std::string(4096, '\0'), kGoodRows, "fichier écarté : "},
      {"a_coupe.csv", "Date;T;H\r\n2021-01-01 02:30:00;7.0;80",
       good_rows_with("01/01/2021 03:00:00; 7,00;80,00;1"), ""},
      {"a_coupe_date.csv", "Date;T;H\r\n2021-01-01 02:30:00;7.0;80\r\n2021-01-01 02:4",
       good_rows_with("01/01/2021 03:00:00; 7,00;80,00;1"), ""},
      {"a_cr.csv", "Date;T;H\r2021-01-01 02:30:00;7.0;80\r2021-01-01 03:30:00;8.0;81\r",
       good_rows_with("01/01/2021 03:00:00; 7,00;80,00;1", "01/01/2021 04:00:00; 9,00;75,50;2"), ""},
      {"a_large.csv", "Date;T;H\r\n2021-01-01 02:30:00;7.0;80" + std::string(200'000, ';') + "\r\n",
       good_rows_with("01/01/2021 03:00:00; 7,00;80,00;1"), ""},
      {"a_dates.csv",
       crlf({"Date;T;H", "2022-02-31 02:30:00;7.0;80", "2021-01-01 25:61:00;9.0;80",
             "0000-01-01 02:00:00;1;1", "9999-12-31 23:59:59;1;1", "2021-01-01 03:20:00;4.0;4"}),
       good_rows_with(kGoodRows[2], "01/01/2021 04:00:00; 7,00;37,00;2"), ""},
      {"a_nul.csv", nul_and_controls, good_rows_with(kGoodRows[2], "01/01/2021 04:00:00; 5,50;70,00;2"),
       "nb_pb = 2"},
      {"a_nul.csv", nul_and_controls, good_rows_with("01/01/2021 03:00:00; 7,00;NA;1"), "nb_pb = 2",
       "etude/car_null.dsc"},
  };
  int number = 0;
  for (const DataCase& c : cases) {
    const std::string folder = "cas_" + std::to_string(++number);
    const std::string path = data_folder(folder, c.name, c.bytes);
    const testing::ProgramOutcome o = run_on(folder, c.description);
    ASSERT_EQ(o.status, 0) << c.name << ": " << o.summary();
    EXPECT_EQ(rows_of(result()), c.rows) << c.name;
    if (!c.said.empty()) {
      EXPECT_TRUE(told(o, c.said + path) || report().find(c.said) != std::string::npos)
          << c.name << ": " << o.summary();
    }
  }
}

// A file cut by a power failure can be a single line of many megabytes:
// inside a good file it is one unreadable line among others; alone, made
// of separators, it would give millions of columns. (Eight megabytes in
// the sanitizer build, where fifty would take half a minute.)
TEST_F(BadInputs, FiftyMegabyteSingleLines) {
  const std::size_t size = testing::kSanitizedBuild ? 8'000'000 : 50'000'000;
  std::string inside = "Date;T;H\r\n2021-01-01 02:30:00;7.0;80\r\n";
  inside.append(size, 'x');
  inside += "\r\n2021-01-01 02:40:00;9.0;80\r\n";
  data_folder("dedans", "a_ligne.csv", inside);
  inside.clear();
  testing::ProgramOutcome o = run_on("dedans");
  ASSERT_EQ(o.status, 0) << o.summary();
  EXPECT_EQ(rows_of(result()), good_rows_with("01/01/2021 03:00:00; 8,00;80,00;2"));
  fs::remove_all(dir.path() + "dedans");

  std::string columns = "T;";
  while (columns.size() < size) columns += columns;
  columns.resize(size);
  const std::string path = data_folder("seule", "a_ligne.csv", columns);
  columns.clear();
  o = run_on("seule");
  ASSERT_EQ(o.status, 0) << o.summary();
  EXPECT_EQ(rows_of(result()), kGoodRows);
  EXPECT_TRUE(told(o, "fichier " + path + "\n\n " + format_grouped(static_cast<long long>(size / 2)) +
                          " colonnes de données détectées : la limite est de 100 000\n\n"
                          "  vérifier le séparateur de colonne et la ligne des intitulés"))
      << o.summary();
  EXPECT_TRUE(told(o, "fichier écarté : " + path));
  // The message quotes the line's beginning, not its megabytes.
  EXPECT_LT(o.err.size(), 10'000u);
  fs::remove_all(dir.path() + "seule");
}

// As many columns as a run takes: the column titles are looked up once
// each, not searched from the start of the line every time.
TEST_F(BadInputs, HundredThousandColumnTitles) {
  std::string titles = "Date";
  for (int k = 1; k < 100'000; ++k) titles += ";T" + std::to_string(k);
  data_folder("larges", "a_titres.csv", titles + "\r\n2021-01-01 02:30:00;7.0;80\r\n");
  testing::ProgramRun program{{"--batch", "etude/cas.dsc", "--data-dir", "larges"}, dir.path(), home, 20, -1};
  const testing::ProgramOutcome o = testing::run_program(program);
  ASSERT_EQ(o.status, 0) << o.summary();
  const std::string text = result();
  EXPECT_TRUE(text.starts_with("temps(Date inf ou =);T1;T2;T3;")) << text.substr(0, 100);
  EXPECT_NE(text.find(";T99999;nb(4)_methode_"), std::string::npos);
  const std::vector<std::string> rows = rows_of(text);
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_TRUE(rows[2].starts_with("01/01/2021 03:00:00; 7,00;80,00;NA;NA;")) << rows[2].substr(0, 100);
  EXPECT_TRUE(rows[3].starts_with("01/01/2021 04:00:00;10,00;70,00;NA;")) << rows[3].substr(0, 100);
}

struct DescriptionCase {
  std::vector<std::string> lines;  // each replaces the description line of its key
  int status;
  std::string said;        // on the error stream
  bool good_rows = false;  // the result holds the four rows of the grid
};

TEST_F(BadInputs, HandEditedDescriptions) {
  data_folder("etude/donnees", "b_bon.csv", crlf({"Date;T;H", "2021-01-01 02:30:00;7.0;80"}));
  const std::string digits(10'000, '9');
  std::string text;
  while (text.size() < 10'000) text += "a;#§*?é,";
  const std::string no_result = "aucun fichier résultat : ";
  // No date reads, or no line is read: nothing falls in the period.
  const std::string empty_run =
      no_result + "aucune ligne de données dans la période du 01/01/2021 01:00:00 au 01/01/2021 04:00:00";
  const std::vector<DescriptionCase> cases = {
      {{"RadioGroup_separateur_colonne_ItemIndex= deux"},
       1,
       "'deux' n'est pas une valeur entière correcte\n--> réponse : OK\n" + no_result +
           "le fichier de description " + dir.path() +
           "etude/cas_1.dsc n'a pas pu être lu : RadioGroup_separateur_colonne_ItemIndex (ligne 22) : 'deux' "
           "n'est pas une valeur entière correcte\n"},
      {{"RadioGroup_methode_ItemIndex= 99999999999"},
       1,
       "RadioGroup_methode_ItemIndex (ligne 23) : '99999999999' n'est pas une valeur entière correcte"},
      {{"Cle_inconnue= " + text, "=", "==", "sans signe égal", "", "Edit_masque.text = txt"}, 0, "", true},
      {{"Edit_masque.text= " + text}, 1, "aucun fichier ne correspond au filtre <"},
      {{"Edit_nom_fic_sortie.text= " + digits}, 1, "n'a pas pu être écrit : "},
      {{"Edit_equiv_na.text= " + text}, 0, "", true},
      {{"Edit_NA.text= " + text}, 0, "", true},
      {{"Edit_f_station.text= " + text}, 0, "", true},
      {{"Edit_nb_decimale.text= 2147483647"}, 0, "", true},
      // A pattern without a date is refused before any file is read.
      {{"Edit_format_datetime_mesure.text= " + text}, 1, "> ne contient pas de date : "},
      {{"Edit_num_col_datetime.text= " + digits}, 1, empty_run},
      {{"Edit_num_ligne_donnee.text= " + digits}, 0, ""},
      {{"Edit_num_ligne_donnee.text= 9223372036854775807"}, 1, empty_run},
      {{"Edit_num_ligne_donnee.text= -9223372036854775808"}, 0, ""},
      {{"Edit_num_ligne_intitule_col.text= -9223372036854775808"}, 1, "fichier écarté : "},
      {{"CheckBox_col_cochee.Checked= true", "Edit_col_cochee.text= " + text}, 0, ""},
      {{"Label_pas_dsc.caption= " + text}, 2, "Usage : talve --batch"},
  };
  int number = 0;
  for (const DescriptionCase& c : cases) {
    const std::string name = "etude/cas_" + std::to_string(++number) + ".dsc";
    write_description(name, c.lines);
    fs::remove(dir.path() + "etude/sorties/res.txt");
    const testing::ProgramOutcome o = run({name});
    const std::string key = c.lines.back().substr(0, 40);
    EXPECT_EQ(o.status, c.status) << key << ": " << o.summary();
    if (!c.said.empty()) {
      EXPECT_TRUE(told(o, c.said)) << key << ": " << o.summary();
    }
    if (c.good_rows) {
      EXPECT_EQ(rows_of(result()).size(), 4u) << key;
    }
  }
}

// The output folder is checked before any file is read: the run ends at
// once with the reason alone, in French, and nothing is left behind.
TEST_F(BadInputs, OutputFolderThatCannotHoldTheResult) {
  data_folder("etude/donnees", "b_bon.csv", crlf({"Date;T;H", "2021-01-01 02:30:00;7.0;80"}));
  const std::string file = dir.path() + "etude/donnees/bon_1.csv";
  std::vector<std::pair<std::string, std::string>> cases = {
      {dir.path() + "absent", "le répertoire de sortie " + dir.path() + "absent/ n'existe pas"},
      {file + "/sorties", "le répertoire de sortie " + file +
                              "/sorties/ est inaccessible : " + "un élément du chemin n'est pas un dossier"},
      {file, "le répertoire de sortie " + file + "/ désigne un fichier, pas un répertoire"},
  };
  // A folder that refuses writing even to the system's administrator, where
  // the system has one.
  if (::access("/proc/sys", W_OK) != 0 && errno == EACCES)
    cases.emplace_back("/proc/sys",
                       "le répertoire de sortie /proc/sys/ n'accepte pas d'écriture : permission refusée");
  for (const auto& [folder, reason] : cases) {
    const testing::ProgramOutcome o = run({"etude/cas.dsc", "--output-dir", folder});
    EXPECT_EQ(o.status, 1) << folder << ": " << o.summary();
    EXPECT_EQ(o.err, cp1252_to_utf8("aucun fichier résultat : " + reason + "\n")) << o.summary();
    EXPECT_EQ(o.out, "");
  }
  EXPECT_TRUE(fs::is_regular_file(file));
}

// The program runs under a file-size limit smaller than its new result:
// the writing fails half way, and the result of the run before, with its
// report, is still there whole. After a plain "ulimit -f" the limit's
// signal used to kill the program (exit 153, no word, a temporary left).
TEST_F(BadInputs, ResultWriteCutShortKeepsThePreviousResult) {
  data_folder("etude/donnees", "b_bon.csv", crlf({"Date;T;H", "2021-01-01 02:30:00;7.0;80"}));
  ASSERT_EQ(run({"etude/cas.dsc", "--end", "01/01/2021 02:00:00"}).status, 0);
  const std::string before = result();
  const std::string report_before = report();
  ASSERT_EQ(rows_of(before).size(), 2u);

  for (const bool signal_ignored : {true, false}) {
    const testing::ProgramOutcome o =
        run({"etude/cas.dsc"}, static_cast<long long>(before.size()), signal_ignored);
    EXPECT_EQ(o.status, 1) << o.summary();
    EXPECT_EQ(o.signal, 0);
    EXPECT_TRUE(told(o, "taille de fichier limitée")) << o.summary();
    // The system's reason in French, and what the batch did with the results
    // that the window would have kept for "sauver ->".
    EXPECT_TRUE(told(o, " : fichier trop grand pour la limite de taille des fichiers")) << o.summary();
    EXPECT_EQ(o.err.find("File too large"), std::string::npos);
    EXPECT_TRUE(told(o,
                     "sauver ->\".\n--> réponse : OK\n--> sans fenêtre : les données calculées ne sont pas "
                     "gardées : relancer avec --output-dir vers un répertoire où écrire\n"))
        << o.summary();
    EXPECT_EQ(result(), before);
    EXPECT_EQ(report(), report_before);
    // No half-written temporary file is left beside them.
    for (const auto& entry : fs::directory_iterator(dir.path() + "etude/sorties"))
      EXPECT_FALSE(entry.path().filename().string().starts_with("~")) << entry.path();
  }
}

TEST_F(BadInputs, PeriodTooLongForItsStep) {
  data_folder("etude/donnees", "b_bon.csv", crlf({"Date;T;H", "2021-01-01 02:30:00;7.0;80"}));
  const testing::ProgramOutcome o = run({"etude/cas.dsc", "--start", "01/01/2000 00:00:00", "--end",
                                         "01/01/2100 00:00:00", "--step", "00:00:01"});
  EXPECT_EQ(o.status, 1) << o.summary();
  EXPECT_TRUE(
      told(o, "   Le nombre de lignes à générer (3 155 760 002) dépasse la limite de 22 369 618 lignes."))
      << o.summary();
  EXPECT_TRUE(
      told(o,
           "aucun fichier résultat : la liste horodatée n'a pas pu être créée : la période du "
           "01/01/2000 00:00:00 au 01/01/2100 00:00:00 compte 3 155 760 002 instants au pas de 00:00:01, "
           "plus que la limite de 22 369 618\n"))
      << o.summary();
}

}  // namespace
}  // namespace talve
