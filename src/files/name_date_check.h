// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/tdatetime.h"

namespace talve {

// A date pattern that reads, but wrongly (day and month swapped...), gives
// instants far from the date the file's name holds. The listing compares
// the two for every pre-read file.

// The date a file name holds: the date rule's (`Edit_f_date_fichier`) when
// one is set, else a date written "aaaammjj" in the name (kervel_20240301).
// Nothing when the name holds none; nothing is traced.
std::optional<TDateTime> file_name_date(std::string_view name, std::string_view rule);

// The file's first instant lies further from the date of its name than the
// file's own span and a day: its dates were not read as the name says.
bool far_from_name_date(TDateTime first, TDateTime last, TDateTime name_date);

struct NameDateMismatch {
  std::string file;
  TDateTime first = 0;
  TDateTime name_date = 0;
};

// The tracking line of one file.
std::string name_date_trace_line(const NameDateMismatch& mismatch, std::string_view pattern);
// The box shown once at the end of the listing.
std::string name_date_box_text(const std::vector<NameDateMismatch>& mismatches, std::string_view pattern);

}  // namespace talve
