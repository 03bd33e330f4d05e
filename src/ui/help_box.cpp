// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help_box.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <algorithm>

namespace talve::ui {

int shown_line_count(const HelpLines& lines) {
  int count = 0;
  for (int i = 0; i < static_cast<int>(lines.size()); ++i)
    if (!lines[i].isEmpty()) count = i + 1;
  return std::max(count, 2);
}

void write_help_lines(QPlainTextEdit* area, const HelpLines& lines, int count) {
  QTextDocument* document = area->document();
  if (document->blockCount() != count) {
    QStringList shown;
    for (int i = 0; i < count; ++i) shown << lines[i];
    area->setPlainText(shown.join('\n'));
    return;
  }
  QTextBlock block = document->firstBlock();
  for (int i = 0; i < count && block.isValid(); ++i, block = block.next()) {
    if (block.text() == lines[i]) continue;
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText(lines[i]);
  }
}

HelpLines floating_lines(const HelpLines& lines, QString* last_number) {
  HelpLines shown = lines;
  for (QString& line : shown) {
    if (line.isEmpty() || !line.front().isDigit()) continue;
    *last_number = line.left(2);
    line.replace(0, std::min<qsizetype>(2, line.size()), QStringLiteral("  "));
  }
  return shown;
}

QRect floating_box_rect(const QRect& visible, QPoint mouse, int text_width, int count, int line_spacing,
                        int fixed_top) {
  const int width = std::max(text_width, 150) * 11 / 10;
  // Fifteen pixels a line fit the window's 8-point font; a larger font
  // (a high-resolution screen) gets the height its lines need.
  const int height = std::max(15 * count + 15, line_spacing * count + 12);
  const int left =
      std::max(visible.left(), std::min(mouse.x(), visible.left() + visible.width() - width - 20));
  const int top = fixed_top >= 0
                      ? fixed_top
                      : std::max(visible.top(),
                                 std::min(mouse.y() + 20, visible.top() + visible.height() - height - 150));
  return {left, top, width, height};
}

}  // namespace talve::ui
