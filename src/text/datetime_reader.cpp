// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/datetime_reader.h"

#include <algorithm>
#include <optional>

#include "text/clock.h"
#include "text/date_groups.h"
#include "text/text_utils.h"
#include "text/texte_vers_datetime.h"

namespace talve {
namespace {

// A value written between double quotes loses them: the opening one always,
// the closing one when it is the last character.
void strip_quotes(std::string& value) {
  if (value.empty() || value.front() != '"') return;
  value.erase(0, 1);
  const std::size_t closing = value.find('"');
  if (closing != std::string::npos && closing + 1 == value.size()) value.pop_back();
}

std::string field(std::string_view value, std::string_view pattern, std::string_view group) {
  return std::string(copy_at(value, group_position(pattern, group), 2));
}

// A group the pattern lacks reads as a fixed value: a date alone is at
// midnight, a month alone on its first day.
std::string field_or(std::string_view value, std::string_view pattern, std::string_view group,
                     std::string_view absent) {
  return has_group(pattern, group) ? field(value, pattern, group) : std::string(absent);
}

}  // namespace

void DateTimeReader::listing_started() {
  m_cache_valid = false;
  m_first_date = true;
}

void DateTimeReader::run_started() {
  m_first_date = false;
  m_inverted_total = 0;
  m_inverted_run = 0;
}

const PreparedPattern& DateTimeReader::prepared(std::string_view pattern) {
  if (!m_cache_valid || m_cache_key != pattern) {
    m_cache = prepare_pattern(pattern);
    m_cache_key = pattern;
    m_cache_valid = true;
  }
  return m_cache;
}

void DateTimeReader::trace(const std::string& line) {
  if (m_sink) m_sink->ajout_suivi(line);
}

void DateTimeReader::count_inverted(std::string_view value) {
  ++m_inverted_total;
  if (++m_inverted_run == 1) trace(std::string(value) + " date inversée mais corrigée");
}

TDateTime DateTimeReader::texte_vers_datetime(std::string_view text, std::string& normalised) {
  NullTraceSink none;
  return talve::texte_vers_datetime(text, normalised, m_sink ? *m_sink : none);
}

std::string DateTimeReader::read_groups(std::string_view value, const DateGroups& groups, bool counts_year) {
  char canonical[kCanonicalSize];
  std::string line;
  switch (read_by_groups(value, groups, canonical, line)) {
    case GroupReading::read:
      if (counts_year && groups.has(DateGroupKind::year)) year_was_number();
      return std::string(canonical, kCanonicalSize);
    case GroupReading::refused:
      trace(line);
      return "";
    case GroupReading::silent:
      break;
  }
  return "";
}

std::string DateTimeReader::normalise_date_heure(std::string_view given, std::string_view given_pattern) {
  if (given.empty()) return "??";
  if (is_multiformat_pattern(given_pattern)) return date_multiformat(given, given_pattern);

  const PreparedPattern& ready = prepared(given_pattern);
  std::string pattern = ready.pattern;
  std::string value(given);
  strip_quotes(value);
  if (ready.read_by_groups) return read_groups(value, date_groups_of(pattern), true);
  if (pattern.size() == 10) {  // a date alone
    pattern += "_hh_mn_ss";
    value += " 00:00:00";
  }
  if (pattern == kPatternTimeAlone) {  // dated today
    if (value.size() == 8) value = format_date(now()) + " " + value;
    pattern = kPatternDayFirst;
  }
  if (value.size() == 8 && !ready.literal_date_prefix.empty()) value = ready.literal_date_prefix + value;
  const bool positions_only = ready.utc_offset != std::string::npos;
  if (!positions_only) {
    const DateGroups groups = date_groups_of(pattern);
    if (fits_unpadded(value, groups)) return read_groups(value, groups, true);
  }
  if (compter_numeriques(value) < least_numerics(pattern)) return "";
  if (!has_group(pattern, "aa")) return std::string(kInstantWithoutYear);

  std::string year;
  if (has_group(pattern, "aaaa")) {
    year = copy_at(value, pattern.find("aaaa"), 4);
    if (est_nombre(year)) {
      year_was_number();
    } else {
      pattern = inverted_pattern(pattern);
      count_inverted(value);
      const DateGroups inverted = date_groups_of(pattern);
      if (!positions_only && fits_unpadded(value, inverted)) return read_groups(value, inverted, false);
      year = copy_at(value, pattern.find("aaaa"), 4);
    }
  } else {
    const Century century = century_of(pattern);
    const std::string digits(century.digits);
    value.insert(std::min(century.position, value.size()), digits);
    year = digits + std::string(copy_at(value, pattern.find("aa"), 2));
  }

  const std::string month = field_or(value, pattern, "mm", "01");
  const std::string day = field_or(value, pattern, "jj", "01");
  const std::string hour = field_or(value, pattern, "hh", "00");
  const std::size_t minutes_at = minutes_position(pattern);
  const std::string minutes =
      minutes_at == std::string::npos ? "00" : std::string(copy_at(value, minutes_at, 2));
  if (!fields_pass_checks(day, month, hour, minutes)) {
    trace(" + erreur date : " + day + "/" + month + "/" + year + " " + hour + ":" + minutes + ":" +
          "  corriger <" + value + ">");
    return "";
  }
  std::string seconds = has_group(pattern, "ss") ? field(value, pattern, "ss") : "00";
  if (seconds.empty()) seconds = "00";
  std::string canonical = day + "/" + month + "/" + year + " " + hour + ":" + minutes + ":" + seconds;
  if (canonical.size() == kCanonicalSize) roll_hour_24(canonical.data());
  if (ready.utc_offset == std::string::npos) return canonical;
  return in_utc(canonical, value, ready.utc_offset);
}

std::string DateTimeReader::in_utc(const std::string& canonical, std::string_view value, std::size_t at) {
  // A text of another length names no instant (the run reads it as 0):
  // there is nothing to move, and nothing to complain about.
  if (canonical.size() != kCanonicalSize) return canonical;
  NullTraceSink silent;
  std::string normalised;
  const TDateTime local = talve::texte_vers_datetime(canonical, normalised, silent);
  // No calendar instant: the caller's reading refuses and traces it.
  if (normalised.empty()) return canonical;
  const std::optional<int> offset = utc_offset_minutes(value, at);
  const std::optional<TDateTime> utc = offset ? instant_in_utc(local, *offset) : std::nullopt;
  if (!utc) {
    trace(utc_offset_error_line(value, at));
    return "";
  }
  return format_canonical(*utc);
}

}  // namespace talve
