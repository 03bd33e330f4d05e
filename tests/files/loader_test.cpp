// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/loader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>

#include "core/program_folder.h"
#include "core/workspace.h"
#include "files/byte_substitution.h"
#include "files/data_block.h"
#include "files/parallel_read.h"
#include "support/scripted_interface.h"
#include "support/temp_dir.h"
#include "text/text_utils.h"

namespace talve {
namespace {

using testing::ProgramHome;
using testing::read_bytes;
using testing::ScriptedInterface;
using testing::TempDir;
using Lines = std::vector<std::string>;

Lines as_strings(const std::vector<std::string_view>& views) { return Lines(views.begin(), views.end()); }

struct LoaderSetup {
  int separator = 0;  // 0 "Tabulation", 1 "Espace", 2 "Point-virgule", 3 "Virgule"
  InputMode mode = InputMode::Files;
  std::string first_data_line = "2";
  bool unreadable_characters = false;
  std::string mask = "csv";
};

class LoaderTest : public ::testing::Test {
 protected:
  static void configure(Workspace& target, const LoaderSetup& setup) {
    target.description.assign("RadioGroup_separateur_colonne_ItemIndex", std::to_string(setup.separator));
    target.description.assign("Edit_num_ligne_donnee.text", setup.first_data_line);
    target.description.assign("CheckBox_car_null.Checked", setup.unreadable_characters ? "true" : "false");
    target.description.assign("Edit_masque.text", setup.mask);
    target.flags.input_mode = setup.mode;
  }

  // One substitution copy between two files on disk.
  using CopyFunction = std::function<void(Workspace&, const std::string&, const std::string&, char, char)>;

  // The program's own copy, which makes each write durable (slow when
  // repeated thousands of times).
  static void program_copy(Workspace& target, const std::string& from, const std::string& to, char byte,
                           char replacement) {
    // Its outcome is in the file it writes, which the comparison reads.
    static_cast<void>(copie_substitution(target, from, to, byte, replacement));
  }

