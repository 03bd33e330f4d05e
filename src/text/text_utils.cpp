// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/text_utils.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "text/ascii.h"
#include "text/field_cutting.h"
#include "text/system_locale.h"

namespace talve {
namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_numeric_char(char c) { return is_digit(c) || c == '+' || c == ',' || c == '.'; }

}  // namespace

// --- fields ---------------------------------------------------------------

namespace {

// Blanks off both ends, inline: the splitter trims every field of every line.
// Both ends are tested first: fields written by loggers seldom have blanks,
// and the loops are then skipped with one branch instead of two per field.
inline std::string_view trimmed_field(const char* first, const char* last) {
  if (first < last && (*first == ' ' || last[-1] == ' ')) {
    while (first < last && *first == ' ') ++first;
    while (last > first && last[-1] == ' ') --last;
  }
  return {first, static_cast<std::size_t>(last - first)};
}

#if defined(__SSE2__)
// The control bytes of a block of sixteen, one bit each.
inline unsigned control_bits(__m128i block, ControlBytes control) {
  if (control == ControlBytes::StartOfHeading)
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, _mm_set1_epi8('\x01'))));
  // Below 0x20: the unsigned minimum with 0x1F is the byte itself.
  const __m128i low = _mm_cmpeq_epi8(_mm_min_epu8(block, _mm_set1_epi8(0x1F)), block);
  const __m128i allowed = _mm_or_si128(
      _mm_or_si128(_mm_cmpeq_epi8(block, _mm_set1_epi8('\t')), _mm_cmpeq_epi8(block, _mm_set1_epi8('\n'))),
      _mm_cmpeq_epi8(block, _mm_set1_epi8('\r')));
  return static_cast<unsigned>(_mm_movemask_epi8(_mm_andnot_si128(allowed, low)));
}
#endif

}  // namespace

bool holds_control_bytes(std::string_view text, ControlBytes control) {
  switch (control) {
    case ControlBytes::None:
      return false;
    case ControlBytes::StartOfHeading:
      return std::memchr(text.data(), '\x01', text.size()) != nullptr;
    case ControlBytes::AllButTabAndLineEnds:
      break;
  }
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 32 && byte != '\t' && byte != '\n' && byte != '\r') return true;
  }
  return false;
}

std::size_t FieldSplitter::split(std::string_view line, char separator) {
  // Without control bytes to look for, every line splits.
  static_cast<void>(split_fields(line, separator, ControlBytes::None, false));
  return m_count;
}

CutOutcome FieldSplitter::cut_with_quotes(std::string_view line, const FieldCutting& cutting,
                                          ControlBytes control) {
  // A line without quotes is cut as the plain split cuts it.
  if (std::memchr(line.data(), '"', line.size()) == nullptr) {
    const bool empty_first = cutting.empty_first_field && cutting.split != ' ';
    return split_fields(line, cutting.split, control, empty_first) ? CutOutcome::fields
                                                                   : CutOutcome::control_bytes;
  }
  m_count = 0;
  if (holds_control_bytes(line, control)) return CutOutcome::control_bytes;
  const bool sound = cut_quoted_line(line, cutting, m_quoted, m_unquoted);
  std::copy(m_quoted.begin(), m_quoted.end(), room_for(0, m_quoted.size()));
  m_count = m_quoted.size();
  return sound ? CutOutcome::fields : CutOutcome::misplaced_quote;
}

std::string_view* FieldSplitter::room_for(std::size_t count, std::size_t more) {
  if (count + more > m_fields.size()) m_fields.resize(std::max(count + more, 2 * m_fields.size()));
  return m_fields.data();
}

