// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/result_format.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <thread>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "core/data_description.h"
#include "core/workspace.h"
#include "engine/event_pacer.h"
#include "text/ascii.h"
#include "text/system_locale.h"
#include "text/text_utils.h"
#include "text/two_threads.h"

namespace talve {
namespace {

constexpr std::size_t kMinimumWidth = 5;

// 100 * r / n rounded to the nearest integer, halves to even.
long long percent_half_even(long long r, long long n) {
  const long long q = 100 * r / n;
  const long long twice_rest = 2 * (100 * r % n);
  if (twice_rest > n || (twice_rest == n && q % 2 != 0)) return q + 1;
  return q;
}

void append_padded(std::string& out, const char* first, const char* last, char decimal_mark) {
  const auto length = static_cast<std::size_t>(last - first);
  if (length < kMinimumWidth) out.append(kMinimumWidth - length, ' ');
  const std::size_t start = out.size();
  out.append(first, last);
  if (decimal_mark != '.') {
    for (std::size_t i = start; i < out.size(); ++i)
      if (out[i] == '.') out[i] = decimal_mark;
  }
}

}  // namespace

OutputFormat OutputFormat::read(const DataDescription& description) {
  OutputFormat format;
  format.decimals = decimals_from_text(description.text("Edit_nb_decimale.text"));
  format.separator = output_separator(description.choice("RadioGroup_separateur_sortie_ItemIndex"));
  // A choice outside the two buttons is the first, as for every choice the
  // run reads.
  const int decimal_choice = description.choice("RadioGroup_DECIMAL_SEPARATOR_sortie_ItemIndex");
  format.decimal_choice = decimal_choice == 1 ? 1 : 0;
  format.missing_text = talve::missing_text(description.text("Edit_NA.text"));
  format.system_decimal = system_decimal_separator();
  format.origin_columns = description.checked("CheckBox_marquer_origine.Checked");
  return format;
}

char origin_letter(const ResultTable& table, int row, int column) {
  if (!table.holds_value(row, column)) return 'N';
  switch (table.at(row, column).origin) {
    case CellOrigin::Filled:
      return 'C';
    case CellOrigin::ForcedGrowth:
      return 'F';
    case CellOrigin::Measured:
      break;
  }
  return 'M';
}

std::string output_separator(int choice) {
  switch (choice) {
    case 1:
      return " ";
    case 2:
      return " \t";
    case 3:
      return ";";
    default:
      return "\t";
  }
}

bool decimals_text_usable(std::string_view text) {
  const std::string_view trimmed = trim_view(text);
  int value = 0;
  return trimmed.empty() || (read_int(trimmed, value) && value >= 0 && value <= kMaxOutputDecimals);
}

int decimals_from_text(std::string_view text) {
  if (!decimals_text_usable(text)) return 2;
  int value = 0;
  return read_int(trim_view(text), value) ? value : 0;
}

std::string missing_text(std::string_view na_text) {
  const std::string code = upper_ascii(trim_view(na_text));
  if (code == "E") return " ";
  if (code == "V") return "";
  return std::string(na_text);
}

namespace {

// The fixed-point text of `value` with `decimals` decimals, written from
// the integer nearest to value * 10^decimals: the digits to_chars gives
// whenever that product lies clearly away from a halfway point, which the
// rounding of the product (one ulp at most) cannot then cross. The text is
// written backwards, its last character just before `end`, and its first
// is returned (at most 18 characters: a sign, 16 digits and the mark).
// Null for the values near a halfway point, the large ones and the
// non-finite ones, which to_chars writes.
char* write_fixed_backwards(ResultValue value, int decimals, char decimal_mark, char* end) {
  static constexpr double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  if (decimals < 0 || decimals > 15) return nullptr;
  const double magnitude = std::fabs(value * kPowers[decimals]);
  if (!(magnitude < 1e15)) return nullptr;
  // The integer part by truncation, the floor of a value that is not
  // negative (and far below 2^63).
  const double whole = static_cast<double>(static_cast<std::uint64_t>(magnitude));
  const double fraction = magnitude - whole;  // exact below 2^52
  if (std::fabs(fraction - 0.5) <= magnitude * 0x1p-50 + 0x1p-60) return nullptr;
  std::uint64_t rounded = static_cast<std::uint64_t>(whole) + (fraction > 0.5 ? 1 : 0);

  // The decimals, the mark, then the integer digits, at least one ("0.05"),
  // two at a time from a table.
  static constexpr char kPairs[] =
      "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
      "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
      "8081828384858687888990919293949596979899";
  char* p = end;
  auto pair = [&p](std::uint64_t two) {
    p -= 2;
    std::memcpy(p, kPairs + 2 * two, 2);
  };
  int left = decimals;
  for (; left >= 2; left -= 2) {
    pair(rounded % 100);
    rounded /= 100;
  }
  if (left == 1) {
    *--p = static_cast<char>('0' + rounded % 10);
    rounded /= 10;
  }
  if (decimals > 0) *--p = decimal_mark;
  while (rounded >= 100) {
    pair(rounded % 100);
    rounded /= 100;
  }
  if (rounded >= 10) {
    pair(rounded);
  } else {
    *--p = static_cast<char>('0' + rounded);
  }
  if (std::signbit(value)) *--p = '-';
  return p;
}

}  // namespace

void append_number(std::string& out, ResultValue value, int decimals, char decimal_mark) {
  std::array<char, 128> buffer;
  char* const end = buffer.data() + 32;
  if (const char* first = write_fixed_backwards(value, decimals, decimal_mark, end)) {
    append_padded(out, first, end, '.');  // the mark is in place
    return;
  }
  auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, decimals);
  if (result.ec == std::errc()) {
    append_padded(out, buffer.data(), result.ptr, decimal_mark);
    return;
  }
  if (!std::isfinite(value)) {
    const char* text = std::isnan(value) ? "nan" : (value < 0 ? "-inf" : "inf");
    append_padded(out, text, text + std::char_traits<char>::length(text), decimal_mark);
    return;
  }
  // Very large magnitudes: every integer digit is written.
  std::string wide(5000 + static_cast<std::size_t>(decimals), '\0');
  result = std::to_chars(wide.data(), wide.data() + wide.size(), value, std::chars_format::fixed, decimals);
  append_padded(out, wide.data(), result.ptr, decimal_mark);
}

