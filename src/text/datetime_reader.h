// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "text/date_groups.h"
#include "text/date_pattern.h"
#include "text/tdatetime.h"
#include "text/trace_sink.h"

namespace talve {

class CompiledDateTemplate;

// Reads the instants of data lines: a value and the pattern that describes
// its layout become the canonical text "dd/mm/yyyy hh:nn:ss"
// (`normalise_date_heure`), and that text becomes a TDateTime
// (`texte_vers_datetime`). Complaints (bad dates, inverted dates) go to the
// trace sink as tracking lines.
//
// The reader keeps what a listing or a run carries from one line to the
// next: the prepared pattern, the written date of a pattern that begins
// with one, the previous date and first-date flag of the multiformat
// readings, and the counts of dates read with their date part inverted.
// One reader lives in the workspace for the life of the program.
class DateTimeReader {
 public:
  explicit DateTimeReader(TraceSink* sink = nullptr) : m_sink(sink) {}

  void set_sink(TraceSink* sink) { m_sink = sink; }

  // --- lifecycle

  // A listing starts: the pattern is prepared afresh and the next
  // multiformat date is the first one.
  void listing_started();
  // A processing run starts: multiformat dates are compared from the first
  // one on, and the inverted-date counts start from 0.
  void run_started();
  // Dates read with their date part inverted since the run started.
  int inverted_total() const { return m_inverted_total; }

  // --- conversions

  // `normalise_date_heure`: the canonical text of the value; "??" for an
  // empty value; "" when the value holds no usable date (too few digits, or
  // fields out of range, traced with " + erreur date : "); "01/01/1900
  // 00:00:00" when the pattern has no year.
  std::string normalise_date_heure(std::string_view value, std::string_view pattern);

  // `date_multiformat`: the value read with one of the multiformat patterns
  // ("jj/mm/aaaa OU aaaa/mm/jj", "mm/dd/yyyy OU yyyy/dd/mm",
  // "multiformat_dt_mini_1èreUE", "multiformat_dt_mini_1èreUS"), day-first or
  // month-first decided per line; always a text "dd/mm/yyyy " + time.
  std::string date_multiformat(std::string_view value, std::string_view pattern);

  // `texte_vers_datetime` with this reader's trace sink.
  TDateTime texte_vers_datetime(std::string_view text, std::string& normalised);

 private:
  friend class CompiledDateTemplate;

  // The pattern ready for use, prepared again only when the pattern
  // differs from the one prepared last (a pattern changed between a
  // listing and a run is thus followed).
  const PreparedPattern& prepared(std::string_view pattern);

  // A value whose year field is not a number: counted, and the first of a
  // run of such values is traced.
  void count_inverted(std::string_view value);
  void year_was_number() { m_inverted_run = 0; }

  void trace(const std::string& line);

  // The value read group by group (see date_groups.h): the canonical text,
  // or "" (traced when refused). `counts_year`: a value read with its
  // four-digit year ends a run of inverted dates.
  std::string read_groups(std::string_view value, const DateGroups& groups, bool counts_year);

  // The canonical text of a value written with its offset from UTC at
  // `at`, moved to UTC; "" (traced) when the offset does not read.
  std::string in_utc(const std::string& canonical, std::string_view value, std::size_t at);

  TraceSink* m_sink;
  bool m_cache_valid = false;
  std::string m_cache_key;
  PreparedPattern m_cache;  // with the written date of the pattern
  TDateTime m_previous_date = 0;
  bool m_first_date = false;
  int m_inverted_total = 0;
  int m_inverted_run = 0;
};

}  // namespace talve
