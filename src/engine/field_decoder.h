// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/na_rules.h"

namespace talve {

enum class FieldState : std::uint8_t {
  value,               // a number
  missing,             // empty, out of bounds, an equivalence, or not a number
  conversion_problem,  // a number that no longer reads once written with the system decimal mark
};

// Turns the text of one data field into a value or the missing mark: bounds
// (read leniently), equivalence texts, the number form ("," or "." as the
// decimal mark, one leading "<" allowed, so "<0.5" is 0.5), then the same
// tests once the decimal marks are the system's.
//
// With "," or "." as the system mark, rewriting the marks changes nothing
// the number tests see ("," is read as "." anyway), so the second round of
// tests always agrees with the first and only the equivalence texts are
// compared again with the rewritten marks: the field is decoded in place
// without any copy. Any other system mark takes the literal route.
class FieldDecoder {
 public:
  FieldDecoder() = default;
  FieldDecoder(NaRules rules, char system_mark);

  // `field` is the trimmed field text. On a conversion problem the field
  // as rewritten goes to `rewritten`, for the trace.
  FieldState decode(std::string_view field, double& value, std::string& rewritten) const {
    if (field.empty()) return FieldState::missing;
    if (m_literal) return decode_literally(field, value, rewritten);
    return decode_in_place(field, value);
  }

  const NaRules& rules() const { return m_rules; }
  // True when a field that is neither empty nor an equivalence text and
  // reads as a plain decimal number (at most 15 digits, no exponent, one
  // optional leading "<") is that number: no bounds, no rewriting of the
  // decimal mark, no equivalence text holding a mark.
  bool plain_numbers_read_as_written() const {
    return !m_literal && !m_rules.has_bounds() && !m_marked_equivalences;
  }

 private:
  FieldState decode_in_place(std::string_view field, double& value) const;
  FieldState decode_literally(std::string_view field, double& value, std::string& rewritten) const;

  NaRules m_rules;
  char m_mark = ',';
  char m_foreign_mark = '.';  // the other of "." and ","
  bool m_marked_equivalences = false;
  bool m_literal = false;
};

// `lire_reel` without a copy for fields of ordinary length.
double lenient_real(std::string_view text);
// `est_nombre` and the value it accepts, without a copy for fields of
// ordinary length.
[[nodiscard]] bool read_number_form(std::string_view text, double& value);

}  // namespace talve
