// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/field_decoder.h"

#include <array>

#include "text/text_utils.h"

namespace talve {
namespace {

// Fields longer than this are read through a copy; numbers are far shorter.
constexpr std::size_t kBufferSize = 96;

// Copies the text with "," read as "." into the buffer; false when it does
// not fit.
bool copy_with_point(std::string_view text, std::array<char, kBufferSize>& buffer, std::string_view& out) {
  if (text.size() > buffer.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) buffer[i] = text[i] == ',' ? '.' : text[i];
  out = std::string_view(buffer.data(), text.size());
  return true;
}

bool has_decimal_mark(std::string_view text) { return text.find_first_of(".,") != std::string_view::npos; }

}  // namespace

double lenient_real(std::string_view text) {
  std::array<char, kBufferSize> buffer;
  std::string_view number;
  if (!copy_with_point(trim_view(text), buffer, number)) return lire_reel(text);
  double value = 0;
  return read_real(number, value) ? value : 0.0;
}

bool read_number_form(std::string_view text, double& value) {
  std::string_view body = trim_view(text);
  if (!body.empty() && body.front() == '<') body.remove_prefix(1);
  if (body.empty()) return false;
  // Letters other than the exponent's "e" never read, so upper-casing, as
  // the number test does, cannot change the outcome.
  std::array<char, kBufferSize> buffer;
  std::string_view number;
  if (!copy_with_point(body, buffer, number)) {
    std::string copy(body);
    remplacer_car(',', '.', copy);
    return read_real(copy, value);
  }
  return read_real(number, value);
}

FieldDecoder::FieldDecoder(NaRules rules, char system_mark)
    : m_rules(std::move(rules)), m_mark(system_mark), m_literal(system_mark != '.' && system_mark != ',') {}

FieldState FieldDecoder::decode_in_place(std::string_view field, double& value) const {
  if (m_rules.has_bounds() && m_rules.outside(lenient_real(field))) return FieldState::missing;
  if (m_rules.equivalent(field)) return FieldState::missing;
  if (!read_number_form(field, value)) return FieldState::missing;
  // The same field with the system's decimal mark may equal an equivalence
  // text ("-99,9" listed, "-99.9" read).
  if (has_decimal_mark(field) && m_rules.equivalent_with_mark(field, m_mark)) return FieldState::missing;
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
