// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/field_decoder.h"

#include <array>

#include "text/text_utils.h"

namespace talve {
namespace {

// Fields longer than this are read through a copy; numbers are far shorter.
constexpr std::size_t kBufferSize = 96;

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Powers of ten that a double holds exactly: a mantissa of at most 15
// digits divided by one of them is rounded once, as a correctly rounded
// reading of the text is.
constexpr double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                   1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The slow reading: a copy with "," read as "." given to `read_real`.
[[nodiscard]] bool read_with_point(std::string_view text, double& value) {
  std::array<char, kBufferSize> buffer;
  if (text.size() > buffer.size()) {
    std::string copy(text);
    remplacer_car(',', '.', copy);
    return read_real(copy, value);
  }
  for (std::size_t i = 0; i < text.size(); ++i) buffer[i] = text[i] == ',' ? '.' : text[i];
  return read_real(std::string_view(buffer.data(), text.size()), value);
}

// The whole text read as a number in the form `read_real` accepts (sign,
// digits, decimal mark, exponent), with "," read as ".". Ordinary numbers
// (at most 15 digits, no exponent) are converted here exactly: the integer
// of their digits and the power of ten are both exact doubles, so the one
// division rounds once, as a correctly rounded reading does. Anything else
// goes through `read_real`.
[[nodiscard]] bool read_decimal(std::string_view text, double& value) {
  const char* p = text.data();
  const char* const end = p + text.size();
  const bool negative = p < end && *p == '-';
  if (p < end && (*p == '+' || *p == '-')) ++p;
  std::uint64_t mantissa = 0;
  const char* const integer_start = p;
  while (p < end && is_digit(*p)) mantissa = mantissa * 10 + static_cast<unsigned>(*p++ - '0');
  int digits = static_cast<int>(p - integer_start);
  int fraction = 0;
  if (p < end && (*p == '.' || *p == ',')) {
    const char* const fraction_start = ++p;
    while (p < end && is_digit(*p)) mantissa = mantissa * 10 + static_cast<unsigned>(*p++ - '0');
    fraction = static_cast<int>(p - fraction_start);
    digits += fraction;
  }
  if (digits == 0) return false;
  if (p != end) {
    // An exponent, or no number at all: `read_real` decides.
    if (*p != 'e' && *p != 'E') return false;
    return read_with_point(text, value);
  }
  // Up to 15 digits the mantissa is exact (and could not wrap).
  if (digits > 15 || fraction > 22) return read_with_point(text, value);
  const auto m = static_cast<double>(mantissa);
  value = m / kExactPowers[fraction];
  if (negative) value = -value;
  return true;
}

// `est_nombre` on a text already trimmed. Letters other than the exponent's
// "e" never read, so upper-casing, as the number test does, cannot change
// the outcome.
[[nodiscard]] bool read_trimmed_number_form(std::string_view text, double& value) {
  if (!text.empty() && text.front() == '<') text.remove_prefix(1);
  return !text.empty() && read_decimal(text, value);
}

}  // namespace

double lenient_real(std::string_view text) {
  double value = 0;
  return read_decimal(trim_view(text), value) ? value : 0.0;
}

bool read_number_form(std::string_view text, double& value) {
  return read_trimmed_number_form(trim_view(text), value);
}

FieldDecoder::FieldDecoder(NaRules rules, char system_mark)
    : m_rules(std::move(rules)), m_mark(system_mark), m_literal(system_mark != '.' && system_mark != ',') {
  m_foreign_mark = system_mark == ',' ? '.' : ',';
  // Rewriting the marks can only make a field equal to an equivalence text
  // that holds the system mark.
  for (const std::string& text : m_rules.equivalences)
    if (text.find(system_mark) != std::string::npos) m_marked_equivalences = true;
}

FieldState FieldDecoder::decode_in_place(std::string_view field, double& value) const {
  if (m_rules.has_bounds() && m_rules.outside(lenient_real(field))) return FieldState::missing;
  if (m_rules.equivalent(field)) return FieldState::missing;
  if (!read_trimmed_number_form(field, value)) return FieldState::missing;
  // The same field with the system's decimal mark may equal an equivalence
  // text ("-99,9" listed, "-99.9" read).
  if (m_marked_equivalences && field.find(m_foreign_mark) != std::string_view::npos &&
      m_rules.equivalent_with_mark(field, m_mark)) {
    return FieldState::missing;
  }
  return FieldState::value;
}

FieldState FieldDecoder::decode_literally(std::string_view field, double& value,
                                          std::string& rewritten) const {
  std::string text(field);
  if (m_rules.has_bounds() && m_rules.outside(lire_reel(text))) return FieldState::missing;
  if (m_rules.equivalent(text)) return FieldState::missing;
  if (!est_nombre(text)) return FieldState::missing;
  for (char& c : text)
    if (c == '.' || c == ',') c = m_mark;
  if (!est_nombre(text)) {
    rewritten = text;
    return FieldState::conversion_problem;
  }
  if (m_rules.has_bounds() && m_rules.outside(lire_reel(text))) return FieldState::missing;
  if (m_rules.equivalent(text) || compter_numeriques(text) == 0) return FieldState::missing;
  // The text once more with its own decimal mark read as the point.
  for (char& c : text) {
    if (c == '<') c = ' ';
    if (c == m_mark) c = '.';
  }
  return read_number_form(text, value) ? FieldState::value : FieldState::missing;
}

}  // namespace talve
