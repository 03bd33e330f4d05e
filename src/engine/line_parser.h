// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/decoding.h"
#include "engine/field_decoder.h"
#include "engine/plain_number.h"
#include "text/compiled_date_template.h"
#include "text/datetime_reader.h"
#include "text/text_utils.h"
#include "text/trace_sink.h"

namespace talve {

// What a LineParser made of a line.
enum class ParsedKind : std::uint8_t {
  Plain,  // a valid instant and every field read without a trace
  Empty,  // an empty line: counted, nothing else
  Exact,  // anything else: the line goes through the engine's own path
};

// The parse of a block of lines: per line its kind and instant, and per
// data column its value and missing mark (line i, column k at i * columns + k).
struct ParsedBlock {
  std::vector<ParsedKind> kinds;
  std::vector<TDateTime> instants;
  std::vector<double> values;
  std::vector<std::uint8_t> missing;
  std::size_t columns = 0;

  void resize(std::size_t lines, std::size_t data_columns);
};

// Reads lines into a ParsedBlock without touching anything shared: its own
// date reader (whose traces and counters are thrown away), splitter and
// buffers. Any line whose reading would leave a trace, count a problem or
// depend on the lines before it is marked Exact, so that the engine reads it
// again, in order, with the run's own reader: the result is the same as a
// reading of every line in order, while the plain lines, nearly all of them,
// are read on several threads at once.
class LineParser {
 public:
  LineParser(const DecodeSettings& settings, const FieldDecoder& fields, std::vector<std::size_t> sources);
  LineParser(const LineParser&) = delete;
  LineParser& operator=(const LineParser&) = delete;

  // The file read next: whether its empty first fields count.
  void set_empty_first_field(bool counts);

  // Lines [begin, end) of `lines` into `block`, line begin at index `at`.
  void parse(const std::vector<std::string_view>& lines, std::size_t begin, std::size_t end,
             ParsedBlock& block, std::size_t at);

 private:
  // Counts what the reader would have traced.
  class Tally : public TraceSink {
   public:
    void ajout_suivi(const std::string&) override { ++lines; }
    long long lines = 0;
  };

  ParsedKind parse_line(std::string_view line, TDateTime& instant, double* values, std::uint8_t* missing);
  [[nodiscard]] bool decode_fields(double* values, std::uint8_t* missing);
  [[nodiscard]] bool decode_plain_fields(double* values, std::uint8_t* missing);
  std::string_view date_value();

  DecodeSettings m_settings;
  FieldDecoder m_fields;
  std::vector<std::size_t> m_sources;
  FieldCutting m_cutting;
  // The date-time is one field, found at once (the usual layout).
  bool m_one_date_field;
  std::size_t m_datetime_field;
  Tally m_tally;
  DateTimeReader m_reader;
  CompiledDateTemplate m_template;
  FieldSplitter m_splitter;
  std::string m_joined;
  std::string m_rewritten;
  bool m_plain_numbers = false;
  ControlBytes m_control;
  // Numbers waiting for their one division, done together at the end of a
  // line so that the divisions of a line overlap instead of each waiting
  // for the one before.
  struct Pending {
    PlainNumber number;
    std::size_t column;
  };
  // The line being read: plain numbers read their digits eight bytes at a
  // time within it.
  const char* m_line_begin = nullptr;
  const char* m_line_end = nullptr;
  std::vector<Pending> m_pending;
};

}  // namespace talve