void append_count(std::string& out, ResultValue value, char decimal_mark) {
  std::array<char, 64> buffer;
  std::to_chars_result result;
  if (value == std::floor(value) && std::fabs(value) < 1e15L) {
    result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), static_cast<long long>(value));
  } else {
    result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), static_cast<double>(value),
                           std::chars_format::general, 15);
  }
  const std::size_t start = out.size();
  out.append(buffer.data(), result.ptr);
  for (std::size_t i = start; i < out.size(); ++i)
    if (out[i] == '.') out[i] = decimal_mark;
}

void apply_output_decimal(std::string& text, int choice) {
  if (choice == 0) {
    if (text.find(',') == std::string::npos) remplacer_car('.', ',', text);
  } else if (choice == 1) {
    if (text.find('.') == std::string::npos) remplacer_car(',', '.', text);
  }
}

void start_result_lists(const ResultTable& table, const OutputFormat& format, TextRows& result_list,
                        TextRows* values_only_list) {
  result_list.clear();
  if (values_only_list) values_only_list->clear();
  const ColumnMap& map = table.map;
  std::string titles;
  std::string value_titles;
  for (int j = 1; j <= map.count; ++j) {
    const std::string& title = map.titles[static_cast<std::size_t>(j)];
    if (j > 1) titles += format.separator;
    titles += title;
    if (j > 2) value_titles += format.separator;
    if (j > 1) value_titles += title;
    if (format.origin_columns && j > 1 && j < map.count) {
      const std::string origin = format.separator + title + std::string(kOriginSuffix);
      titles += origin;
      value_titles += origin;
    }
  }
  result_list.push_back(titles);
  if (values_only_list) values_only_list->push_back(value_titles);
}

namespace {

// Rows are formatted this many at a time, the second half of each block on
// another thread; progress and the stop flag are seen between blocks.
constexpr int kFormatBlock = 4096;

// A plain loop for short texts, shorter than what a library search per
// character costs to set up; the instants of the rows (19 characters) are
// looked at sixteen bytes at a time, from both ends.
bool has_decimal_mark(std::string_view text) {
#if defined(__SSE2__)
  if (text.size() >= 16) {
    auto marks = [](const char* p) {
      const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
      return _mm_movemask_epi8(
          _mm_or_si128(_mm_cmpeq_epi8(block, _mm_set1_epi8('.')), _mm_cmpeq_epi8(block, _mm_set1_epi8(','))));
    };
    const char* p = text.data();
    const char* const last = text.data() + text.size() - 16;
    for (; p < last; p += 16)
      if (marks(p) != 0) return true;
    return marks(last) != 0;
  }
#endif
  for (const char c : text)
    if (c == '.' || c == ',') return true;
  return false;
}

// The mark the numbers of a row end up with when nothing else in the row
// holds a "." or a ",": the output decimal choice then turns every mark of
// the row into its own (or leaves the system's), so the numbers can be
// written with it at once instead of the row being rewritten twice.
char final_decimal_mark(const OutputFormat& format) {
  if (format.decimal_choice == 0) return ',';
  if (format.decimal_choice == 1) return '.';
  return format.system_decimal;
}

// The text of a row, written into a buffer kept from row to row: the
// texts are a few characters each, too short for a library copy per text.
class RowWriter {
 public:
  void clear() { m_size = 0; }
  std::size_t size() const { return m_size; }
  std::string_view text() const { return {m_buffer.data(), m_size}; }

