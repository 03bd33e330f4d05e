// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>

namespace talve::ui {

// A JPEG file's picture decoded by libjpeg (grey or colour, any of its
// colour spaces given back as RGB); a null image when the bytes are not a
// JPEG picture libjpeg can read.
QImage decode_jpeg(const QByteArray& bytes);

// The picture with its background made transparent: the colour of its
// bottom-left pixel, and the colours close to it (a JPEG picture does not
// keep a flat colour exactly), become fully transparent.
QImage with_transparent_background(const QImage& picture);

}  // namespace talve::ui