bool FieldSplitter::split_fields(std::string_view line, char separator, ControlBytes control,
                                 bool empty_first_field) {
  m_count = 0;
  if (line.empty()) return true;
  std::string_view* fields = m_fields.data();
  std::size_t count = 0;
  // Room is made before each block of bytes for every field it can close,
  // rather than tested for each field; it grows with the fields lines
  // really have, not with their length (a 50 MB line of a few fields takes
  // no more than a short one).
  auto make_room = [&](std::size_t more) {
    if (count + more > m_fields.size()) fields = room_for(count, more);
  };
  if (separator == ' ') {
    if (holds_control_bytes(line, control)) return false;
    // Runs of blanks count as one separator and the line's own leading or
    // trailing blanks make no empty field: the fields are the words.
    std::size_t i = 0;
    while (i < line.size()) {
      while (i < line.size() && line[i] == ' ') ++i;
      const std::size_t start = i;
      while (i < line.size() && line[i] != ' ') ++i;
      make_room(1);
      if (i > start) fields[count++] = line.substr(start, i - start);
    }
    m_count = count;
    return true;
  }
  // A separator in first place opens field 1 instead of closing an empty
  // field, unless the files' empty first fields count; one in last place
  // closes the last field.
  std::size_t start = line.front() == separator && !empty_first_field ? 1 : 0;
  const char* const data = line.data();
  const std::size_t size = line.size();
  std::size_t i = start;
#if defined(__SSE2__)
  // Fields are short: sixteen bytes are searched at once rather than one
  // library call per field.
  const __m128i wanted = _mm_set1_epi8(separator);
  auto take_separators = [&](std::size_t at, unsigned mask) {
    while (mask != 0) {
      const std::size_t end = at + static_cast<std::size_t>(__builtin_ctz(mask));
      fields[count++] = trimmed_field(data + start, data + end);
      start = end + 1;
      mask &= mask - 1;
    }
  };
  auto block_at = [&](std::size_t at) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at));
  };
  auto separators = [&](__m128i block) {
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, wanted)));
  };
  const bool checked = control != ControlBytes::None;
  for (; i + 16 <= size; i += 16) {
    const __m128i block = block_at(i);
    if (checked && control_bits(block, control) != 0) return false;
    make_room(16);
    take_separators(i, separators(block));
  }
  // The last bytes: the sixteen that end the line, without those already
  // searched, rather than a loop whose branch per byte mispredicts.
  if (i < size && size >= 16) {
    const std::size_t at = size - 16;
    const __m128i block = block_at(at);
    const unsigned fresh = ~0u << (i - at);
    if (checked && (control_bits(block, control) & fresh) != 0) return false;
    make_room(16);
    take_separators(at, separators(block) & fresh);
    i = size;
  }
#endif
  if (i < size && holds_control_bytes(line.substr(i), control)) return false;
  for (; i < size; ++i) {
    if (data[i] != separator) continue;
    make_room(1);
    fields[count++] = trimmed_field(data + start, data + i);
    start = i + 1;
  }
  make_room(1);
  if (start < size) fields[count++] = trimmed_field(data + start, data + size);
  m_count = count;
  return true;
}

std::string champ_n(std::string_view line, int n, char separator) {
  if (n < 1 || line.empty()) return {};
  // Walk to the n-th field without storing the others.
  if (separator == ' ') {
    std::size_t i = 0;
    int field = 0;
    while (i < line.size()) {
      while (i < line.size() && line[i] == ' ') ++i;
      const std::size_t start = i;
      while (i < line.size() && line[i] != ' ') ++i;
      if (i > start && ++field == n) return std::string(line.substr(start, i - start));
    }
    return {};
  }
  std::size_t start = line.front() == separator ? 1 : 0;
  for (int field = 1;; ++field) {
    const std::size_t end = line.find(separator, start);
    if (end == std::string_view::npos) {
      if (field == n && start < line.size()) return std::string(trim_view(line.substr(start)));
      return {};
    }
    if (field == n) return std::string(trim_view(line.substr(start, end - start)));
    start = end + 1;
  }
}

std::string champ_n_large(std::string_view line, int n, std::string_view separator) {
  return champ_n(line, n, separator.empty() ? '\t' : separator.front());
}

std::string intitules_vers_sep(std::string_view line, char separator) {
  if (line.size() <= 2) return {};
  std::string text = "  " + std::string(line) + "   ";
  // A one-character word is joined to the word before it: a blank between
  // two non-blanks, the second followed by a blank, becomes "_".
  for (std::size_t i = 1; i + 2 < text.size(); ++i) {
    if (text[i] == ' ' && text[i - 1] != ' ' && text[i + 1] != ' ' && text[i + 2] == ' ') text[i] = '_';
  }
  std::string reduced;
  reduced.reserve(text.size());
  for (char c : text) {
    if (c == ' ' && !reduced.empty() && reduced.back() == ' ') continue;
    reduced.push_back(c);
  }
  while (!reduced.empty() && reduced.back() == ' ') reduced.pop_back();
  if (separator != ' ') remplacer_car(' ', separator, reduced);
  if (!reduced.empty() && reduced.front() == separator) reduced.erase(0, 1);
  return reduced;
}