  void put(std::string_view text) {
    char* out = room(text.size());
    if (text.size() == 1) {
      *out = text.front();  // the separator, most of the time
    } else {
      std::memcpy(out, text.data(), text.size());
    }
    m_size += text.size();
  }
  // The number in the "%5.<decimals>f" format, the mark in place.
  void put_number(ResultValue value, int decimals, char mark) {
    // Written at the end of a block of blanks, then copied 32 bytes at a
    // time with the blanks that pad it to five characters.
    char digits[64];
    char* const end = digits + 32;
    std::memset(digits, ' ', sizeof digits);
    const char* first = write_fixed_backwards(value, decimals, mark, end);
    if (first == nullptr) {
      m_slow.clear();
      append_number(m_slow, value, decimals, mark);
      put(m_slow);
      return;
    }
    if (end - first < static_cast<std::ptrdiff_t>(kMinimumWidth)) first = end - kMinimumWidth;
    std::memcpy(room(32), first, 32);
    m_size += static_cast<std::size_t>(end - first);
  }
  // The line count in its shortest form.
  void put_count(ResultValue value, char mark) {
    m_slow.clear();
    append_count(m_slow, value, mark);
    put(m_slow);
  }

 private:
  char* room(std::size_t wanted) {
    if (m_size + wanted > m_buffer.size()) [[unlikely]]
      m_buffer.resize(std::max(2 * m_buffer.size(), m_size + wanted + 256));
    return m_buffer.data() + m_size;
  }

  std::string m_buffer;
  std::size_t m_size = 0;
  std::string m_slow;
};

// The texts of a run of rows, and the working copies of the rows whose
// decimal marks are turned after they are written.
struct RowTexts {
  bool with_values = true;  // the values-only rows are wanted
  TextRows rows;
  TextRows values;
  std::string scratch_row;
  std::string scratch_values;
};

// Room in the lists for `rows` rows as long, on average, as those of the
// first block (and a tenth more): the lists then grow once, not by doubling
// (each doubling a copy of everything written so far).
void reserve_for_all_rows(const RowTexts& first_block, int rows, TextRows& result_list,
                          TextRows* values_only_list) {
  const std::size_t block_rows = first_block.rows.size();
  if (block_rows == 0 || rows <= 0) return;
  const auto wanted = static_cast<std::size_t>(rows);
  auto room = [&](const TextRows& taken, const TextRows& list) {
    const double per_row = static_cast<double>(taken.text().size()) / static_cast<double>(taken.size());
    return list.text().size() + static_cast<std::size_t>(per_row * 1.1 * static_cast<double>(wanted)) + 64;
  };
  result_list.reserve(result_list.size() + wanted, room(first_block.rows, result_list));
  if (values_only_list)
    values_only_list->reserve(values_only_list->size() + wanted, room(first_block.values, *values_only_list));
}

// The text of row r appended to `out.rows` (the instant, the separator and
// the values) and, when they are wanted, its values to `out.values`.
// `fixed_marks`: the missing text or the separator holds a decimal mark.
void format_row(const ResultTable& table, const TextRows& grid_entries, const OutputFormat& format,
                bool fixed_marks, int r, RowWriter& writer, RowTexts& out) {
  const std::string_view instant = grid_entries[static_cast<std::size_t>(r)];
  const bool marks_from_numbers_only = !fixed_marks && !has_decimal_mark(instant);
  const char mark = marks_from_numbers_only ? final_decimal_mark(format) : format.system_decimal;
  const int count = table.map.count;
  // The row is the instant, the separator, then the values: written once,
  // the values-only row is its end.
  writer.clear();
  writer.put(instant);
  writer.put(format.separator);
  const std::size_t values_start = writer.size();
  const bool empty_row = table.nb(r) == 0;
  for (int j = 2; j < count; ++j) {
    if (j > 2) writer.put(format.separator);
    const ResultCell& cell = table.at(r, j);
    if (empty_row || cell.missing) {
      writer.put(format.missing_text);
    } else {
      writer.put_number(cell.value, format.decimals, mark);
    }
    if (format.origin_columns) {
      writer.put(format.separator);
      const char letter = origin_letter(table, r, j);
      writer.put(std::string_view(&letter, 1));
    }
  }
  if (count > 2) writer.put(format.separator);
  writer.put_count(table.nb(r), mark);
  const std::string_view row = writer.text();
  if (marks_from_numbers_only) {
    if (out.with_values) out.values.push_back(row.substr(values_start));
    out.rows.push_back(row);
    return;
  }
  // The output decimal choice looks at the whole text of each: the row
  // and its values are turned separately, as texts of their own.
  std::string& values = out.scratch_values;
  std::string& whole = out.scratch_row;
  values.assign(row.substr(values_start));
  whole.assign(row);
  apply_output_decimal(whole, format.decimal_choice);
  apply_output_decimal(values, format.decimal_choice);
  if (out.with_values) out.values.push_back(values);
  out.rows.push_back(whole);
}

void format_range(const ResultTable& table, const TextRows& grid_entries, const OutputFormat& format,
                  int first, int last, RowTexts& out) {
  out.rows.clear();
  out.values.clear();
  RowWriter writer;
  const bool fixed_marks = has_decimal_mark(format.missing_text) || has_decimal_mark(format.separator);
  for (int r = first; r <= last; ++r) format_row(table, grid_entries, format, fixed_marks, r, writer, out);
}

}  // namespace

