// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/text_utils.h"
#include "support/text_lines.h"

#include <gtest/gtest.h>

#include <random>

#include "text/system_locale.h"

namespace talve {
namespace {

TEST(TextUtils, TitlesAlignedWithBlanksBecomeSeparated) {
  EXPECT_EQ(intitules_vers_sep("Date Heure  Temp C  Hum %", ';'), "Date;Heure;Temp_C;Hum_%");
  EXPECT_EQ(intitules_vers_sep("Date Heure  Temp C  Hum %", ' '), "Date Heure Temp_C Hum_%");
  EXPECT_EQ(intitules_vers_sep("ab", ';'), "");
  EXPECT_EQ(intitules_vers_sep("   T1   T2", ','), "T1,T2");
}

TEST(TextUtils, CountsColumnsOfBlankSeparatedLines) {
  int titles = 0, data = 0;
  std::vector<std::string> trace;
  compter_colonnes(" Date  Heure   T ", "2021-01-01 10:00  5.2", titles, data, trace);
  EXPECT_EQ(titles, 3);
  EXPECT_EQ(data, 3);
  EXPECT_EQ(trace, (std::vector<std::string>{"nb col (intitulé) = 3", "nb col (données)  = 3"}));
}

struct NumberCase {
  const char* text;
  bool number;
  double value;  // lire_reel
};

TEST(TextUtils, NumbersWithEitherDecimalMark) {
  const NumberCase cases[] = {
      {"1,234", true, 1.234}, {"1.234", true, 1.234}, {"1 234", false, 0},
      {"<12,5", true, 0},     {"", false, 0},         {"  -3.5 ", true, -3.5},
      {"+2", true, 2},        {"5.", true, 5},        {".5", true, 0.5},
      {"1e3", true, 1000},    {"1E-2", true, 0.01},   {"inf", false, 0},
      {"nan", false, 0},      {"0x10", false, 0},     {"1.234,5", false, 0},
      {"12:30", false, 0},    {"NA", false, 0},       {"-", false, 0},
      {"e5", false, 0},       {"1e", false, 0},       {"-99999.000", true, -99999},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(est_nombre(c.text), c.number) << c.text;
    EXPECT_DOUBLE_EQ(lire_reel(c.text), c.value) << c.text;
  }
  EXPECT_TRUE(est_nombre("1e999"));  // out of range is still a number
}

TEST(TextUtils, CountersAndTests) {
  EXPECT_EQ(compter_numeriques("2021-01-01 10:00;+5,2"), 16);
  EXPECT_EQ(compter_lettres("Temp_C [x] é"), 9);
  EXPECT_EQ(compter_car_dates("12/03/2022 01:15"), 16);
  EXPECT_EQ(tout_chiffres("0123"), 4);
  EXPECT_EQ(tout_chiffres("01a"), 0);
  EXPECT_EQ(tout_chiffres(""), 0);
  EXPECT_TRUE(contient_heure("le 12:30 pile"));
  EXPECT_FALSE(contient_heure("1:30"));
  EXPECT_TRUE(hors_bornes("x", 1, 5));
  EXPECT_FALSE(hors_bornes("3", 1, 5));
  EXPECT_TRUE(hors_bornes("6", 1, 5));
  EXPECT_TRUE(texte_booleen("true"));
  EXPECT_FALSE(texte_booleen("True"));
  EXPECT_EQ(booleen_texte(false), "false");
}

TEST(TextUtils, IntegersAfterKeys) {
  EXPECT_EQ(entier_apres_cle("ligne 2, colonne 3, Espace", "LIGNE", 1), 2);
  EXPECT_EQ(entier_apres_cle("ligne 2, colonne 3, Espace", "COLONNE", 0), 3);
  EXPECT_EQ(entier_apres_cle("colonne", "LIGNE", 1), 1);
  EXPECT_EQ(entier_apres_cle("ligne x", "LIGNE", 7), 7);
  EXPECT_EQ(entier_apres_cle("ligne 1a2;9", "LIGNE", 0), 12);
  EXPECT_EQ(entier_champ("a;42;b", 2, ';', -1), 42);
  EXPECT_EQ(entier_champ("a;4x;b", 2, ';', -1), -1);
}

TEST(TextUtils, Editing) {
  EXPECT_EQ(deux_chiffres("7"), "07");
  EXPECT_EQ(deux_chiffres("17"), "17");
  EXPECT_EQ(completer_a_droite("ab", 4, '.'), "ab...");
  EXPECT_EQ(completer_a_droite("abcdef", 4, '.'), "abcdef");
  EXPECT_EQ(trim_gauche("   "), " ");
  EXPECT_EQ(trim_gauche("  a "), "a ");
  EXPECT_EQ(trim_droite("  a "), "  a");
  EXPECT_EQ(trim("\t a \t"), "\t a \t");  // tabs are not blanks
  EXPECT_EQ(supprimer_car(' ', " a b "), "ab");
  std::string text = "hh:mm:ss hh:mm";
  remplacer_premier("hh:mm", "hh:mn", text);
  EXPECT_EQ(text, "hh:mn:ss hh:mm");
  std::string mask = "2023/05/12";
  chiffres_vers_car('*', mask);
  EXPECT_EQ(mask, "****/**/**");
  EXPECT_EQ(chemin_avec_barre("/data"), "/data/");
  EXPECT_EQ(chemin_avec_barre("/data/"), "/data/");
  EXPECT_EQ(chemin_avec_barre(""), "");
}

TEST(TextUtils, RepairsAccentsStoredAsUtf8) {
  struct Case {
    std::string in, out;
  };
  const Case cases[] = {
      {"temp\xC3\xA9rature", "temp\xE9rature"},
      {"d\xC3\x83\xC2\xA9j\xC3\x83\xC2\xA0", "d\xE9j\xC3\x83\xC2\xA0"},  // only the listed sequences
      {"12\xC2\xB0"
       "C \xC3\xA9t\xC3\xA9 \xC3\xA0 \xC3\xA7"
       "a",
       "12\xB0"
       "C \xE9t\xE9 \xE0 \xE7"
       "a"},
      {"\xE2\x80\x9A"
       "t\xE2\x80\x9A",
       "\xE9t\xE9"},
      {"deg \xC3\xB8", "deg \xB0"},
      {"seul \xC3", "seul \xC3"},
      {"d\xE9j\xE0", "d\xE9j\xE0"},
  };
  for (const auto& c : cases) {
    std::string text = c.in;
    reparer_accents(text);
    EXPECT_EQ(text, c.out);
  }
}

TEST(TextUtils, DurationTexts) {
  EXPECT_EQ(duree_texte(0.5), " 12 h 0 mn 0 s ");
  EXPECT_EQ(duree_texte(encode_time(0, 0, 7)), " 7 s");
  EXPECT_EQ(duree_texte(encode_time(0, 3, 4)), " 3 mn 4 s ");
  EXPECT_EQ(duree_texte(encode_time(1, 2, 3)), " 1 h 2 mn 3 s ");
}

TEST(TextUtils, SplitsLinesOnEveryKindOfLineEnd) {
  using V = std::vector<std::string_view>;
  EXPECT_EQ(split_lines(""), V{});
  EXPECT_EQ(split_lines("a"), V{"a"});
  EXPECT_EQ(split_lines("a\r\n"), V{"a"});
  EXPECT_EQ(split_lines("a\r\n\r\n"), (V{"a", ""}));
  EXPECT_EQ(split_lines("a\rb\nc\r\nd"), (V{"a", "b", "c", "d"}));
  EXPECT_EQ(split_lines("\n\n"), (V{"", ""}));
  EXPECT_EQ(join_lines_crlf({"a", ""}), "a\r\n\r\n");
}

TEST(TextUtils, NumberFormats) {
  set_system_decimal_separator(',');
  EXPECT_EQ(format_grouped(0), "0");
  EXPECT_EQ(format_grouped(12345), "12 345");
  EXPECT_EQ(format_grouped(1234567), "1 234 567");
  EXPECT_EQ(format_grouped(-1234), "-1 234");
  EXPECT_EQ(format_fixed(2.345, 2), "2.35");
  EXPECT_EQ(format_fixed(-0.004, 2), "-0.00");
  EXPECT_EQ(format_0_00(1.5), "1,5");
  EXPECT_EQ(format_0_00(2.0), "2");
  EXPECT_EQ(format_0_00(0.004), "0");
  EXPECT_EQ(format_0_00(0.125), "0,12");
  std::string value = "1.5;2,5";
  sep_decimal_systeme(value);
  EXPECT_EQ(value, "1,5;2,5");
}

}  // namespace
}  // namespace talve