void compter_colonnes(std::string_view title_line, std::string_view data_line, int& title_count,
                      int& data_count, std::vector<std::string>& trace) {
  auto count = [](std::string_view line) {
    std::string text(line);
    while (text.find("  ") != std::string::npos) remplacer_tout("  ", " ", text);
    if (!text.empty() && text.front() == ' ') text.erase(0, 1);
    text = trim(text);
    return compter_car(' ', text) + 1;
  };
  title_count = count(title_line);
  data_count = count(data_line);
  trace.push_back("nb col (intitulé) = " + std::to_string(title_count));
  trace.push_back("nb col (données)  = " + std::to_string(data_count));
}

// --- counting and testing -------------------------------------------------

int compter_car(char c, std::string_view text) {
  int count = 0;
  for (char x : text) count += x == c;
  return count;
}

int compter_numeriques(std::string_view text) {
  int count = 0;
  for (char c : text) count += is_numeric_char(c);
  return count;
}

int compter_lettres(std::string_view text) {
  int count = 0;
  for (char c : text) count += c >= 'A' && c <= 'z';
  return count;
}

int compter_car_dates(std::string_view text) {
  int count = 0;
  for (char c : text) count += c == ' ' || (c >= '+' && c <= ':');
  return count;
}

int tout_chiffres(std::string_view text) {
  if (text.empty()) return 0;
  for (char c : text)
    if (!is_digit(c)) return 0;
  return static_cast<int>(text.size());
}

bool contient_heure(std::string_view text) {
  for (std::size_t i = 0; i + 5 <= text.size(); ++i) {
    if (is_digit(text[i]) && is_digit(text[i + 1]) && text[i + 2] == ':' && is_digit(text[i + 3]) &&
        is_digit(text[i + 4]))
      return true;
  }
  return false;
}

bool hors_bornes(std::string_view text, int low, int high) {
  int value = 0;
  if (!read_int(text, value)) value = 0;
  return value < low || value > high;
}

bool read_real(std::string_view text, double& value) {
  // Validate the form first: from_chars alone would take "inf", "nan" and
  // refuse a leading "+".
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  int digits = 0;
  while (i < text.size() && is_digit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && is_digit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    int exponent_digits = 0;
    while (i < text.size() && is_digit(text[i])) ++i, ++exponent_digits;
    if (exponent_digits == 0) return false;
  }
  if (i != text.size()) return false;
  // from_chars wants no "+" and reads "5." as 5: both forms are numbers here.
  const char* first = text.data() + (text[0] == '+' ? 1 : 0);
  double parsed = 0;
  const auto result = std::from_chars(first, text.data() + text.size(), parsed);
  if (result.ec == std::errc::result_out_of_range) {
    // Beyond the range of a double, the text is still a number: take the
    // infinity or the zero it rounds to.
    const std::string copy(text);
    parsed = std::strtod(copy.c_str(), nullptr);
  } else if (result.ec != std::errc() || result.ptr != text.data() + text.size()) {
    return false;
  }
  value = parsed;
  return true;
}

bool read_integer(std::string_view text, long long& value) {
  if (text.empty()) return false;
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (*first == '+') ++first;
  if (first == last) return false;
  const auto result = std::from_chars(first, last, value);
  return result.ec == std::errc() && result.ptr == last;
}

bool read_int(std::string_view text, int& value) {
  long long wide = 0;
  if (!read_integer(text, wide) || wide < INT32_MIN || wide > INT32_MAX) return false;
  value = static_cast<int>(wide);
  return true;
}

bool est_nombre(std::string_view text) {
  std::string value = upper_ascii(trim_view(text));
  if (!value.empty() && value.front() == '<') value.erase(0, 1);
  if (value.empty()) return false;
  remplacer_car(',', '.', value);
  double parsed = 0;
  return read_real(value, parsed);
}

bool texte_booleen(std::string_view text) { return text == "true"; }

std::string booleen_texte(bool value) { return value ? "true" : "false"; }

// --- numbers --------------------------------------------------------------

double lire_reel(std::string_view text) {
  std::string value(trim_view(text));
  remplacer_car(',', '.', value);
  double parsed = 0;
  return read_real(value, parsed) ? parsed : 0.0;
}

void sep_decimal_systeme(std::string& text) {
  const char separator = system_decimal_separator();
  for (char& c : text)
    if (c == '.' || c == ',') c = separator;
}

