// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/texte_vers_datetime.h"

#include <optional>

#include "text/text_utils.h"

namespace talve {
namespace {

// "dd/mm/yyyy hh:nn:ss" with exactly these separators.
std::optional<TDateTime> read_canonical(std::string_view text) {
  if (text.size() != 19 || text[2] != '/' || text[5] != '/' || text[10] != ' ' || text[13] != ':' ||
      text[16] != ':')
    return std::nullopt;
  return parse_canonical(text);
}

// "hh:nn:ss", a time of day.
std::optional<TDateTime> read_time_of_day(std::string_view text) {
  if (text.size() != 8 || text[2] != ':' || text[5] != ':') return std::nullopt;
  int parts[3] = {0, 0, 0};
  for (int i = 0; i < 3; ++i) {
    const char high = text[static_cast<std::size_t>(i) * 3];
    const char low = text[static_cast<std::size_t>(i) * 3 + 1];
    if (high < '0' || high > '9' || low < '0' || low > '9') return std::nullopt;
    parts[i] = (high - '0') * 10 + (low - '0');
  }
  if (parts[0] > 23 || parts[1] > 59 || parts[2] > 59) return std::nullopt;
  return encode_time(parts[0], parts[1], parts[2]);
}

// The pieces of a text cut at "/", the n-th from 1, empty beyond the last.
std::string_view piece(std::string_view text, int n) {
  std::size_t start = 0;
  for (int i = 1; i < n; ++i) {
    const std::size_t slash = text.find('/', start);
    if (slash == std::string_view::npos) return {};
    start = slash + 1;
  }
  const std::size_t end = text.find('/', start);
  return text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

// Day-first or year-first dates written with "/" become day/month/year
// followed by the time.
void reorder_date(std::string& text, bool year_first) {
  remplacer_car(' ', '/', text);
  const std::string_view all = text;
  const std::string_view first = piece(all, 1), month = piece(all, 2), third = piece(all, 3),
                         time = piece(all, 4);
  const std::string_view day = year_first ? third : first;
  const std::string_view year = year_first ? first : third;
  std::string rebuilt;
  rebuilt.reserve(19);
  rebuilt.append(day).append("/").append(month).append("/").append(year).append(" ").append(time);
  text = std::move(rebuilt);
}

}  // namespace

std::string date_error_line(std::string_view rebuilt, std::string_view given) {
  std::string line = " * erreur date : ";
  line.append(rebuilt).append("   <").append(given).append(">");
  return line;
}

TDateTime texte_vers_datetime(std::string_view given, std::string& normalised, TraceSink& trace) {
  normalised.clear();
  std::string text = trim(given);
  remplacer_tout("  ", " ", text);
  if (!text.empty() && text.back() == ':') text.pop_back();
  if (text.size() == 10)
    text += " 00:00:00";
  else if (text.size() == 13)
    text += ":00:00";
  else if (text.size() == 16)
    text += ":00";
  if (text.size() != 19 && text.size() != 8) return 0;

  remplacer_car('-', '/', text);
  const std::size_t slash = text.find('/');
  if (slash == 4 || slash == 2) reorder_date(text, slash == 4);

  // Texts that pass the character checks can still name no instant (31
  // February, hour 29, year 0000): they are refused and traced like the
  // ones that fail the checks, rather than read as some other day.
  const std::optional<TDateTime> instant =
      text.size() == 8 && text.find('/') == std::string::npos ? read_time_of_day(text) : read_canonical(text);
  if (!instant) {
    trace.ajout_suivi(date_error_line(text, given));
    return 0;
  }
  normalised = std::move(text);
  return *instant;
}

}  // namespace talve
