// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "text/date_groups.h"
#include "text/datetime_reader.h"
#include "text/tdatetime.h"

namespace talve {

// What reading one value gave, in the terms of the text path
// (`normalise_date_heure` then `texte_vers_datetime` on its result).
enum class [[nodiscard]] DateOutcome{
    instant,        // a canonical text that names an instant
    invalid,        // a canonical text that names none (traced " * erreur date : "); instant 0
    no_date,        // "": too few digits, or fields out of range; instant 0
    no_value,       // "??": the value was empty; instant 0
    not_canonical,  // a text of another length than 19 characters; instant 0
};

struct DateReading {
  DateOutcome outcome = DateOutcome::no_date;
  TDateTime instant = 0;
};

// A pattern worked out once into the positions of its fields, for the
// reading of every data line of a run: a value becomes its instant without
// any intermediate text and without allocating, except on the rare lines
// that are traced. The result, the tracking lines and the inverted-date
// counts are those of the text path; the multiformat patterns simply take
// the text path.
//
// The template shares the reader's state (inverted-date counts, trace sink,
// multiformat state) and must not outlive it.
class CompiledDateTemplate {
 public:
  CompiledDateTemplate(DateTimeReader& reader, std::string_view pattern);

  DateReading read(std::string_view value);

  const std::string& pattern() const { return m_pattern; }
  // A multiformat pattern reads each date against the one before it: its
  // lines must be read in order, by one reader.
  bool reads_in_order() const { return m_multiformat; }
  // A four-digit year that reads as a number ends a run of inverted dates
  // in the reader (see DateTimeReader::year_was_number).
  bool has_four_digit_year() const { return m_has_year && m_layout.four_digit_year; }
  // What reading a value with a numeric four-digit year does to the
  // reader, for a value that was read by another template (a parser on
  // another thread): the run of inverted dates ends.
  void note_numeric_year() {
    if (has_four_digit_year()) m_reader->year_was_number();
  }

 private:
  // Where the fields of one form of the pattern are.
  struct Layout {
    bool four_digit_year = false;
    std::size_t year = 0;  // "aaaa", or "aa" for a two-digit year
    // npos for a month, day, hour or minutes the pattern lacks.
    std::size_t month = 0, day = 0, hour = 0, minute = 0, second = 0;
    bool has_seconds = false;
    char century[2] = {0, 0};
    std::size_t century_position = 0;
  };
  static Layout layout_of(std::string_view pattern);

  DateReading read_through_text(std::string_view value);
  void set_up_plain_reading();
  [[nodiscard]] bool read_plain(std::string_view value, DateReading& reading);
  // Fills the working copy (quotes, date alone, time alone, written date);
  // returns its length.
  std::size_t working_copy(std::string_view value, char* out) const;
  // The instant read moved to UTC when the pattern has an offset group;
  // `work` is the value as the pattern's positions read it.
  DateReading in_utc(const DateReading& local, std::string_view work);
  DateReading fields_to_instant(std::string_view day, std::string_view month, std::string_view year,
                                std::string_view hour, std::string_view minute, std::string_view second);
  // A canonical text of 19 characters as an instant, as the text reading
  // would convert it (traced when it names no instant).
  DateReading canonical_to_instant(std::string_view canonical);
  // The value read group by group (see date_groups.h).
  DateReading read_groups(std::string_view work, const DateGroups& groups, bool counts_year);

  DateTimeReader* m_reader;
  std::string m_pattern;
  bool m_multiformat = false;
  bool m_date_alone = false;  // the value gets " 00:00:00"
  bool m_time_alone = false;  // a value of 8 characters gets today's date
  bool m_has_year = false;
  // Every value is read group by group (the pattern holds "qqq", "ee",
  // "pp" or "uu..."), or only those written with fewer digits than the
  // groups (`m_unpadded`, patterns without an offset from UTC).
  bool m_by_groups = false;
  bool m_unpadded = false;
  int m_least_numerics = 10;
  std::string m_literal_date_prefix;
  std::size_t m_utc_offset = std::string::npos;  // "zzzzzz" in the value
  Layout m_layout;
  Layout m_inverted;  // the date part the other way round, for non-numeric years
  // The last calendar date read (day, month and year digits) and its value:
  // the lines of a logger file share their date by the hundred.
  char m_last_date[8] = {};
  TDateTime m_last_day = 0;
  bool m_has_last_date = false;
  // The plain reading: a four-digit year, every field inside the value.
  bool m_plain = false;
  std::size_t m_plain_size = 0;
  // The bytes of the year, month and day of m_plain_day as one word, once
  // a date was read (the bytes of any value can be any word, zero too).
  std::uint64_t m_plain_date_bytes = 0;
  bool m_has_plain_date = false;
  TDateTime m_plain_day = 0;
  // The groups of the pattern (and of its date part the other way round),
  // after the members the plain reading uses on every line.
  DateGroups m_groups;
  DateGroups m_inverted_groups;
};

// The instant a pattern reads in a value, silently (no tracking line, no
// state kept): nothing when the pattern does not read that value. The
// proposals of a pattern for a sample value are checked with it.
std::optional<TDateTime> instant_read(std::string_view pattern, std::string_view value);

}  // namespace talve
