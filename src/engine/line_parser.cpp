// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/line_parser.h"

#include <bit>
#include <cstdint>

#include "engine/plain_number.h"

namespace talve {
namespace {

// Powers of ten that a double holds exactly: a mantissa of at most 15
// digits divided by one of them is rounded once, as a correctly rounded
// reading of the text is.
constexpr double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                   1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

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
      m_cutting(settings.cutting()),
      m_one_date_field(!settings.two_date_columns && settings.datetime_columns.size() < 2),
      m_datetime_field(settings.datetime_column > 0 ? static_cast<std::size_t>(settings.datetime_column) : 0),
      m_reader(&m_tally),
      m_template(m_reader, settings.pattern),
      m_plain_numbers(m_fields.plain_numbers_read_as_written()),
      m_control(unreadable_bytes(settings.control_chars_unreadable)) {
  m_pending.resize(m_sources.size());
}

std::string_view LineParser::date_value() {
  if (m_one_date_field) return m_splitter.field(m_datetime_field);
  return date_value_from(m_splitter, m_settings, m_joined);
}

void LineParser::set_empty_first_field(bool counts) {
  m_settings.empty_first_field = counts;
  m_cutting.empty_first_field = counts;
}

ParsedKind LineParser::parse_line(std::string_view line, TDateTime& instant, double* values,
                                  std::uint8_t* missing) {
  if (line.empty()) return ParsedKind::Empty;
  if (m_splitter.cut(line, m_cutting, m_control) != CutOutcome::fields) return ParsedKind::Exact;
  m_line_begin = line.data();
  m_line_end = line.data() + line.size();
  const long long traced = m_tally.lines;
  const int inverted = m_reader.inverted_total();
  const DateReading reading = m_template.read(date_value());
  if (reading.outcome != DateOutcome::instant || m_tally.lines != traced ||
      m_reader.inverted_total() != inverted)
    return ParsedKind::Exact;
  instant = reading.instant;
  const bool decoded =
      m_plain_numbers ? decode_plain_fields(values, missing) : decode_fields(values, missing);
  return decoded ? ParsedKind::Plain : ParsedKind::Exact;
}

bool LineParser::decode_fields(double* values, std::uint8_t* missing) {
  for (std::size_t k = 0; k < m_sources.size(); ++k) {
    double value = 0;
    const FieldState state = m_fields.decode(m_splitter.field(m_sources[k]), value, m_rewritten);
    if (state == FieldState::conversion_problem) return false;
    values[k] = value;
    missing[k] = state != FieldState::value;
  }
  return true;
}

// The same outcome as decode_fields when the decoder reads plain numbers
// as written: empty fields and equivalence texts are missing, plain numbers
// are read here, anything else goes through the decoder.
//
// What the loop reads is held in locals, and the missing marks of plain
// numbers are written with their values after it: a store through a byte
// pointer may change any object, and such a store in the loop made the
// compiler read the members again for every field.
bool LineParser::decode_plain_fields(double* values, std::uint8_t* missing) {
  const NaRules& rules = m_fields.rules();
  const bool by_size = rules.all_short && rules.one_word_per_size;
  const NaRules::WordsBySize words = rules.words_by_size();
  const char* const line_begin = m_line_begin;
  const char* const line_end = m_line_end;
  const std::size_t* const sources = m_sources.data();
  const std::size_t count = m_sources.size();
  Pending* const pending = m_pending.data();
  std::size_t waiting = 0;
  for (std::size_t k = 0; k < count; ++k) {
    const std::string_view field = m_splitter.field(sources[k]);
    std::uint64_t word = 0;
    // A field of up to eight characters is loaded once, compared with the
    // equivalence texts and read from the same word.
    const bool loaded = load_text_word(field, line_begin, line_end, word);
    bool equivalent;
    if (loaded)
      equivalent =
          by_size ? words.equivalent(word, field.size()) : rules.equivalent_word(word, field.size(), field);
    else
      equivalent = !field.empty() && rules.equivalent(field);
    PlainNumber& number = pending[waiting].number;
    if (field.empty() || equivalent) {
      values[k] = 0;
      missing[k] = 1;
    } else if ((loaded && read_plain_word(word, static_cast<unsigned>(field.size()), number)) ||
               read_plain_number(field, line_begin, line_end, number)) {
      pending[waiting++].column = k;
    } else {
      double value = 0;
      const FieldState state = m_fields.decode(field, value, m_rewritten);
      if (state == FieldState::conversion_problem) return false;
      values[k] = value;
      missing[k] = state != FieldState::value;
    }
  }
  for (std::size_t i = 0; i < waiting; ++i) {
    const PlainNumber& number = pending[i].number;
    const double value = static_cast<double>(number.mantissa) / kExactPowers[number.scale];
    // The sign bit set without a branch: signs follow the data, and a
    // branch on them is mispredicted on every other field. The quotient is
    // never negative, so setting the bit is the negation.
    const std::size_t column = pending[i].column;
    values[column] =
        std::bit_cast<double>(std::bit_cast<std::uint64_t>(value) | (std::uint64_t{number.negative} << 63));
    missing[column] = 0;
  }
  return true;
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
