// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/end_of_data.h"

#include <algorithm>

#include "text/datetime_reader.h"

namespace talve {

long long last_dated_line(const LoadedFile& file, const DataBlock& block, std::string_view pattern,
                          const std::function<std::string(std::string_view)>& date_value) {
  // A reader of its own, without a trace sink: its counts and multiformat
  // state are not the listing's.
  DateTimeReader probe;
  const auto reads = [&](std::string_view line) {
    const std::string text = probe.normalise_date_heure(date_value(line), pattern);
    if (text.empty() || text == "??") return false;
    std::string normalised;
    return probe.texte_vers_datetime(text, normalised) != 0;
  };
  const auto size = static_cast<long long>(file.size());
  const long long lowest = std::max({block.first, size - static_cast<long long>(kEndSearchLines), 0LL});
  for (long long i = size - 1; i >= lowest; --i)
    if (reads(file.line_or_empty(i))) return i;
  return -1;
}

}  // namespace talve
