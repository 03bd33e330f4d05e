// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/system_locale.h"

#include <clocale>
#include <cstring>
#include <string>

namespace talve {
namespace {

char detect_separator() {
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = previous ? previous : "C";
  char separator = ',';
  const char* name = std::setlocale(LC_NUMERIC, "");
  if (name && std::strcmp(name, "C") != 0 && std::strcmp(name, "POSIX") != 0) {
    const std::lconv* conv = std::localeconv();
    if (conv && conv->decimal_point && conv->decimal_point[0] != '\0' && conv->decimal_point[1] == '\0')
      separator = conv->decimal_point[0];
  }
  std::setlocale(LC_NUMERIC, saved.c_str());
  return separator;
}

char& separator_slot() {
  static char value = detect_separator();
  return value;
}

}  // namespace

char system_decimal_separator() { return separator_slot(); }

void set_system_decimal_separator(char separator) { separator_slot() = separator; }

}  // namespace talve
