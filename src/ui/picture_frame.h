// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

class QLabel;
class QWidget;

namespace talve::ui {

// The decorative picture frame `Image1`: 84 x 45 pixels.
inline constexpr int kPictureWidth = 84;
inline constexpr int kPictureHeight = 45;

// The program's picture, "talve_logo.jpg" of its data folder or the copy
// built into it, decoded by libjpeg, on a transparent background.
QImage program_picture();

// Shows the program's picture in `picture` and keeps the frame level with
// the top of the file table `StringGrid1` of `surface`, over its reserved
// place `Cadre_image` near the right edge of the window, whatever the
// layout does to either.
void keep_picture_frame(QWidget* surface, QLabel* picture);

}  // namespace talve::ui
