// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QTextDocument;

namespace talve {

// The looks the Markdown import leaves plain, set for paper: code blocks in
// a smaller fixed font on a light background, wrapped rather than cut at the
// margin; tables with thin borders, padded cells and their title row
// repeated on each page; pictures centred with space around them.
void style_code_blocks(QTextDocument& document);
void style_tables(QTextDocument& document);
void style_picture_blocks(QTextDocument& document);
// Titles stand apart from the text above them.
void style_titles(QTextDocument& document);

}  // namespace talve
