// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace talve {

// The manual's list of the description keys, in Markdown: every key that
// `talve --batch --keys` explains, grouped as it groups them, with the values
// it takes, its meaning and its default.
QString keys_chapter_markdown();

// A text set in Markdown as it reads: its punctuation escaped.
QString markdown_escaped(const QString& text);

}  // namespace talve
