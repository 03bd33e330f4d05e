// SPDX-License-Identifier: GPL-3.0-or-later
// The splitter of the per-line path must give exactly the fields of champ_n,
// and its variant that looks for control bytes must refuse exactly the lines
// that hold one.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_support.h"
#include "text/text_utils.h"

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
  if (refused) return 0;
  if (checked.size() != count) talve::fuzz::disagree();
  for (std::size_t n = 1; n <= count && n <= 40; ++n)
    if (checked.field(n) != splitter.field(n)) talve::fuzz::disagree();
  return 0;
}