bool format_rows(ResultTable& table, const TextRows& grid_entries, const OutputFormat& format,
                 TextRows& result_list, TextRows* values_only_list, const ProgressText& progress,
                 EventPacer& pacer) {
  const int n = table.grid_count;
  const bool two_threads = std::thread::hardware_concurrency() >= 2;
  long long shown_percent = -1;
  bool complete = true;
  // The texts of a block, reused from block to block: the rows are then
  // copied once, into the lists, with no allocation of their own.
  RowTexts head, tail;
  head.with_values = tail.with_values = values_only_list != nullptr;
  // One thread beside this one for every block, rather than one started
  // for each.
  SecondThread second;
  // After each row, as if the rows were formatted one by one: progress, then
  // a stop leaves out every row after this one.
  auto after_row = [&](int r) {
    const long long percent = percent_half_even(r, n);
    if (percent != shown_percent) {
      shown_percent = percent;
      progress("3- patienter ... formatage " + std::to_string(percent) + "%   ");
    }
    if (pacer.tick()) complete = false;
  };
  // Row 1 (the instant t0, lower bound of the first interval) is not written.
  if (n >= 1) after_row(1);
  for (int first = 2; first <= n && complete; first += kFormatBlock) {
    const int last = std::min(n, first + kFormatBlock - 1);
    const int middle = two_threads && last - first > 64 ? (first + last) / 2 : last;
    if (middle < last) {
      second.run([&] { format_range(table, grid_entries, format, middle + 1, last, tail); },
                 [&] { format_range(table, grid_entries, format, first, middle, head); });
    } else {
      format_range(table, grid_entries, format, first, middle, head);
    }
    if (first == 2) reserve_for_all_rows(head, n - 1, result_list, values_only_list);
    for (int r = first; r <= last && complete; ++r) {
      const bool in_head = r <= middle;
      const RowTexts& texts = in_head ? head : tail;
      const auto k = static_cast<std::size_t>(in_head ? r - first : r - middle - 1);
      result_list.push_back(texts.rows[k]);
      if (values_only_list) values_only_list->push_back(texts.values[k]);
      after_row(r);
    }
  }
  count_empty_cells(table);
  return complete;
}

void count_empty_cells(ResultTable& table) {
  const int count = table.map.count;
  table.empty_counts.assign(static_cast<std::size_t>(std::max(count, 0)) + 1, 0);
  // Row by row, as the cells lie in memory.
  for (int r = 2; r <= table.grid_count; ++r) {
    const bool empty_row = table.nb(r) == 0;
    for (int j = 2; j < count; ++j)
      table.empty_counts[static_cast<std::size_t>(j)] += empty_row || table.at(r, j).missing != 0;
  }
}

}  // namespace talve