namespace talve {
namespace {

// The byte-by-byte reading of line ends that the fast cutting must match.
std::vector<std::string> reference_lines(const std::string& text) {
  std::vector<std::string> lines;
  std::string current;
  bool open = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(current);
      current.clear();
      open = false;
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      current.push_back(c);
      open = true;
    }
  }
  if (open) lines.push_back(current);
  return lines;
}

TEST(TextUtils, SplitLinesAgreesWithAByteByByteReading) {
  std::mt19937 random(7);
  for (int round = 0; round < 40000; ++round) {
    // Short texts, and texts of several blocks of sixteen bytes, where a
    // CR LF pair may sit across two blocks.
    const std::string text = testing::random_line_ends(random, round % 2 == 0 ? 12 : 80);
    const auto lines = split_lines(text);
    const auto expected = reference_lines(text);
    ASSERT_EQ(lines.size(), expected.size()) << ::testing::PrintToString(text);
    for (std::size_t i = 0; i < lines.size(); ++i) ASSERT_EQ(lines[i], expected[i]);
  }
}

// Texts longer than the sample the line vector is reserved from, whose line
// lengths change after it (the reservation falls short or runs over), and
// the NUL byte seen in the same pass.
TEST(TextUtils, SplitLinesOfLongTextsAndTheirNulBytes) {
  std::mt19937 random(17);
  const auto lines_of = [&](std::size_t count, std::size_t longest, const char* end) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) text += std::string(random() % longest, 'x') + end;
    return text;
  };
  const std::string texts[] = {
      lines_of(30000, 4, "\n") + lines_of(2000, 200, "\r\n"),  // short lines first
      lines_of(800, 400, "\r\n") + lines_of(60000, 3, "\n"),   // long lines first: far more lines
      lines_of(40000, 6, "\r"),                                // CR alone
      std::string(100000, 'y'),                                // one line, no end
  };
  for (std::string text : texts) {
    for (const bool with_nul : {false, true}) {
      if (with_nul) text[random() % text.size()] = '\0';
      bool holds_nul = !with_nul;
      const auto lines = split_lines(text, &holds_nul);
      EXPECT_EQ(holds_nul, text.find('\0') != std::string::npos);
      const auto expected = reference_lines(text);
      ASSERT_EQ(lines.size(), expected.size());
      for (std::size_t i = 0; i < lines.size(); ++i) ASSERT_EQ(lines[i], expected[i]) << "line " << i;
    }
  }
}

}  // namespace
}  // namespace talve
