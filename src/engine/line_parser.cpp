// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/line_parser.h"

namespace talve {
namespace {

std::size_t field_index(int column) { return column > 0 ? static_cast<std::size_t>(column) : 0; }

}  // namespace

void ParsedBlock::resize(std::size_t lines, std::size_t data_columns) {
  columns = data_columns;
  kinds.resize(lines);
  instants.resize(lines);
  values.resize(lines * data_columns);
  missing.resize(lines * data_columns);
}

LineParser::LineParser(const DecodeSettings& settings, const FieldDecoder& fields,
                       std::vector<std::size_t> sources)
    : m_settings(settings),
      m_fields(fields),
      m_sources(std::move(sources)),
      m_datetime_column(field_index(settings.datetime_column)),
      m_date_column(field_index(settings.date_column)),
      m_time_column(field_index(settings.time_column)),
      m_reader(&m_tally),
      m_template(m_reader, settings.pattern) {}

std::string_view LineParser::date_value() {
  if (!m_settings.two_date_columns) return m_splitter.field(m_datetime_column);
  m_joined.assign(m_splitter.field(m_date_column));
  m_joined.push_back(' ');
  m_joined.append(m_splitter.field(m_time_column));
  return m_joined;
}

ParsedKind LineParser::parse_line(std::string_view line, TDateTime& instant, double* values,
                                  std::uint8_t* missing) {
  if (line_unreadable(line, m_settings.control_chars_unreadable)) return ParsedKind::Exact;
  if (line.empty()) return ParsedKind::Empty;
  m_splitter.split(line, m_settings.split);
  const long long traced = m_tally.lines;
  const int inverted = m_reader.inverted_total();
  const DateReading reading = m_template.read(date_value());
  if (reading.outcome != DateOutcome::instant || m_tally.lines != traced ||
      m_reader.inverted_total() != inverted)
    return ParsedKind::Exact;
  instant = reading.instant;
  for (std::size_t k = 0; k < m_sources.size(); ++k) {
    double value = 0;
    const FieldState state = m_fields.decode(m_splitter.field(m_sources[k]), value, m_rewritten);
    if (state == FieldState::conversion_problem) return ParsedKind::Exact;
    values[k] = value;
    missing[k] = state != FieldState::value;
  }
  return ParsedKind::Plain;
}

void LineParser::parse(const std::vector<std::string_view>& lines, std::size_t begin, std::size_t end,
                       ParsedBlock& block, std::size_t at) {
  const std::size_t columns = block.columns;
  for (std::size_t i = begin; i < end; ++i, ++at) {
    block.kinds[at] = parse_line(lines[i], block.instants[at], block.values.data() + at * columns,
                                 block.missing.data() + at * columns);
  }
}

}  // namespace talve
