// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/compiled_date_template.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>

#include "text/clock.h"
#include "text/text_utils.h"
#include "text/texte_vers_datetime.h"

namespace talve {
namespace {

// Values longer than this take the text path; data values are far shorter.
constexpr std::size_t kLongestFastValue = 64;
// Room for the longest value with everything the reading may add to it.
constexpr std::size_t kWorkingSize = 128;

bool is_digit(char c) { return c >= '0' && c <= '9'; }

bool all_digits(std::string_view text) {
  for (char c : text)
    if (!is_digit(c)) return false;
  return true;
}

int number_of(std::string_view digits) {
  int value = 0;
  for (char c : digits) value = value * 10 + (c - '0');
  return value;
}

void write_two_digits(int value, char* out) {
  out[0] = static_cast<char>('0' + value / 10 % 10);
  out[1] = static_cast<char>('0' + value % 10);
}

// Today's date as "dd/mm/yyyy ".
void write_today(char* out) {
  const CivilDate today = decode_date_time(now()).date;
  write_two_digits(today.day, out);
  out[2] = '/';
  write_two_digits(today.month, out + 3);
  out[5] = '/';
  write_two_digits(today.year / 100, out + 6);
  write_two_digits(today.year % 100, out + 8);
  out[10] = ' ';
}

// Two digits at p, read together: each byte's high half must be 3 and its
// low half at most 9 (adding 6 then leaves the high half 3).
inline bool two_digits_at(const char* p, int& out) {
  std::uint16_t pair;
  std::memcpy(&pair, p, sizeof pair);
  const auto high_halves = static_cast<std::uint16_t>(pair & 0xF0F0);
  const auto with_six = static_cast<std::uint16_t>((pair + 0x0606) & 0xF0F0);
  if (high_halves != 0x3030 || with_six != 0x3030) return false;
  out = (pair & 0x0F) * 10 + ((pair >> 8) & 0x0F);
  return true;
}

// The `count` bytes at p (at most 4) as the low bytes of a word.
inline std::uint64_t bytes_at(const char* p, std::size_t count) {
  std::uint32_t word = 0;
  std::memcpy(&word, p, count);
  return word;
}

// Where a group is, npos when the pattern lacks it.
std::size_t position_or_none(std::string_view pattern, std::string_view group) { return pattern.find(group); }

// A group the pattern lacks reads as a fixed text: "01" for a month or a
// day, "00" for a time.
std::string_view field_or(std::string_view work, std::size_t at, std::string_view absent) {
  return at == std::string::npos ? absent : copy_at(work, at, 2);
}

inline bool four_digits_at(const char* p, int& out) {
  int high = 0, low = 0;
  if (!two_digits_at(p, high) || !two_digits_at(p + 2, low)) return false;
  out = high * 100 + low;
  return true;
}

}  // namespace

CompiledDateTemplate::CompiledDateTemplate(DateTimeReader& reader, std::string_view pattern)
    : m_reader(&reader), m_pattern(pattern) {
  if (is_multiformat_pattern(pattern)) {
    m_multiformat = true;
    return;
  }
  const PreparedPattern& ready = reader.prepared(pattern);
  m_utc_offset = ready.utc_offset;
  std::string form = ready.pattern;
  m_by_groups = ready.read_by_groups;
  if (m_by_groups) {
    m_groups = date_groups_of(form);
    m_layout.four_digit_year = m_groups.has(DateGroupKind::year);
    m_has_year = true;
    return;
  }
  m_literal_date_prefix = ready.literal_date_prefix;
  m_date_alone = form.size() == 10;
  if (m_date_alone) form += "_hh_mn_ss";
  m_time_alone = form == kPatternTimeAlone;
  if (m_time_alone) form = kPatternDayFirst;
  m_has_year = has_group(form, "aa");
  m_least_numerics = least_numerics(form);
  m_layout = layout_of(form);
  m_unpadded = m_utc_offset == std::string::npos;
  m_groups = date_groups_of(form);
  if (m_layout.four_digit_year) {
    const std::string inverted = inverted_pattern(form);
    m_inverted = layout_of(inverted);
    m_inverted_groups = date_groups_of(inverted);
  }
  set_up_plain_reading();
}

void CompiledDateTemplate::set_up_plain_reading() {
  const Layout& l = m_layout;
  struct Field {
    std::size_t at, width;
  };
  const Field all_fields[] = {{l.year, 4}, {l.month, 2},  {l.day, 2},
                              {l.hour, 2}, {l.minute, 2}, {l.second, 2}};
  const std::span<const Field> fields(all_fields, l.has_seconds ? 6 : 5);
  m_plain =
      m_has_year && l.four_digit_year && !m_date_alone && !m_time_alone && m_literal_date_prefix.empty();
  m_plain_size = 0;
  std::uint64_t taken = 0;  // the value's characters some field reads
  for (const Field& field : fields) {
    if (field.at == std::string::npos || field.at + field.width > kLongestFastValue) {
      m_plain = false;
      continue;
    }
    // Groups that share characters of the pattern hold fewer digits than
    // the general reading asks for: such patterns take the general reading.
    const std::uint64_t bits = ((std::uint64_t{1} << field.width) - 1) << field.at;
    if (taken & bits) m_plain = false;
    taken |= bits;
    m_plain_size = std::max(m_plain_size, field.at + field.width);
  }
}

// The value with its fields where the pattern puts them, all digits and in
// their ranges: the reading reduces to numbers, without a working copy nor
// a canonical text. False sends the value through the general reading,
// which gives the same instant and writes the traces.
bool CompiledDateTemplate::read_plain(std::string_view value, DateReading& reading) {
  const Layout& l = m_layout;
  const char* v = value.data();
  // The lines of a logger file share their date by the hundred: a date
  // whose bytes are those of the last one read is that valid date again,
  // and only the time is read.
  const std::uint64_t date_bytes =
      bytes_at(v + l.year, 4) | bytes_at(v + l.month, 2) << 32 | bytes_at(v + l.day, 2) << 48;
  if (!m_has_plain_date || date_bytes != m_plain_date_bytes) {
    int year = 0, month = 0, day = 0;
    if (!four_digits_at(v + l.year, year) || !two_digits_at(v + l.month, month) ||
        !two_digits_at(v + l.day, day) || day < 1 || day > 31 || month < 1 || month > 12)
      return false;
    const auto date = encode_date(year, month, day);
    if (!date) return false;
    m_plain_date_bytes = date_bytes;
    m_plain_day = *date;
    m_has_plain_date = true;
  }
  int hours = 0, minutes = 0, seconds = 0;
  if (!two_digits_at(v + l.hour, hours) || !two_digits_at(v + l.minute, minutes) ||
      (l.has_seconds && !two_digits_at(v + l.second, seconds)) || hours > 23 || minutes > 59 || seconds > 59)
    return false;
  m_reader->year_was_number();
  const TDateTime time = encode_time(hours, minutes, seconds, 0);
  reading = {DateOutcome::instant, m_plain_day < 0 ? m_plain_day - time : m_plain_day + time};
  return true;
}

CompiledDateTemplate::Layout CompiledDateTemplate::layout_of(std::string_view pattern) {
  Layout layout;
  layout.four_digit_year = has_group(pattern, "aaaa");
  layout.year = group_position(pattern, layout.four_digit_year ? "aaaa" : "aa");
  layout.month = position_or_none(pattern, "mm");
  layout.day = position_or_none(pattern, "jj");
  layout.hour = position_or_none(pattern, "hh");
  layout.minute = minutes_position(pattern);
  layout.has_seconds = has_group(pattern, "ss");
  layout.second = group_position(pattern, "ss");
  if (!layout.four_digit_year) {
    const Century century = century_of(pattern);
    for (std::size_t i = 0; i < 2; ++i) layout.century[i] = i < century.digits.size() ? century.digits[i] : 0;
    layout.century_position = century.position;
  }
  return layout;
}

DateReading CompiledDateTemplate::read_through_text(std::string_view value) {
  const std::string text = m_reader->normalise_date_heure(value, m_pattern);
  if (text == "??") return {DateOutcome::no_value, 0};
  if (text.empty()) return {DateOutcome::no_date, 0};
  if (text.size() != 19) return {DateOutcome::not_canonical, 0};
  std::string normalised;
  const TDateTime instant = m_reader->texte_vers_datetime(text, normalised);
  return {normalised.empty() ? DateOutcome::invalid : DateOutcome::instant, instant};
}

std::size_t CompiledDateTemplate::working_copy(std::string_view value, char* out) const {
  if (value.front() == '"') {
    value.remove_prefix(1);
    const std::size_t closing = value.find('"');
    if (closing != std::string_view::npos && closing + 1 == value.size()) value.remove_suffix(1);
  }
  std::size_t size = 0;
  if (m_time_alone && value.size() == 8) {
    write_today(out);
    size = 11;
  }
  std::memcpy(out + size, value.data(), value.size());
  size += value.size();
  if (m_date_alone) {
    std::memcpy(out + size, " 00:00:00", 9);
    size += 9;
  }
  if (size == 8 && !m_literal_date_prefix.empty()) {
    const std::size_t prefix = m_literal_date_prefix.size();
    std::memmove(out + prefix, out, size);
    std::memcpy(out, m_literal_date_prefix.data(), prefix);
    size += prefix;
  }
  return size;
}

DateReading CompiledDateTemplate::read_groups(std::string_view work, const DateGroups& groups,
                                              bool counts_year) {
  char canonical[kCanonicalSize];
  std::string line;
  switch (read_by_groups(work, groups, canonical, line)) {
    case GroupReading::read:
      if (counts_year && groups.has(DateGroupKind::year)) m_reader->year_was_number();
      return canonical_to_instant(std::string_view(canonical, kCanonicalSize));
    case GroupReading::refused:
      m_reader->trace(line);
      return {DateOutcome::no_date, 0};
    case GroupReading::silent:
      break;
  }
  return {DateOutcome::no_date, 0};
}

DateReading CompiledDateTemplate::read(std::string_view value) {
  if (value.empty()) return {DateOutcome::no_value, 0};
  if (m_multiformat || value.size() > kLongestFastValue) return read_through_text(value);
  DateReading plain;
  if (m_plain && value.size() >= m_plain_size && value[0] != '"' && read_plain(value, plain))
    return in_utc(plain, value);

  char buffer[kWorkingSize];
  std::size_t size = working_copy(value, buffer);
  if (m_by_groups) return read_groups(std::string_view(buffer, size), m_groups, true);
  if (m_unpadded && fits_unpadded(std::string_view(buffer, size), m_groups))
    return read_groups(std::string_view(buffer, size), m_groups, true);
  if (compter_numeriques(std::string_view(buffer, size)) < m_least_numerics) return {DateOutcome::no_date, 0};
  if (!m_has_year) return {DateOutcome::instant, *encode_date(1900, 1, 1)};

  const Layout* layout = &m_layout;
  char two_digit_year[4];
  std::string_view year;
  if (layout->four_digit_year) {
    const std::string_view work(buffer, size);
    year = copy_at(work, layout->year, 4);
    if ((year.size() == 4 && all_digits(year)) || est_nombre(year)) {
      m_reader->year_was_number();
    } else {
      layout = &m_inverted;
      m_reader->count_inverted(work);
      if (m_unpadded && fits_unpadded(work, m_inverted_groups))
        return read_groups(work, m_inverted_groups, false);
      year = copy_at(work, layout->year, 4);
    }
  } else {
    const std::size_t at = std::min(layout->century_position, size);
    std::memmove(buffer + at + 2, buffer + at, size - at);
    std::memcpy(buffer + at, layout->century, 2);
    size += 2;
    const std::string_view last = copy_at(std::string_view(buffer, size), layout->year, 2);
    std::memcpy(two_digit_year, layout->century, 2);
    if (!last.empty()) std::memcpy(two_digit_year + 2, last.data(), last.size());
    year = std::string_view(two_digit_year, 2 + last.size());
  }

  const std::string_view work(buffer, size);
  const std::string_view month = field_or(work, layout->month, "01");
  const std::string_view day = field_or(work, layout->day, "01");
  const std::string_view hour = field_or(work, layout->hour, "00");
  const std::string_view minute = field_or(work, layout->minute, "00");
  if (!fields_pass_checks(day, month, hour, minute)) {
    std::string line = " + erreur date : ";
    line.append(day).append("/").append(month).append("/").append(year).append(" ").append(hour);
    line.append(":").append(minute).append(":").append("  corriger <").append(work).append(">");
    m_reader->trace(line);
    return {DateOutcome::no_date, 0};
  }
  std::string_view second = layout->has_seconds ? copy_at(work, layout->second, 2) : "00";
  if (second.empty()) second = "00";
  return in_utc(fields_to_instant(day, month, year, hour, minute, second), work);
}

DateReading CompiledDateTemplate::in_utc(const DateReading& local, std::string_view work) {
  if (m_utc_offset == std::string::npos || local.outcome != DateOutcome::instant) return local;
  const std::optional<int> offset = utc_offset_minutes(work, m_utc_offset);
  const std::optional<TDateTime> utc = offset ? instant_in_utc(local.instant, *offset) : std::nullopt;
  if (!utc) {
    m_reader->trace(utc_offset_error_line(work, m_utc_offset));
    return {DateOutcome::no_date, 0};
  }
  return {DateOutcome::instant, *utc};
}

DateReading CompiledDateTemplate::fields_to_instant(std::string_view day, std::string_view month,
                                                    std::string_view year, std::string_view hour,
                                                    std::string_view minute, std::string_view second) {
  if (day.size() + month.size() + year.size() + hour.size() + minute.size() + second.size() != 14)
    return {DateOutcome::not_canonical, 0};
  char text[kCanonicalSize];
  std::memcpy(text, day.data(), 2);
  text[2] = '/';
  std::memcpy(text + 3, month.data(), 2);
  text[5] = '/';
  std::memcpy(text + 6, year.data(), 4);
  text[10] = ' ';
  std::memcpy(text + 11, hour.data(), 2);
  text[13] = ':';
  std::memcpy(text + 14, minute.data(), 2);
  text[16] = ':';
  std::memcpy(text + 17, second.data(), 2);
  roll_hour_24(text);
  return canonical_to_instant(std::string_view(text, kCanonicalSize));
}

DateReading CompiledDateTemplate::canonical_to_instant(std::string_view canonical) {
  const std::string_view day = canonical.substr(0, 2), month = canonical.substr(3, 2),
                         year = canonical.substr(6, 4), hour = canonical.substr(11, 2),
                         minute = canonical.substr(14, 2), second = canonical.substr(17, 2);
  if (!(all_digits(day) && all_digits(month) && all_digits(year) && all_digits(hour) && all_digits(minute) &&
        all_digits(second))) {
    // Blanks, signs or letters in a field: the text reading decides.
    std::string normalised;
    const TDateTime instant = m_reader->texte_vers_datetime(canonical, normalised);
    return {normalised.empty() ? DateOutcome::invalid : DateOutcome::instant, instant};
  }
  const int hours = number_of(hour), minutes = number_of(minute), seconds = number_of(second);
  if (hours <= 23 && minutes <= 59 && seconds <= 59) {
    // The same sum as encode_date_time, with the date of the line before
    // when it is the same one.
    char key[8];
    std::memcpy(key, day.data(), 2);
    std::memcpy(key + 2, month.data(), 2);
    std::memcpy(key + 4, year.data(), 4);
    if (!m_has_last_date || std::memcmp(key, m_last_date, sizeof key) != 0) {
      const auto date = encode_date(number_of(year), number_of(month), number_of(day));
      m_has_last_date = date.has_value();
      if (date) {
        std::memcpy(m_last_date, key, sizeof key);
        m_last_day = *date;
      }
    }
    if (m_has_last_date) {
      const TDateTime time = encode_time(hours, minutes, seconds, 0);
      return {DateOutcome::instant, m_last_day < 0 ? m_last_day - time : m_last_day + time};
    }
  }
  m_reader->trace(date_error_line(canonical, canonical));
  return {DateOutcome::invalid, 0};
}

std::optional<TDateTime> instant_read(std::string_view pattern, std::string_view value) {
  DateTimeReader reader;
  reader.listing_started();
  CompiledDateTemplate compiled(reader, pattern);
  const DateReading reading = compiled.read(value);
  if (reading.outcome != DateOutcome::instant) return std::nullopt;
  return reading.instant;
}

}  // namespace talve
