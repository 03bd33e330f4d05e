// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/column_map.h"
#include "engine/field_decoder.h"
#include "text/compiled_date_template.h"
#include "text/field_cutting.h"
#include "text/text_utils.h"
#include "text/trace_sink.h"

namespace talve {

class DataDescription;

// How the lines of the files are laid out, read once per run.
struct DecodeSettings {
  char split = ';';  // the split character of the separator choice
  bool two_date_columns = false;
  int datetime_column = 1;  // one-column mode
  int date_column = 1;      // two-column mode
  int time_column = 2;
  // The date pattern, trimmed; with two columns the date pattern, a blank
  // and the time pattern.
  std::string pattern;
  bool control_chars_unreadable = false;  // `CheckBox_car_null`
  // One-column mode, a date-time written over several columns ("2+3+4"):
  // their fields joined by one blank are the value; empty for one column,
  // `datetime_column`.
  std::vector<int> datetime_columns = {};
  bool quoted = false;  // `CheckBox_guillemets`
  // The empty first field of a line that begins with the separator counts
  // (field_cutting.h): set for each file from its title line.
  bool empty_first_field = false;

  static DecodeSettings read(const DataDescription& description);
  int date_column_count() const {
    return two_date_columns ? 2 : std::max(1, static_cast<int>(datetime_columns.size()));
  }
  // Whether a source column holds (part of) the date-time.
  bool is_date_column(int column) const;
  FieldCutting cutting() const { return FieldCutting{split, quoted, empty_first_field}; }
};

// What decoding counted in one file.
struct DecodeCounters {
  long long decoded = 0;              // lines visited from the first data line on
  long long problem_lines = 0;        // unreadable lines
  long long conversion_problems = 0;  // numbers refused with the system decimal mark
  long long extracted = 0;            // lines folded into the grid, "n.extraites"
};

// A line holding a NUL of the file (0x01 in the loaded lines) or, when
// asked, any control character other than TAB, LF and CR.
bool line_unreadable(std::string_view line, bool control_chars_unreadable);
// The bytes that make a line unreadable, for the splitter that looks for
// them while it cuts the fields.
inline ControlBytes unreadable_bytes(bool control_chars_unreadable) {
  return control_chars_unreadable ? ControlBytes::AllButTabAndLineEnds : ControlBytes::StartOfHeading;
}

// Counts an unreadable line and traces the first two ("ligne " + k + " pb "
// + its first 30 characters) and, at the third, "ligne " + k + " pb etc
// ......... ".
void note_unreadable_line(std::string_view line, long long line_number, DecodeCounters& counters,
                          TraceSink& log);

// The value the date reading sees in one line, from the line as written:
// the date-time field (or the fields of its columns joined by blanks), or
// the date field, a blank and the time field.
std::string date_value_of(std::string_view line, const DecodeSettings& settings);

// The same value from the fields of a line already cut; `joined` holds it
// when it is made of several fields.
std::string_view date_value_from(const FieldSplitter& fields, const DecodeSettings& settings,
                                 std::string& joined);

// Decodes the lines of a run: each line is split once, its instant read
// through the compiled date pattern, and, for the lines that fall in the
// grid, its data fields turned into values or the missing mark.
class LineDecoder {
 public:
  LineDecoder(const DecodeSettings& settings, FieldDecoder fields, DateTimeReader& dates);

  // Cuts the line into its fields; false when a quote is out of place (a
  // problem line, nothing more is read of it).
  [[nodiscard]] bool cut(std::string_view line) {
    return m_splitter.cut(line, m_cutting, ControlBytes::None) != CutOutcome::misplaced_quote;
  }
  // Reads the instant of the line cut last (0 when the date does not read).
  TDateTime read_instant() {
    m_reading = m_template.read(date_value());
    return m_reading.outcome == DateOutcome::instant ? m_reading.instant : 0.0;
  }
  // Cuts the line and reads its instant.
  TDateTime read_instant(std::string_view line) {
    static_cast<void>(cut(line));
    return read_instant();
  }
  // The file read next: whether its empty first fields count.
  void set_empty_first_field(bool counts) {
    m_settings.empty_first_field = counts;
    m_cutting.empty_first_field = counts;
  }
  // The instant text of the line read last, for the correction traces: the
  // canonical text, "??" for an empty value, "" for no date, else the value.
  std::string instant_text() const;

  // The output columns, fixed at the first file.
  void set_columns(const ColumnMap& map);
  // Source field of each data column, once the columns are fixed.
  const std::vector<std::size_t>& sources() const { return m_sources; }

  // For lines read by a LineParser on another thread: the reader's state
  // moves as if this decoder had read a line with a valid date.
  void note_valid_date_read() { m_template.note_numeric_year(); }
  // The pattern must be read line after line by one reader.
  bool reads_in_order() const { return m_template.reads_in_order(); }
  // The data fields of the line read last: values[k], missing[k] for output
  // column k + 2. Conversion problems are counted and the first two traced
  // as "pb conversion <" + field + "> ligne " + k.
  void decode_fields(long long line_number, DecodeCounters& counters, TraceSink& log, double* values,
                     std::uint8_t* missing);

 private:
  std::string_view date_value();

  DecodeSettings m_settings;
  FieldCutting m_cutting;
  bool m_one_date_field;  // the date-time is one field, found at once
  std::size_t m_datetime_field;
  FieldSplitter m_splitter;
  CompiledDateTemplate m_template;
  FieldDecoder m_fields;
  std::vector<std::size_t> m_sources;  // source field of each data column
  std::string m_joined;                // date + " " + time, reused from line to line
  DateReading m_reading;
  std::string m_rewritten;
};

}  // namespace talve
