// SPDX-License-Identifier: GPL-3.0-or-later
// The splitter of the per-line path must give exactly the fields of champ_n,
// and its variant that looks for control bytes must refuse exactly the lines
// that hold one. Cut as a family of files says: a line without quotes as the
// plain split cuts it, an empty first field as a naive cut gives it, and the
// fields of a line with quotes, written again between quotes, cut back into
// themselves.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_support.h"
#include "text/field_cutting.h"
#include "text/text_utils.h"

namespace {

std::vector<std::string> fields_of(const talve::FieldSplitter& splitter) {
  std::vector<std::string> fields;
  for (std::size_t n = 1; n <= splitter.size(); ++n) fields.emplace_back(splitter.field(n));
  return fields;
}

// The fields with an empty first field for each separator in first place.
std::vector<std::string> naive_empty_first(std::string_view line, char separator) {
  if (separator != ' ' && !line.empty() && line.front() == separator) {
    std::vector<std::string> rest = naive_empty_first(line.substr(1), separator);
    rest.insert(rest.begin(), std::string());
    return rest;
  }
  talve::FieldSplitter splitter;
  splitter.split(line, separator);
  return fields_of(splitter);
}

// Every field between quotes, its quotes doubled.
std::string quoted_again(const std::vector<std::string>& fields, char separator) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line.push_back(separator);
    line.push_back('"');
    for (char c : fields[i]) {
      line.push_back(c);
      if (c == '"') line.push_back('"');
    }
    line.push_back('"');
  }
  return line;
}

void check_cutting(std::string_view line, char separator, std::uint8_t flags) {
  const talve::FieldCutting cutting{separator, (flags & 1) != 0, (flags & 2) != 0};
  talve::FieldSplitter splitter;
  const talve::CutOutcome outcome = splitter.cut(line, cutting, talve::ControlBytes::None);
  const std::vector<std::string> fields = fields_of(splitter);
  const bool quotes = cutting.quoted && line.find('"') != std::string_view::npos;
  if (!quotes) {
    if (outcome != talve::CutOutcome::fields) talve::fuzz::disagree();
    if (cutting.empty_first_field) {
      if (fields != naive_empty_first(line, separator)) talve::fuzz::disagree();
    } else {
      talve::FieldSplitter plain;
      plain.split(line, separator);
      if (fields != fields_of(plain)) talve::fuzz::disagree();
    }
    return;
  }
  if (outcome != talve::CutOutcome::fields || fields.empty()) return;
  // A line of a thousand fields written again stays linear: the first ones.
  if (fields.size() > 200) return;
  const std::string again = quoted_again(fields, separator);
  talve::FieldSplitter reread;
  if (reread.cut(again, cutting, talve::ControlBytes::None) != talve::CutOutcome::fields)
    talve::fuzz::disagree();
  if (fields_of(reread) != fields) talve::fuzz::disagree();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static constexpr char kSeparators[] = {';', ' ', ',', '\t'};
  const char separator = kSeparators[data[0] % 4];
  const std::string_view line(reinterpret_cast<const char*>(data + 1), size - 1);
  talve::FieldSplitter splitter;
  const std::size_t count = splitter.split(line, separator);
  // The first fields and the last ones: comparing every field of a line of
  // thousands would make each input quadratic and the fuzzer slow.
  auto check = [&](std::size_t n) {
    if (talve::champ_n(line, static_cast<int>(n), separator) != splitter.field(n)) talve::fuzz::disagree();
  };
  for (std::size_t n = 0; n <= count + 2 && n <= 40; ++n) check(n);
  for (std::size_t n = count > 3 ? count - 3 : 0; n <= count + 2; ++n) check(n);

  // The split that looks for control bytes in the same pass refuses the
  // lines that hold one, and cuts the others as the plain split does.
  const auto control = static_cast<talve::ControlBytes>(data[0] / 4 % 3);
  talve::FieldSplitter checked;
  const bool refused = !checked.split_unless_control(line, separator, control);
  if (refused != talve::holds_control_bytes(line, control)) talve::fuzz::disagree();
  if (!refused) {
    if (checked.size() != count) talve::fuzz::disagree();
    for (std::size_t n = 1; n <= count && n <= 40; ++n)
      if (checked.field(n) != splitter.field(n)) talve::fuzz::disagree();
  }
  check_cutting(line, separator, static_cast<std::uint8_t>(data[0] / 12 % 4));
  return 0;
}
