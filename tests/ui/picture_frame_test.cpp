// SPDX-License-Identifier: GPL-3.0-or-later
// The picture frame: the program's JPEG picture decoded by libjpeg, on a
// transparent background, near the window's right edge and level with the
// file table's top.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QTest>

#include "ui/jpeg_picture.h"
#include "ui/picture_frame.h"
#include "ui/window_fixture.h"

namespace talve::testing {
namespace {

QByteArray resource(const char* name) {
  QFile file(QString(":/talve/") + name);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// libjpeg gives the picture Qt's own reader gives, pixel for pixel within
// the rounding of two decoders, and refuses what is not a JPEG picture
// without a word.
TEST(JpegPicture, DecodesAsQtDoesAndRefusesOtherBytes) {
  const QByteArray bytes = resource("talve_logo.jpg");
  ASSERT_FALSE(bytes.isEmpty());
  const QImage ours = ui::decode_jpeg(bytes);
  ASSERT_EQ(ours.size(), QSize(168, 90));
  const QImage qt = QImage::fromData(bytes, "JPG").convertToFormat(QImage::Format_RGB888);
  if (!qt.isNull()) {
    int worst = 0;
    for (int y = 0; y < qt.height(); ++y)
      for (int x = 0; x < qt.width(); ++x) {
        const QRgb a = ours.pixel(x, y), b = qt.pixel(x, y);
        worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                          std::abs(qBlue(a) - qBlue(b))});
      }
    EXPECT_LE(worst, 2);
  }
  for (const QByteArray& other : {QByteArray(), QByteArray("not a picture"), bytes.left(2),
                                  QByteArray("\xFF\xD8\xFF\xE0", 4) + QByteArray(200, '\0')})
    EXPECT_TRUE(ui::decode_jpeg(other).isNull());
  // A cut picture still gives its size, the missing part filled in.
  EXPECT_EQ(ui::decode_jpeg(bytes.left(bytes.size() / 2)).size(), QSize(168, 90));
}

// The background colour (the bottom-left pixel's) turns transparent; the
// drawing keeps its colours.
TEST(JpegPicture, BackgroundBecomesTransparent) {
  const QImage decoded = ui::decode_jpeg(resource("talve_logo.jpg"));
  const QImage picture = ui::with_transparent_background(decoded);
  ASSERT_EQ(picture.size(), decoded.size());
  int clear = 0, opaque = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      const int alpha = qAlpha(picture.pixel(x, y));
      ASSERT_TRUE(alpha == 0 || alpha == 255);
      (alpha == 0 ? clear : opaque) += 1;
      if (alpha == 255) {
        EXPECT_EQ(picture.pixel(x, y), decoded.pixel(x, y) | 0xFF000000u);
      }
    }
  EXPECT_EQ(qAlpha(picture.pixel(0, picture.height() - 1)), 0);
  EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0);
  // The title and the curve: a good part of the picture, not all of it.
  EXPECT_GT(opaque, picture.width() * picture.height() / 10);
  EXPECT_GT(clear, picture.width() * picture.height() / 2);
}

class PictureFrame : public WindowTest {};

// 84 x 45, its top level with the file table's, its right side near the
// window's right edge, covering no control, at every window size.
TEST_F(PictureFrame, NearTheRightEdgeLevelWithTheFileTable) {
  open();
  auto* picture = find<QLabel>("Image1");
  QWidget* table = find("StringGrid1");
  QWidget* surface = window->surface();
  for (const QSize size : {QSize(1366, 768), QSize(1920, 1040), QSize(1600, 900)}) {
    window->resize(size);
    QTest::qWait(50);
    ASSERT_TRUE(picture->isVisible());
    EXPECT_EQ(picture->size(), QSize(84, 45));
    const QRect frame(picture->mapTo(surface, QPoint(0, 0)), picture->size());
    EXPECT_EQ(frame.top(), table->mapTo(surface, QPoint(0, 0)).y());
    EXPECT_LE(surface->width() - frame.right(), 40) << size.width();
    EXPECT_GT(frame.left(), surface->width() / 2);
    for (QWidget* other : surface->findChildren<QWidget*>()) {
      if (other == picture || !other->isVisible() || other->accessibleName().isEmpty()) continue;
      if (other->isAncestorOf(picture) || other->objectName().startsWith("Zone_")) continue;
      if (other->objectName().startsWith("GroupBox") || other->objectName() == "Cadre_image") continue;
      const QRect rect(other->mapTo(surface, QPoint(0, 0)), other->size());
      EXPECT_FALSE(rect.intersects(frame)) << other->objectName().toStdString();
    }
    const QImage shown = picture->pixmap().toImage();
    EXPECT_EQ(qAlpha(shown.pixel(0, shown.height() - 1)), 0);
  }
}

}  // namespace
}  // namespace talve::testing
