// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QStringList>
#include <array>

class QPlainTextEdit;

namespace talve::ui {

// The six line slots of a help entry, as the window shows them.
using HelpLines = std::array<QString, 6>;

// The number of lines an entry shows: up to its last non-empty slot, never
// fewer than two.
int shown_line_count(const HelpLines& lines);

// Writes the first `count` slots into a text area without flicker: all of
// them when the area holds another number of lines, else only the lines
// whose text differs (none when the entry is the same).
void write_help_lines(QPlainTextEdit* area, const HelpLines& lines, int count);

// The lines of the floating box: a line that begins with a digit has its
// first two characters (the entry's number) replaced by two blanks.
// `last_number` receives the first two characters of the last such line.
HelpLines floating_lines(const HelpLines& lines, QString* last_number);

// Where the floating box goes, in the coordinates of the window's surface.
// `visible` is the part of the window on screen, `mouse` the mouse,
// `text_width` the widest line in the box's font and `line_spacing` that
// font's line height. The box is 11/10 of the text width (at least 150
// pixels) wide and 15 pixels per line plus 15 high (more when the font's
// lines are taller); it starts at the mouse, pulled left so that it ends 20
// pixels before the window's right edge, and 20 pixels below the mouse,
// pulled up so that it ends 150 pixels above the window's bottom.
// `fixed_top`, when not negative, is its top instead (entry 19's place).
QRect floating_box_rect(const QRect& visible, QPoint mouse, int text_width, int count, int line_spacing,
                        int fixed_top = -1);

}  // namespace talve::ui