  // The same bytes written plainly, for the exhaustive comparison.
  static void plain_copy(Workspace&, const std::string& from, const std::string& to, char byte,
                         char replacement) {
    std::string bytes = read_bytes(from);
    std::replace(bytes.begin(), bytes.end(), byte, replacement);
    std::ofstream(to, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }

  // The load as it was done through working copies on disk: one or two
  // substitution copies into the program's folder, the copy read back as
  // lines, and the same again for the second load.
  std::optional<Lines> load_through_copies(const std::string& path, const LoaderSetup& setup,
                                           const CopyFunction& copy) {
    ScriptedInterface quiet;
    Workspace reference(quiet);
    configure(reference, setup);
    const std::string tmp = program_file("~tmp.txt");
    const bool tab = setup.separator == 0;
    auto copy_tab = [&](const std::string& intermediate) {
      copy(reference, path, intermediate, '\0', '\x01');
      copy(reference, intermediate, tmp, '\t', ';');
    };
    std::string loaded;
    if (tab) {
      copy_tab(program_file("~tmp0.txt"));
      loaded = read_bytes(tmp);
    } else if (setup.mode == InputMode::Files) {
      copy(reference, path, tmp, '\0', '\x01');
      loaded = read_bytes(tmp);
    } else {
      loaded = read_bytes(path);
    }
    Lines lines = as_strings(split_lines(loaded));
    if (static_cast<long long>(lines.size()) < std::stoll(setup.first_data_line) + 2 ||
        setup.unreadable_characters) {
      if (tab) {
        copy_tab(program_file("~tmp1.txt"));
      } else if (setup.mask == "ppp") {
        quiet.boxes.clear();
        return std::nullopt;
      } else {
        copy(reference, path, tmp, '\0', '_');
      }
      lines = as_strings(split_lines(read_bytes(tmp)));
    }
    return lines;
  }

  ProgramHome home;
  TempDir dir;
  ScriptedInterface ui;
  Workspace ws{ui};
};

// Every text of up to two of the bytes that matter to the copies and to
// line cutting, and random longer ones, under every way of loading: the
// in-memory load must give exactly the lines the working copies gave.
TEST_F(LoaderTest, InMemoryLoadEqualsTheCopyThenLoadOnEveryCombination) {
  const std::string alphabet{'\0', '\t', '\r', '\n', ';', '\x01'};
  std::vector<std::string> contents{""};
  for (std::size_t length = 1; length <= 2; ++length) {
    std::vector<std::string> longer;
    for (const std::string& text : contents)
      if (text.size() == length - 1)
        for (char c : alphabet) longer.push_back(text + c);
    contents.insert(contents.end(), longer.begin(), longer.end());
  }
  std::mt19937 random(2024);
  const std::string with_text = alphabet + "ab";
  std::uniform_int_distribution<std::size_t> pick(0, with_text.size() - 1);
  for (int i = 0; i < 80; ++i) {
    std::string text(3 + static_cast<std::size_t>(i % 10), ' ');
    for (char& c : text) c = with_text[pick(random)];
    contents.push_back(text);
  }
  const std::vector<LoaderSetup> setups = {
      {0, InputMode::Files, "2", false, "csv"},         // tabs, first load only when long enough
      {0, InputMode::Files, "0", true, "csv"},          // tabs, second load
      {2, InputMode::Files, "-5", false, "csv"},        // first load only
      {1, InputMode::Files, "-5", true, "csv"},         // second load
      {2, InputMode::Spreadsheet, "2", false, "xlsx"},  // loaded as it is, or second load
      {2, InputMode::Clipboard, "2", false, "ppp"},     // loaded as it is, or refused
      {0, InputMode::Clipboard, "2", false, "ppp"},     // tabs even from the clipboard
  };
  const std::string path = dir.file("data.txt");
  for (const LoaderSetup& setup : setups) {
    configure(ws, setup);
    for (const std::string& content : contents) {
      dir.write("data.txt", content);
      const auto expected = load_through_copies(path, setup, plain_copy);
      LoadedFile loaded;
      const bool ok = load_data_file(ws, path, loaded);
      ui.boxes.clear();
      ASSERT_EQ(ok, expected.has_value())
          << "separator " << setup.separator << " content size " << content.size();
      if (ok) {
        ASSERT_EQ(as_strings(loaded.lines()), *expected) << "separator " << setup.separator;
      }
    }
  }
}

// A file of short lines made of the bytes and words the loading looks at:
// NUL, TAB, blanks, the markers, separators.
std::string marker_text(std::mt19937& random) {
  static const char* const kWords[] = {"", "a", "b;1", "\t", " ", "  ", "DEB", "FIN", "\x01", "1;2"};
  static const char* const kEnds[] = {"\r\n", "\n", "\r", "\r\r\n"};
  std::string text;
  const unsigned lines = 1 + random() % 40;
  for (unsigned i = 0; i < lines; ++i) {
    for (unsigned w = random() % 3; w > 0; --w) text += kWords[random() % 10];
    if (random() % 9 == 0) text.push_back('\0');
    if (i + 1 < lines || random() % 2) text += kEnds[random() % 4];
  }
  return text;
}

// What a pre-reading or a run may ask of a loaded file.
struct Shown {
  bool ok = false;
  std::size_t size = 0;
  DataBlock block;
  std::vector<std::string> block_lines;  // T, F and L
  std::vector<std::string> messages;
  std::vector<std::string> tracking;
};

// A file larger than the piece size is read in pieces: it must show what
// the whole load shows, whatever the settings, the bytes and where the
// pieces cut it (pieces no shorter than its first lines, which the whole
// load keeps whole).
TEST_F(LoaderTest, InPiecesShowsWhatTheWholeLoadShows) {
  std::mt19937 random(77);
  auto shown_by = [&](const std::string& path, const LoadLimits& limits, LoadedFile& file) {
    Shown shown;
    ui.boxes.clear();
    ui.tracking.clear();
    ws.log.clear();
    shown.ok = load_data_file(ws, path, file, limits);
    shown.size = file.size();
    shown.block = locate_data_block(file, ws.description);
    for (long long index : {shown.block.title, shown.block.first, shown.block.last})
      shown.block_lines.emplace_back(file.line_or_empty(index));
    shown.messages = ui.texts();
    shown.tracking = ui.tracking;
    return shown;
  };
  int in_pieces = 0;
  int outlines = 0;
  for (int round = 0; round < 4000; ++round) {
    LoaderSetup setup;
    setup.separator = static_cast<int>(random() % 3);
    setup.mode = round % 7 == 0   ? InputMode::Clipboard
                 : round % 7 == 1 ? InputMode::Spreadsheet
                                  : InputMode::Files;
    setup.mask = setup.mode == InputMode::Clipboard ? "ppp" : "csv";
    setup.first_data_line = std::to_string(static_cast<int>(random() % 8) - 2);
    setup.unreadable_characters = random() % 4 == 0;
    configure(ws, setup);
    ws.description.assign("RadioGroup_numlig_balise_ItemIndex", random() % 2 ? "1" : "0");
    ws.description.assign("Edit_balise_deb.text", random() % 5 ? "DEB" : "");
    ws.description.assign("Edit_balise_fin.text", random() % 5 ? "FIN" : "\r");
    ws.description.assign("RadioGroup_avec_sans_intitule_ItemIndex", random() % 3 ? "0" : "1");
    ws.description.assign("Edit_num_ligne_intitule_col.text", std::to_string(random() % 5));

    const std::string text = marker_text(random);
    const std::string path = dir.write("p.csv", text);
    std::size_t head_bytes = 0;
    const std::vector<std::string_view> lines = split_lines(text);
    for (std::size_t i = 0; i < lines.size() && i < 3; ++i) head_bytes += lines[i].size();
    // Lines longer than a piece are carried from piece to piece; the first
    // lines are kept while they fit in one. Every other round reads every
    // file in pieces, as a run does, whatever its size.
    const std::size_t smallest = head_bytes + 1;
    LoadLimits limits;
    limits.head_lines = 3;
    limits.held_whole = round % 2 == 0;
    if (limits.held_whole && smallest >= text.size()) continue;
    limits.piece_bytes = smallest + random() % (std::max(text.size(), smallest + 1) - smallest);
    LoadedFile whole, pieces;
    const Shown expected = shown_by(path, LoadLimits{}, whole);
    const Shown got = shown_by(path, limits, pieces);
    const std::string context =
        ::testing::PrintToString(text) + " piece " + std::to_string(limits.piece_bytes);
    ASSERT_TRUE(pieces.in_pieces() || !got.ok || pieces.empty()) << context;
    in_pieces += pieces.in_pieces();
    // A long file outlined from its ends has an estimated line count, and
    // the index of its last line with it: its text is the file's.
    const bool outlined = pieces.line_count_provisional();
    ASSERT_TRUE(!outlined || !limits.held_whole) << context;
    outlines += outlined;
    ASSERT_EQ(got.ok, expected.ok) << context;
    if (!outlined) {
      ASSERT_EQ(got.size, expected.size) << context;
    }
    EXPECT_EQ(got.block.marker, expected.block.marker) << context;
    EXPECT_EQ(got.block.first, expected.block.first) << context;
    if (!outlined) {
      EXPECT_EQ(got.block.last, expected.block.last) << context;
    }
    EXPECT_EQ(got.block.title, expected.block.title) << context;
    ASSERT_EQ(got.block_lines, expected.block_lines) << context;
    ASSERT_EQ(got.messages, expected.messages) << context;
    ASSERT_EQ(got.tracking, expected.tracking) << context;
    ASSERT_EQ(pieces.first_lines().size(), std::min<std::size_t>(3, whole.size())) << context;
    for (std::size_t i = 0; i < pieces.first_lines().size(); ++i)
      ASSERT_EQ(pieces.first_lines()[i], whole[i]) << context;
  }
  EXPECT_GT(in_pieces, 1000);
  EXPECT_GT(outlines, 50);
}

TEST_F(LoaderTest, RandomBinaryFilesLoadLikeTheirCopies) {
  std::mt19937 random(12345);
  std::uniform_int_distribution<int> byte(0, 255);
  for (const int separator : {0, 2}) {
    LoaderSetup setup;
    setup.separator = separator;
    configure(ws, setup);
    for (int round = 0; round < 25; ++round) {
      std::string content(static_cast<std::size_t>(byte(random) * 8), ' ');
      for (char& c : content) c = static_cast<char>(byte(random));
      const std::string path = dir.write("bin.dat", content);
      LoadedFile loaded;
      ASSERT_TRUE(load_data_file(ws, path, loaded));
      ASSERT_EQ(as_strings(loaded.lines()), *load_through_copies(path, setup, program_copy));
      ui.boxes.clear();
    }
  }
}

TEST_F(LoaderTest, LineEndsOfEveryKindAndNoFinalLineEnd) {
  configure(ws, LoaderSetup{2, InputMode::Files, "1", false, "csv"});
  struct Case {
    std::string content;
    Lines lines;
  };
  const std::vector<Case> cases = {
      {"a;1\r\nb;2\r\n", {"a;1", "b;2"}},
      {"a;1\nb;2", {"a;1", "b;2"}},
      {"a;1\rb;2\r", {"a;1", "b;2"}},
      {"a\r\n\r\nb\n\nc\r\rd", {"a", "", "b", "", "c", "", "d"}},
      {"\n", {""}},
  };
  for (const Case& c : cases) {
    LoadedFile loaded;
    ASSERT_TRUE(load_data_file(ws, dir.write("f.csv", c.content), loaded));
    EXPECT_EQ(as_strings(loaded.lines()), c.lines);
  }
  EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(LoaderTest, TabSeparatedFileIsSplitOnSemicolonsAndKeepsItsOwnSemicolons) {
  configure(ws, LoaderSetup{0, InputMode::Files, "1", false, "txt"});
  LoadedFile loaded;
  ASSERT_TRUE(load_data_file(ws, dir.write("f.txt", "date\tT;H\n2021\t1,5;2\n"), loaded));
  EXPECT_EQ(as_strings(loaded.lines()), (Lines{"date;T;H", "2021;1,5;2"}));
}

TEST_F(LoaderTest, NulBytesBecomeOneOrUnderscoreOnTheSecondLoad) {
  struct Case {
    int separator;
    bool unreadable;
    std::string first_line;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {2, false, "1", std::string("a\x01") + "b"},  // enough lines: first load only
      {2, true, "1", "a_b"},                        // unreadable characters handled
      {2, false, "5", "a_b"},                       // too few lines
      {0, true, "1", std::string("a\x01") + "b"},   // tab-separated files keep 0x01
      {0, false, "5", std::string("a\x01") + "b"},
  };
  for (const Case& c : cases) {
    configure(ws, LoaderSetup{c.separator, InputMode::Files, c.first_line, c.unreadable, "csv"});
    LoadedFile loaded;
    ASSERT_TRUE(load_data_file(ws, dir.write("n.csv", std::string("a\0b\nx\ny\n", 8)), loaded));
    EXPECT_EQ(loaded[0], c.expected) << c.separator << " " << c.unreadable << " " << c.first_line;
  }
}

// A large file is read in two halves: its substitutions (NUL, TAB) must
// give the lines a small file gives, and never reach the file.
TEST_F(LoaderTest, LargeFilesAreRewrittenInMemoryOnly) {
  std::string filler;
  while (filler.size() < kParallelReadBytes) filler += "2021-11-07 00:00:48;30.227;-38.208\n";
  const std::string head = std::string("a\0b\tc\n", 6);
  const std::string bytes = head + filler + std::string("z\0\n", 3);
  const std::string path = dir.write("large.csv", bytes);
  struct Case {
    int separator;
    bool unreadable;
    std::string first, last;
  };
  const std::vector<Case> cases = {
      {2, false, std::string("a\x01") + "b\tc", "z\x01"},
      {2, true, "a_b\tc", "z_"},
      {0, true, std::string("a\x01") + "b;c", "z\x01"},
  };
  for (const Case& c : cases) {
    configure(ws, LoaderSetup{c.separator, InputMode::Files, "1", c.unreadable, "csv"});
    LoadedFile loaded;
    ASSERT_TRUE(load_data_file(ws, path, loaded));
    ASSERT_GT(loaded.size(), 2u);
    EXPECT_EQ(loaded[0], c.first) << c.separator << " " << c.unreadable;
    EXPECT_EQ(loaded[loaded.size() - 1], c.last) << c.separator << " " << c.unreadable;
    EXPECT_EQ(loaded[1], "2021-11-07 00:00:48;30.227;-38.208");
  }
  EXPECT_TRUE(read_bytes(path) == bytes);
}

TEST_F(LoaderTest, MissingFileIsReportedOnceAndLoadsAsNoLine) {
  configure(ws, LoaderSetup{2, InputMode::Files, "2", false, "csv"});
  const std::string path = dir.write("gone.csv", "a\nb\nc\nd\n");
  std::filesystem::remove(path);  // deleted between listing and loading
  LoadedFile loaded;
  EXPECT_TRUE(load_data_file(ws, path, loaded));
  EXPECT_TRUE(loaded.empty());
  EXPECT_EQ(ui.texts(), (Lines{"fichier inexistant\n" + path}));
  EXPECT_EQ(ui.boxes[0].type, MessageType::Information);
}

TEST_F(LoaderTest, AFolderIsAMissingFile) {
  configure(ws, LoaderSetup{2, InputMode::Files, "2", false, "csv"});
  const std::string folder = dir.mkdir("sub.csv");
  LoadedFile loaded;
  EXPECT_TRUE(load_data_file(ws, folder, loaded));
  EXPECT_TRUE(loaded.empty());
  EXPECT_EQ(ui.texts(), (Lines{"fichier inexistant\n" + folder}));
}

TEST_F(LoaderTest, EmptyFileIsTracedOnce) {
  for (const int separator : {0, 2}) {
    configure(ws, LoaderSetup{separator, InputMode::Files, "2", false, "csv"});
    ui.tracking.clear();
    ws.log.clear();
    const std::string path = dir.write("empty.csv", "");
    LoadedFile loaded;
    EXPECT_TRUE(load_data_file(ws, path, loaded));
    EXPECT_TRUE(loaded.empty());
    EXPECT_EQ(ui.tracking, (Lines{"fichier VIDE => " + path}));
    EXPECT_TRUE(ui.boxes.empty());
  }
}

TEST_F(LoaderTest, MissingSpreadsheetConversionIsReportedInsteadOfFailing) {
  configure(ws, LoaderSetup{2, InputMode::Spreadsheet, "2", false, "xlsx"});
  const std::string path = dir.file("~tmp_xls.csv");
  LoadedFile loaded;
  EXPECT_TRUE(load_data_file(ws, path, loaded));
  EXPECT_TRUE(loaded.empty());
  EXPECT_EQ(ui.texts(), (Lines{"fichier inexistant\n" + path}));
}

TEST_F(LoaderTest, SpreadsheetAndClipboardFilesKeepTheirNulBytesOnTheFirstLoad) {
  for (const InputMode mode : {InputMode::Spreadsheet, InputMode::Clipboard}) {
    configure(ws, LoaderSetup{2, mode, "1", false, mode == InputMode::Clipboard ? "ppp" : "xlsx"});
    LoadedFile loaded;
    ASSERT_TRUE(load_data_file(ws, dir.write("conv.csv", std::string("a\0b\nc\nd\n", 8)), loaded));
    EXPECT_EQ(loaded[0], std::string_view("a\0b", 3));
  }
}

TEST_F(LoaderTest, MissingClipboardFileFails) {
  configure(ws, LoaderSetup{2, InputMode::Clipboard, "2", false, "ppp"});
  const std::string path = dir.file("~presse-papier.ppp");
  LoadedFile loaded;
  EXPECT_FALSE(load_data_file(ws, path, loaded));
  EXPECT_EQ(ui.texts(), (Lines{"fichier introuvable \n\n" + path}));
}

TEST_F(LoaderTest, ShortClipboardIsRefusedWithItsFirstLines) {
  struct Case {
    std::string content;
    std::string shown_lines;
  };
  const std::vector<Case> cases = {
      {"a;1\nb;2\nc;3\n", "a;1\nb;2\nc;3\n"},
      {"seule;ligne", "seule;ligne\n"},  // fewer than three lines: no reading past the end
      {"", ""},
  };
  for (const Case& c : cases) {
    configure(ws, LoaderSetup{2, InputMode::Clipboard, "2", false, "ppp"});
    ui.boxes.clear();
    const std::string path = dir.write("~presse-papier.ppp", c.content);
    LoadedFile loaded;
    EXPECT_FALSE(load_data_file(ws, path, loaded));
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].type, MessageType::Warning);
    EXPECT_EQ(ui.boxes[0].buttons, ButtonSet{kCancel});
    EXPECT_EQ(ui.boxes[0].text, " le presse papier ne contient que " + std::to_string(c.content.size()) +
                                    " octets\n\n 3 premières lignes :\n==============================\n" +
                                    c.shown_lines +
                                    "==============================\n\n => Annuler pour   Recopier les "
                                    "données du fichier Excel");
  }
}

TEST_F(LoaderTest, HugeSingleLineLoadsWhole) {
  configure(ws, LoaderSetup{2, InputMode::Files, "2", false, "csv"});
  const std::string content(20 * 1024 * 1024, 'x');
  LoadedFile loaded;
  ASSERT_TRUE(load_data_file(ws, dir.write("big.csv", content), loaded));
  ASSERT_EQ(loaded.size(), 1u);
  EXPECT_EQ(loaded[0].size(), content.size());
}

TEST_F(LoaderTest, LinesOutliveMovesAndCopiesOfTheResult) {
  configure(ws, LoaderSetup{2, InputMode::Files, "1", false, "csv"});
  LoadedFile copy;
  {
    LoadedFile loaded;
    ASSERT_TRUE(
        load_data_file(ws, dir.write("s.csv", "ab\ncd\n"), loaded));  // short: kept inline by a string
    LoadedFile moved = std::move(loaded);
    copy = moved;
  }
  EXPECT_EQ(as_strings(copy.lines()), (Lines{"ab", "cd"}));
  EXPECT_EQ(copy.line_or_empty(-1), "");
  EXPECT_EQ(copy.line_or_empty(2), "");
}

}  // namespace
}  // namespace talve