int entier_champ(std::string_view line, int n, char separator, int default_value) {
  int value = 0;
  return read_int(champ_n(line, n, separator), value) ? value : default_value;
}

int entier_apres_cle(std::string_view text, std::string_view key, int default_value) {
  const std::string upper = upper_ascii(text);
  const auto at = upper.find(key);
  if (key.empty() || at == std::string::npos) return default_value;
  std::string digits;
  for (std::size_t i = at + key.size(); i < upper.size(); ++i) {
    const char c = upper[i];
    if (c == ',' || c == '-' || c == ';') break;
    if (is_digit(c)) digits.push_back(c);
  }
  int value = 0;
  return read_int(digits, value) ? value : default_value;
}

// --- editing --------------------------------------------------------------

std::string_view trim_view(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

std::string trim(std::string_view text) { return std::string(trim_view(text)); }

std::string trim_droite(std::string_view text) {
  const auto last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

std::string trim_gauche(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos)
    return text.empty() ? std::string() : std::string(text.substr(text.size() - 1));
  return std::string(text.substr(first));
}

void remplacer_car(char from, char to, std::string& text) {
  for (char& c : text)
    if (c == from) c = to;
}

void chiffres_vers_car(char c, std::string& text) {
  for (char& x : text)
    if (is_digit(x)) x = c;
}

std::string supprimer_car(char c, std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char x : text)
    if (x != c) out.push_back(x);
  return out;
}

std::string deux_chiffres(std::string_view text) {
  return text.size() == 1 ? "0" + std::string(text) : std::string(text);
}

std::string completer_a_droite(std::string_view text, int width, char c) {
  std::string out(text);
  const int length = static_cast<int>(text.size());
  if (width >= length) out.append(static_cast<std::size_t>(width - length + 1), c);
  return out;
}

void remplacer_premier(std::string_view search, std::string_view replacement, std::string& text) {
  if (search.empty()) return;
  const auto at = text.find(search);
  if (at != std::string::npos) text.replace(at, search.size(), replacement);
}

void remplacer_tout(std::string_view search, std::string_view replacement, std::string& text) {
  if (search.empty()) return;
  std::size_t at = 0;
  while ((at = text.find(search, at)) != std::string::npos) {
    text.replace(at, search.size(), replacement);
    at += replacement.size();
  }
}

void reparer_accents(std::string& text) {
  struct Repair {
    std::string_view from;
    char to;
  };
  // In this order; the last one is a DOS-code-page "é" that went through the
  // Western code page and then UTF-8.
  static const Repair kRepairs[] = {
      {"\xC3\xA9", '\xE9'},     {"\xC3\x83\xC2\xA9", '\xE9'}, {"\xC2\xB0", '\xB0'}, {"\xC3\xB4", '\xF4'},
      {"\xC3\xA8", '\xE8'},     {"\xC3\xA7", '\xE7'},         {"\xC3\xA0", '\xE0'}, {"\xC3\xA2", '\xE2'},
      {"\xC3\xAA", '\xEA'},     {"\xC3\xAE", '\xEE'},         {"\xC3\xBB", '\xFB'}, {"\xC3\xB8", '\xB0'},
      {"\xE2\x80\x9A", '\xE9'},
  };
  auto has_lead_byte = [&] { return text.find_first_of("\xC2\xC3\xE2") != std::string::npos; };
  const std::size_t passes = text.size();
  for (std::size_t pass = 0; pass < passes && has_lead_byte(); ++pass) {
    bool changed = false;
    for (const Repair& repair : kRepairs) {
      const auto at = text.find(repair.from);
      if (at == std::string::npos) continue;
      text.replace(at, repair.from.size(), 1, repair.to);
      changed = true;
    }
    // Lead bytes that start no known sequence stay: nothing more to do.
    if (!changed) break;
  }
}

std::string chemin_avec_barre(std::string_view path) {
  std::string out(path);
  if (!out.empty() && out.back() != '/') out.push_back('/');
  return out;
}

std::string duree_texte(TDateTime duration) {
  const std::string clock = format_time(duration);
  if (clock.size() != 8) return "---";
  auto drop_zero = [](std::string part) {
    return part.size() == 2 && part[0] == '0' ? part.substr(1) : part;
  };
  const std::string h = drop_zero(clock.substr(0, 2));
  const std::string m = drop_zero(clock.substr(3, 2));
  const std::string s = drop_zero(clock.substr(6, 2));
  const double seconds = duration * kSecondsPerDay;
  if (seconds < 60) return " " + s + " s";
  if (seconds >= 3600) return " " + h + " h " + m + " mn " + s + " s ";
  return " " + m + " mn " + s + " s ";
}

