// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/decoding.h"

#include <cstring>

#include "core/data_description.h"
#include "files/listing_settings.h"
#include "text/date_columns.h"

namespace talve {
namespace {

constexpr long long kTracedProblems = 2;
constexpr std::size_t kTracedLineStart = 30;

int column_number(const DataDescription& description, std::string_view key) {
  int value = 0;
  return read_int(trim_view(description.text(key)), value) ? value : 0;
}

std::size_t field_index(int column) { return column > 0 ? static_cast<std::size_t>(column) : 0; }

}  // namespace

DecodeSettings DecodeSettings::read(const DataDescription& description) {
  DecodeSettings s;
  s.split = split_of_choice(description.choice("RadioGroup_separateur_colonne_ItemIndex"));
  s.two_date_columns = description.choice("RadioGroup_datetime_nb_col_ItemIndex") == 1;
  s.datetime_column = column_number(description, "Edit_num_col_datetime.text");
  s.date_column = column_number(description, "Edit_num_col_date.text");
  s.time_column = column_number(description, "Edit_num_col_time.text");
  if (s.two_date_columns) {
    s.pattern = trim(description.text("Edit_format_date_mesure_seule.text")) + " " +
                trim(description.text("Edit_format_time_mesure_seul.text"));
  } else {
    s.pattern = trim(description.text("Edit_format_datetime_mesure.text"));
  }
  s.control_chars_unreadable = description.checked("CheckBox_car_null.Checked");
  const std::string& columns = description.text("Edit_num_col_datetime.text");
  if (is_column_list(columns)) {
    s.datetime_columns = date_columns_or_none(columns);
    s.datetime_column = s.datetime_columns.front();
  }
  s.quoted = description.checked("CheckBox_guillemets.Checked");
  return s;
}

bool DecodeSettings::is_date_column(int column) const {
  if (two_date_columns) return column == date_column || column == time_column;
  if (datetime_columns.empty()) return column == datetime_column;
  return std::find(datetime_columns.begin(), datetime_columns.end(), column) != datetime_columns.end();
}

bool line_unreadable(std::string_view line, bool control_chars_unreadable) {
  return holds_control_bytes(line, unreadable_bytes(control_chars_unreadable));
}

void note_unreadable_line(std::string_view line, long long line_number, DecodeCounters& counters,
                          TraceSink& log) {
  ++counters.problem_lines;
  if (counters.problem_lines <= kTracedProblems) {
    log.ajout_suivi("ligne " + std::to_string(line_number) + " pb " +
                    std::string(line.substr(0, kTracedLineStart)));
  } else if (counters.problem_lines == kTracedProblems + 1) {
    log.ajout_suivi("ligne " + std::to_string(line_number) + " pb etc ......... ");
  }
}

std::string date_value_of(std::string_view line, const DecodeSettings& settings) {
  FieldSplitter fields;
  static_cast<void>(fields.cut(line, settings.cutting(), ControlBytes::None));
  std::string joined;
  return std::string(date_value_from(fields, settings, joined));
}

std::string_view date_value_from(const FieldSplitter& fields, const DecodeSettings& settings,
                                 std::string& joined) {
  if (settings.two_date_columns) {
    joined.assign(fields.field(field_index(settings.date_column)));
    joined.push_back(' ');
    joined.append(fields.field(field_index(settings.time_column)));
    return joined;
  }
  if (settings.datetime_columns.size() < 2) return fields.field(field_index(settings.datetime_column));
  joined.clear();
  for (const int column : settings.datetime_columns) {
    if (!joined.empty()) joined.push_back(' ');
    joined.append(fields.field(field_index(column)));
  }
  return joined;
}

LineDecoder::LineDecoder(const DecodeSettings& settings, FieldDecoder fields, DateTimeReader& dates)
    : m_settings(settings),
      m_cutting(settings.cutting()),
      m_one_date_field(!settings.two_date_columns && settings.datetime_columns.size() < 2),
      m_datetime_field(field_index(settings.datetime_column)),
      m_template(dates, settings.pattern),
      m_fields(std::move(fields)) {}

std::string_view LineDecoder::date_value() {
  if (m_one_date_field) return m_splitter.field(m_datetime_field);
  return date_value_from(m_splitter, m_settings, m_joined);
}

std::string LineDecoder::instant_text() const {
  switch (m_reading.outcome) {
    case DateOutcome::instant:
      return format_canonical(m_reading.instant);
    case DateOutcome::no_value:
      return "??";
    case DateOutcome::no_date:
      return "";
    default:
      break;
  }
  if (!m_settings.two_date_columns && m_settings.datetime_columns.size() < 2)
    return std::string(m_splitter.field(field_index(m_settings.datetime_column)));
  return m_joined;
}

void LineDecoder::set_columns(const ColumnMap& map) {
  m_sources.clear();
  for (int j = 2; j < map.count; ++j)
    m_sources.push_back(field_index(map.sources[static_cast<std::size_t>(j)]));
}

void LineDecoder::decode_fields(long long line_number, DecodeCounters& counters, TraceSink& log,
                                double* values, std::uint8_t* missing) {
  const std::size_t count = m_sources.size();
  for (std::size_t k = 0; k < count; ++k) {
    double value = 0;
    const FieldState state = m_fields.decode(m_splitter.field(m_sources[k]), value, m_rewritten);
    values[k] = value;
    missing[k] = state != FieldState::value;
    if (state == FieldState::conversion_problem) {
      ++counters.conversion_problems;
      if (counters.conversion_problems <= kTracedProblems) {
        log.ajout_suivi("pb conversion <" + m_rewritten + "> ligne " + std::to_string(line_number));
      }
    }
  }
}

}  // namespace talve
