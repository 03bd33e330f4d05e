// SPDX-License-Identifier: GPL-3.0-or-later
#include "keys_chapter.h"

#include "app/batch_keys.h"
#include "text/encoding.h"

namespace talve {
namespace {

// The batch side's texts are Windows-1252 bytes.
QString from_program(const std::string& text) { return QString::fromStdString(cp1252_to_utf8(text)); }

}  // namespace

QString markdown_escaped(const QString& text) {
  static const QString special = QStringLiteral("\\`*_[]<>#|~!{}");
  QString escaped;
  escaped.reserve(text.size() + 8);
  for (QChar c : text) {
    if (special.contains(c)) escaped += QLatin1Char('\\');
    escaped += c;
  }
  return escaped;
}

QString keys_chapter_markdown() {
  QString text;
  for (const KeyDescription& entry : description_keys()) {
    if (!entry.section.empty())
      text += QStringLiteral("\n## ") + markdown_escaped(from_program(entry.section)) + "\n";
    // The key on a line of its own, in the fixed font: no ligature there, so
    // that a key copied from the PDF is the key ("fi" stays two letters).
    text += QStringLiteral("\n**`") + from_program(entry.key) + "`**\n\n";
    text += markdown_escaped(from_program(entry.meaning)) + "\n\n";
    text += QStringLiteral("*Valeurs :* ") + markdown_escaped(from_program(entry.values)) + "  \n";
    text += QStringLiteral("*Par défaut :* ") + markdown_escaped(from_program(entry.default_value)) + "\n";
  }
  return text;
}

}  // namespace talve
