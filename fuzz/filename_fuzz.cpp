// SPDX-License-Identifier: GPL-3.0-or-later
// A rule and a file name from the input: the station and date rules never
// fail, and a date they give is always a "yyyy/mm/dd" text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "text/clock.h"
#include "text/filename_rules.h"
#include "text/text_utils.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  talve::set_fixed_now(45000.5);
  const auto [rule, name] = talve::fuzz::head_and_rest(data, size);
  talve::NullTraceSink sink;
  talve::station_nom_fichier(name, rule);
  talve::nom_syllabes(name);
  const std::vector<std::string_view> lines = talve::split_lines(name);
  talve::station_contenu(lines, rule);
  talve::TDateTime date = 0;
  const std::string text = talve::date_nom_fichier(name, rule, date, sink);
  if (!text.empty()) {
    if (text.size() != 10 || text[4] != '/' || text[7] != '/') talve::fuzz::disagree();
  }
  return 0;
}
