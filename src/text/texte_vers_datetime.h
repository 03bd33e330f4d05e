// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "text/tdatetime.h"
#include "text/trace_sink.h"

namespace talve {

// `texte_vers_datetime`: the lenient reading of a date-time text. Accepts
// the canonical "dd/mm/yyyy hh:nn:ss", the year-first "yyyy/mm/dd ..." (with
// "/" or "-"), the date alone or with hours or hours and minutes only, and a
// time of day "hh:nn:ss" alone (on day 0). The text re-ordered to the
// canonical form is written to `normalised`.
//
// Gives 0 with `normalised` empty when the text is empty or has no usable
// length. A text of the right form that is no calendar instant (31/02/2022,
// hour 29, year 0000, letters in a field) also gives 0 and `normalised`
// empty, and the trace gets " * erreur date : " with the re-ordered text and
// the text as given.
TDateTime texte_vers_datetime(std::string_view text, std::string& normalised, TraceSink& trace);

// The trace line written for a text that is no instant.
std::string date_error_line(std::string_view rebuilt, std::string_view given);

}  // namespace talve
