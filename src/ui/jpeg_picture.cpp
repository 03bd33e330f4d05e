// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/jpeg_picture.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
// jpeglib.h needs the standard C declarations (FILE, size_t) before it.
#include <jpeglib.h>

namespace talve::ui {
namespace {

// libjpeg reports a fatal error by calling error_exit, which must not
// return: it jumps back to the decoding, which then gives up.
struct ErrorJump {
  jpeg_error_mgr manager;
  std::jmp_buf back;
};

[[noreturn]] void jump_back(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorJump*>(info->err)->back, 1);
}

// Nothing of libjpeg's warnings reaches the terminal.
void keep_quiet(j_common_ptr) {}

// The longest side of a picture this frame is willing to decode.
constexpr JDIMENSION kLargestSide = 8192;

// Decodes into `image`, allocated once the size is known. No C++ object
// with a destructor lives between setjmp and the last libjpeg call.
bool decode_into(const QByteArray& bytes, QImage& image) {
  jpeg_decompress_struct info{};
  ErrorJump error{};
  info.err = jpeg_std_error(&error.manager);
  error.manager.error_exit = jump_back;
  error.manager.output_message = keep_quiet;
  if (setjmp(error.back)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
               static_cast<unsigned long>(bytes.size()));
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK || info.image_width > kLargestSide ||
      info.image_height > kLargestSide) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                 QImage::Format_RGB888);
  if (image.isNull()) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

}  // namespace

QImage decode_jpeg(const QByteArray& bytes) {
  if (bytes.isEmpty()) return {};
  QImage image;
  if (!decode_into(bytes, image)) return {};
  return image;
}

QImage with_transparent_background(const QImage& picture) {
  if (picture.isNull()) return {};
  QImage image = picture.convertToFormat(QImage::Format_ARGB32);
  const QRgb background = image.pixel(0, image.height() - 1);
  constexpr int kNear = 24;
  for (int y = 0; y < image.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = row[x];
      if (std::abs(qRed(pixel) - qRed(background)) <= kNear &&
          std::abs(qGreen(pixel) - qGreen(background)) <= kNear &&
          std::abs(qBlue(pixel) - qBlue(background)) <= kNear)
        row[x] = qRgba(0, 0, 0, 0);
    }
  }
  return image;
}

}  // namespace talve::ui
