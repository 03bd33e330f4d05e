// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "text/encoding.h"

namespace talve::ui {

// The window's edge: the core's Windows-1252 texts become Qt's Unicode
// strings here, and the user's input goes back the same way.
inline QString to_qstring(std::string_view cp1252) { return QString::fromStdString(cp1252_to_utf8(cp1252)); }
inline std::string from_qstring(const QString& text) { return utf8_to_cp1252(text.toStdString()); }

// Object names are plain ASCII.
inline QString name_of(std::string_view control) {
  return QString::fromLatin1(control.data(), static_cast<qsizetype>(control.size()));
}

}  // namespace talve::ui
