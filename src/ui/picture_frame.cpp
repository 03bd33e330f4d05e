// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/picture_frame.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QPixmap>

#include "ui/jpeg_picture.h"
#include "ui/outside_programs.h"

namespace talve::ui {
namespace {

constexpr char kPictureName[] = "talve_logo.jpg";

QByteArray file_bytes(const QString& path) {
  QFile file(path);
  // A picture of a few kilobytes; anything far larger is not it.
  if (!file.open(QIODevice::ReadOnly) || file.size() > 4 * 1024 * 1024) return {};
  return file.readAll();
}

// Follows the moves of the table, the reserved place and the picture's own
// zone, and puts the picture back level with the table.
class PictureFollower : public QObject {
 public:
  PictureFollower(QWidget* surface, QWidget* table, QWidget* place, QLabel* picture)
      : QObject(picture), m_surface(surface), m_table(table), m_place(place), m_picture(picture) {
    for (QWidget* watched : {table, place, picture->parentWidget()}) watched->installEventFilter(this);
    follow();
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show ||
        type == QEvent::LayoutRequest)
      follow();
    return false;
  }

 private:
  void follow() {
    QWidget* zone = m_picture->parentWidget();
    const int top = zone->mapFrom(m_surface, m_table->mapTo(m_surface, QPoint(0, 0))).y();
    const QPoint place = m_place->mapTo(zone, QPoint(0, 0));
    m_picture->move(place.x() + (m_place->width() - kPictureWidth) / 2, top);
    m_picture->raise();
  }

  QWidget* m_surface;
  QWidget* m_table;
  QWidget* m_place;
  QLabel* m_picture;
};

}  // namespace

QImage program_picture() {
  QImage picture = decode_jpeg(file_bytes(QDir(program_data_folder()).absoluteFilePath(kPictureName)));
  if (picture.isNull()) picture = decode_jpeg(file_bytes(QStringLiteral(":/talve/") + kPictureName));
  return with_transparent_background(picture);
}

void keep_picture_frame(QWidget* surface, QLabel* picture) {
  picture->setFixedSize(kPictureWidth, kPictureHeight);
  picture->setScaledContents(true);
  picture->setAutoFillBackground(false);
  picture->setAttribute(Qt::WA_TranslucentBackground);
  picture->setPixmap(QPixmap::fromImage(program_picture()));
  auto* table = surface->findChild<QWidget*>("StringGrid1");
  auto* place = surface->findChild<QWidget*>("Cadre_image");
  if (!table || !place) {
    qWarning("talve: no file table or picture place in the window");
    return;
  }
  new PictureFollower(surface, table, place, picture);
}

}  // namespace talve::ui