// --- lines ----------------------------------------------------------------

namespace {

// Calls `found(position)` for every CR and LF of the text, in order, and
// tells whether the text holds a NUL byte. Data files are tens of megabytes
// and their lines short: sixteen bytes are tested at once where the
// processor allows it.
template <typename Found>
bool for_each_line_end(std::string_view text, Found found) {
  const char* const data = text.data();
  const std::size_t size = text.size();
  std::size_t i = 0;
  bool nul = false;
#if defined(__SSE2__)
  const __m128i lf = _mm_set1_epi8('\n');
  const __m128i cr = _mm_set1_epi8('\r');
  __m128i nuls = _mm_setzero_si128();
  for (; i + 16 <= size; i += 16) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
    nuls = _mm_or_si128(nuls, _mm_cmpeq_epi8(block, _mm_setzero_si128()));
    auto mask = static_cast<unsigned>(
        _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(block, lf), _mm_cmpeq_epi8(block, cr))));
    while (mask != 0) {
      found(i + static_cast<std::size_t>(__builtin_ctz(mask)));
      mask &= mask - 1;
    }
  }
  nul = _mm_movemask_epi8(nuls) != 0;
#endif
  for (; i < size; ++i) {
    nul = nul || data[i] == '\0';
    if (data[i] == '\n' || data[i] == '\r') found(i);
  }
  return nul;
}

// The number of LF bytes of the text.
std::size_t count_line_feeds(std::string_view text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

}  // namespace

std::size_t estimated_line_count(std::string_view text) {
  constexpr std::size_t kSample = 64 * 1024;
  if (text.size() <= kSample) return count_line_feeds(text) + 1;
  const std::size_t sampled = count_line_feeds(text.substr(0, kSample));
  if (sampled == 0) return 1;
  const double per_byte = static_cast<double>(sampled) / kSample;
  return static_cast<std::size_t>(per_byte * static_cast<double>(text.size()) * 1.02) + 16;
}

std::vector<std::string_view> split_lines(std::string_view text, bool* holds_nul) {
  std::vector<std::string_view> lines;
  lines.reserve(estimated_line_count(text));
  append_lines(text, lines, holds_nul);
  return lines;
}

void append_lines(std::string_view text, std::vector<std::string_view>& lines, bool* holds_nul) {
  std::size_t start = 0;
  bool after_cr = false;  // the previous end was a CR: an LF right after it is the same end
  const bool nul = for_each_line_end(text, [&](std::size_t at) {
    if (text[at] == '\n' && after_cr && at == start) {
      start = at + 1;
      after_cr = false;
      return;
    }
    lines.emplace_back(text.data() + start, at - start);
    after_cr = text[at] == '\r';
    start = at + 1;
  });
  if (start < text.size()) lines.emplace_back(text.data() + start, text.size() - start);
  if (holds_nul != nullptr) *holds_nul = nul;
}

std::string join_lines_crlf(const std::vector<std::string>& lines) {
  std::size_t size = 0;
  for (const auto& line : lines) size += line.size() + 2;
  std::string out;
  out.reserve(size);
  for (const auto& line : lines) {
    out += line;
    out += "\r\n";
  }
  return out;
}

// --- number formatting ----------------------------------------------------

std::string format_grouped(long long value) {
  const bool negative = value < 0;
  std::string digits =
      std::to_string(negative ? -(value + 1) + 1ULL : static_cast<unsigned long long>(value));
  std::string out;
  const int n = static_cast<int>(digits.size());
  for (int i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) out.push_back(' ');
    out.push_back(digits[static_cast<std::size_t>(i)]);
  }
  return negative ? "-" + out : out;
}

std::string format_fixed(double value, int decimals) {
  if (decimals < 0) decimals = 0;
  if (decimals > 30) decimals = 30;
  char buffer[400];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  if (result.ec != std::errc()) return std::isnan(value) ? "nan" : (value < 0 ? "-inf" : "inf");
  return std::string(buffer, result.ptr);
}

std::string format_0_00(double value) {
  std::string text = format_fixed(value, 2);
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  if (text == "-0") text = "0";
  for (char& c : text)
    if (c == '.') c = system_decimal_separator();
  return text;
}

}  // namespace talve
