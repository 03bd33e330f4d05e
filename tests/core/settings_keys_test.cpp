// SPDX-License-Identifier: GPL-3.0-or-later
// Every setting key written as a string literal in the program's sources is
// a key of the settings table. A misspelt key throws only when the code
// that reads it runs: here it fails at once.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings_table.h"

namespace talve {
namespace {

struct Literal {
  std::string text;    // as written, escapes kept
  std::string before;  // the code just before its opening quote
  int line = 0;
};

bool identifier_char(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// A quote that follows a number is a digit separator (86'400'000).
bool digit_separator(const std::string& s, std::size_t quote) {
  std::size_t k = quote;
  while (k > 0 && (identifier_char(s[k - 1]) || s[k - 1] == '\'')) --k;
  return k < quote && std::isdigit(static_cast<unsigned char>(s[k]));
}

// The string literals of a C++ source, outside comments and character
// literals; raw literals are skipped.
std::vector<Literal> string_literals(const std::string& s) {
  std::vector<Literal> out;
  int line = 1;
  auto skip_to = [&](std::size_t from, std::size_t to) {
    for (std::size_t k = from; k < to && k < s.size(); ++k)
      if (s[k] == '\n') ++line;
    return std::min(to, s.size());
  };
  std::size_t i = 0;
  while (i < s.size()) {
    const char c = s[i];
    if (s.compare(i, 2, "//") == 0) {
      i = skip_to(i, s.find('\n', i));
    } else if (s.compare(i, 2, "/*") == 0) {
      const std::size_t end = s.find("*/", i + 2);
      i = skip_to(i, end == std::string::npos ? s.size() : end + 2);
    } else if (c == '\'' && !digit_separator(s, i)) {
      std::size_t j = i + 1;
      while (j < s.size() && s[j] != '\'') j += s[j] == '\\' ? 2 : 1;
      i = j + 1;
    } else if (c == '"' && i > 0 && s[i - 1] == 'R' && (i < 2 || !identifier_char(s[i - 2]))) {
      const std::size_t open = s.find('(', i);
      const std::string close = ")" + s.substr(i + 1, open - i - 1) + "\"";
      const std::size_t end = s.find(close, open);
      i = skip_to(i, end == std::string::npos ? s.size() : end + close.size());
    } else if (c == '"') {
      Literal literal;
      literal.line = line;
      literal.before = s.substr(i >= 40 ? i - 40 : 0, i >= 40 ? 40 : i);
      std::size_t j = i + 1;
      while (j < s.size() && s[j] != '"' && s[j] != '\n') {
        const std::size_t width = s[j] == '\\' ? 2 : 1;
        literal.text.append(s, j, width);
        j += width;
      }
      out.push_back(std::move(literal));
      i = j + 1;
    } else {
      if (c == '\n') ++line;
      ++i;
    }
  }
  return out;
}

// Whether a literal names a setting: shaped as the description's keys are
// (a control name with ".text", ".Checked", ".caption", "_ItemIndex" or
// ".ItemIndex"), handed to a description accessor, or named like the keys
// that have no such ending (the folders, the offset and drift pickers, the
// chart lists).
bool names_a_setting(const Literal& literal) {
  static const std::regex kShaped(
      "[A-Za-z][A-Za-z0-9_]*(\\.text|\\.Checked|\\.caption|_ItemIndex|\\.ItemIndex)");
  static const std::regex kAccessor(
      "\\b(text|checked|choice|time|assign|set_text|set_checked|set_choice|set_time|relative_form|"
      "set_relative_form|choice_captions|setting_index|setting_index_nocase)\\(\\s*$");
  static constexpr std::string_view kBareFamilies[] = {"dossier_", "DateTimePicker_", "TimePicker_deca",
                                                       "TimePicker_deriv", "suite_coche_"};
  if (std::regex_match(literal.text, kShaped)) return true;
  if (std::regex_search(literal.before, kAccessor)) return true;
  for (std::string_view family : kBareFamilies)
    if (literal.text.starts_with(family)) return true;
  return false;
}

std::vector<std::string> setting_literals(const std::string& source) {
  std::vector<std::string> out;
  for (const Literal& literal : string_literals(source))
    if (names_a_setting(literal)) out.push_back(literal.text);
  return out;
}

TEST(SettingKeys, LiteralsThatNameASettingAreFound) {
  struct Case {
    const char* source;
    std::vector<std::string> found;
  };
  const Case cases[] = {
      {"d.checked(\"CheckBox_recursif.Checked\");", {"CheckBox_recursif.Checked"}},
      {"d.text(\n    \"dossier_choisi\")", {"dossier_choisi"}},
      {"d.time(\"TimePicker_decallage\")", {"TimePicker_decallage"}},
      {"const char* k = \"DateTimePicker_debut\";", {"DateTimePicker_debut"}},
      {"d.assign(\"Edit_masque\", \"csv\");", {"Edit_masque"}},
      {"{\"RadioGroup_methode_ItemIndex\", \"RadioGroup_coul_nb.ItemIndex\"}",
       {"RadioGroup_methode_ItemIndex", "RadioGroup_coul_nb.ItemIndex"}},
      // Captions and controls that are no settings, comments, character
      // literals and digit separators.
      {"ws.set_caption(\"Label_patienter\", \"x\"); set_visible(\"TimePicker_pas\", true);", {}},
      {"// d.text(\"Edit_faux.text\")\n/* \"Edit_faux2.text\" */", {}},
      {"const long long ms = 86'400'000; char q = '\"'; f(\"Edit_nb_decimale.text\");",
       {"Edit_nb_decimale.text"}},
      {"s = \"a \\\"Edit_x.text\\\"\"; t = R\"(d.text(\"Edit_raw.text\"))\";", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(setting_literals(c.source), c.found) << c.source;
}

TEST(SettingKeys, EveryKeyWrittenInTheSourcesIsInTheSettingsTable) {
  const std::filesystem::path sources = std::filesystem::path(TALVE_SOURCE_DIR) / "src";
  int keys = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(sources)) {
    const std::string extension = entry.path().extension().string();
    if (extension != ".cpp" && extension != ".h") continue;
    std::ifstream in(entry.path(), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    for (const Literal& literal : string_literals(text.str())) {
      if (!names_a_setting(literal)) continue;
      ++keys;
      EXPECT_GE(setting_index(literal.text), 0)
          << entry.path().lexically_relative(sources).string() << ":" << literal.line << ": \""
          << literal.text << "\" is no setting key";
    }
  }
  // The sources name settings in a few hundred places: a scan that finds
  // far fewer has stopped seeing them.
  EXPECT_GT(keys, 300);
}

}  // namespace
}  // namespace talve
