// SPDX-License-Identifier: GPL-3.0-or-later
#include "manual_document.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QUrl>

#include "document_styles.h"
#include "keys_chapter.h"

namespace talve {
namespace {

const QString kKeysMarker = QStringLiteral("{{clés}}");

// The page: A4, its margins, and the band of the page number under the text.
constexpr int kResolution = 300;
const QMarginsF kMarginsMm(20, 18, 20, 12);
constexpr double kFooterMm = 10;

QString read_chapters(const QString& folder, QString& error) {
  const QStringList names = QDir(folder).entryList({QStringLiteral("*.md")}, QDir::Files, QDir::Name);
  if (names.isEmpty()) {
    error = QStringLiteral("aucun chapitre *.md dans ") + folder;
    return {};
  }
  QString text;
  for (const QString& name : names) {
    QFile file(QDir(folder).filePath(name));
    if (!file.open(QIODevice::ReadOnly)) {
      error = QStringLiteral("chapitre illisible : ") + file.fileName();
      return {};
    }
    QString chapter = QString::fromUtf8(file.readAll());
    chapter.replace(kKeysMarker, keys_chapter_markdown());
    text += chapter + QStringLiteral("\n\n");
  }
  return text;
}

// Each chapter (a first-level title) starts a page, the first one excepted.
void break_pages_before_chapters(QTextDocument& document) {
  QTextCursor cursor(&document);
  bool first = true;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    if (block.blockFormat().headingLevel() != 1) continue;
    if (!first) {
      cursor.setPosition(block.position());
      QTextBlockFormat format = block.blockFormat();
      format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
      cursor.setBlockFormat(format);
    }
    first = false;
  }
}

// A title left alone at the foot of a page goes to the next one with the
// text it announces. The layout is asked again after each move, as a moved
// title shifts everything after it.
void keep_titles_with_text(QTextDocument& document) {
  const double page_height = document.pageSize().height();
  QAbstractTextDocumentLayout* layout = document.documentLayout();
  QTextCursor cursor(&document);
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    if (block.blockFormat().headingLevel() == 0 || !block.next().isValid()) continue;
    const QRectF title = layout->blockBoundingRect(block);
    const QTextBlock next = block.next();
    const QRectF following = layout->blockBoundingRect(next);
    // The first line of what follows, or all of it when it is short.
    const QTextLayout* next_lines = next.layout();
    const double first_line = next_lines != nullptr && next_lines->lineCount() > 0
                                  ? next_lines->lineAt(0).height()
                                  : following.height();
    const int title_page = static_cast<int>(title.top() / page_height);
    const int text_page = static_cast<int>((following.top() + first_line) / page_height);
    if (title_page == text_page) continue;
    QTextBlockFormat format = block.blockFormat();
    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    cursor.setPosition(block.position());
    cursor.setBlockFormat(format);
  }
}

// Loads every picture the chapters name and narrows the wide ones to the
// page, keeping their proportions.
bool place_pictures(QTextDocument& document, const QString& folder, double widest, QString& error) {
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (!fragment.charFormat().isImageFormat()) continue;
      QTextImageFormat format = fragment.charFormat().toImageFormat();
      const QImage picture(QDir(folder).filePath(format.name()));
      if (picture.isNull()) {
        error = QStringLiteral("image introuvable : ") + format.name();
        return false;
      }
      document.addResource(QTextDocument::ImageResource, QUrl(format.name()), picture);
      const double width = std::min<double>(picture.width(), widest);
      format.setWidth(width);
      format.setHeight(width * picture.height() / picture.width());
      QTextCursor cursor(&document);
      cursor.setPosition(fragment.position());
      cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
      cursor.setCharFormat(format);
    }
  }
  return true;
}

// Draws the laid-out pages one by one, each with its number at the foot.
void print_pages(QTextDocument& document, QPdfWriter& writer, double footer) {
  const QSizeF page = document.pageSize();
  QPainter painter(&writer);
  QFont number_font = document.defaultFont();
  number_font.setPointSizeF(9);
  for (int i = 0; i < document.pageCount(); ++i) {
    if (i > 0) writer.newPage();
    painter.save();
    painter.translate(0, -i * page.height());
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = QRectF(0, i * page.height(), page.width(), page.height());
    // The layout draws whole blocks: a paragraph astride two pages would
    // otherwise show its next page's lines under this one's last line.
    painter.setClipRect(context.clip);
    document.documentLayout()->draw(&painter, context);
    painter.restore();
    painter.setFont(number_font);
    painter.drawText(QRectF(0, page.height(), page.width(), footer), Qt::AlignCenter,
                     QString::number(i + 1) + QStringLiteral(" / ") + QString::number(document.pageCount()));
  }
}

}  // namespace

QString write_manual(const QString& folder, const QString& pdf_path) {
  QString error;
  const QString text = read_chapters(folder, error);
  if (!error.isEmpty()) return error;

  // Written beside its target and renamed over it, so that a build stopped
  // half-way never leaves a cut manual that looks up to date.
  const QString partial = pdf_path + QStringLiteral(".partiel");
  {
    QPdfWriter writer(partial);
    writer.setResolution(kResolution);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, kMarginsMm, QPageLayout::Millimeter));
    writer.setTitle(QStringLiteral("Talve — manuel de l'utilisateur"));
    writer.setCreator(QStringLiteral("Talve"));

    // Laid out for the writer itself, so that points are points on paper.
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&writer);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(10);
    document.setDefaultFont(font);
    document.setDocumentMargin(0);
    const QRectF body = writer.pageLayout().paintRectPixels(kResolution);
    const double footer = kFooterMm / 25.4 * kResolution;
    document.setPageSize(QSizeF(body.width(), body.height() - footer));
    document.setMarkdown(text, QTextDocument::MarkdownDialectGitHub);
    break_pages_before_chapters(document);
    // Picture sizes are counted in the screen's pixels, and grown to the
    // writer's resolution when drawn.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double screen_dpi = screen != nullptr ? screen->logicalDotsPerInchY() : 96.0;
    const double widest = body.width() * screen_dpi / writer.logicalDpiY();
    if (!place_pictures(document, folder, widest, error)) return error;
    style_code_blocks(document);
    style_tables(document);
    style_picture_blocks(document);
    style_titles(document);
    keep_titles_with_text(document);
    print_pages(document, writer, footer);
  }
  QFile::remove(pdf_path);
  if (!QFile::rename(partial, pdf_path)) return QStringLiteral("impossible d'écrire ") + pdf_path;
  return {};
}

}  // namespace talve
