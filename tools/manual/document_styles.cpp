// SPDX-License-Identifier: GPL-3.0-or-later
#include "document_styles.h"

#include <QBrush>
#include <QColor>
#include <QFontDatabase>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace talve {
namespace {

bool is_code_block(const QTextBlock& block) {
  return block.blockFormat().hasProperty(QTextFormat::BlockCodeFence) ||
         block.blockFormat().nonBreakableLines();
}

bool holds_picture(const QTextBlock& block) {
  for (auto it = block.begin(); !it.atEnd(); ++it)
    if (it.fragment().charFormat().isImageFormat()) return true;
  return false;
}

void style_table(QTextTable& table) {
  QTextTableFormat format = table.format();
  format.setBorder(0.5);
  format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
  format.setBorderBrush(QBrush(QColor(0x80, 0x80, 0x80)));
  format.setBorderCollapse(true);
  format.setCellPadding(3);
  format.setCellSpacing(0);
  format.setHeaderRowCount(1);
  format.setTopMargin(4);
  format.setBottomMargin(6);
  table.setFormat(format);
  for (int column = 0; column < table.columns(); ++column) {
    QTextTableCell cell = table.cellAt(0, column);
    QTextCharFormat title = cell.format();
    title.setBackground(QColor(0xe8, 0xe8, 0xe8));
    title.setFontWeight(QFont::Bold);
    cell.setFormat(title);
  }
}

}  // namespace

void style_code_blocks(QTextDocument& document) {
  QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  fixed.setPointSizeF(8.5);
  QTextCursor cursor(&document);
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    if (!is_code_block(block)) continue;
    QTextBlockFormat format = block.blockFormat();
    format.setNonBreakableLines(false);
    format.setBackground(QColor(0xf2, 0xf2, 0xf2));
    format.setLeftMargin(6);
    cursor.setPosition(block.position());
    cursor.setBlockFormat(format);
    cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
    QTextCharFormat characters;
    characters.setFont(fixed);
    cursor.mergeCharFormat(characters);
  }
}

void style_tables(QTextDocument& document) {
  for (QTextFrame* frame : document.rootFrame()->childFrames())
    if (auto* table = qobject_cast<QTextTable*>(frame)) style_table(*table);
}

void style_picture_blocks(QTextDocument& document) {
  QTextCursor cursor(&document);
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    if (!holds_picture(block)) continue;
    QTextBlockFormat format = block.blockFormat();
    format.setAlignment(Qt::AlignHCenter);
    format.setTopMargin(8);
    format.setBottomMargin(10);
    cursor.setPosition(block.position());
    cursor.setBlockFormat(format);
  }
}

void style_titles(QTextDocument& document) {
  QTextCursor cursor(&document);
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    const int level = block.blockFormat().headingLevel();
    if (level < 2) continue;
    QTextBlockFormat format = block.blockFormat();
    format.setTopMargin(level == 2 ? 12 : 8);
    format.setBottomMargin(4);
    cursor.setPosition(block.position());
    cursor.setBlockFormat(format);
  }
}

}  // namespace talve
