#pragma once

#include <QColor>
#include <QImage>
#include <filesystem>
#include <string>

#include "cinelume/document/jpeg_encoder.h"
#include "support/temp_env.h"

namespace documenttest {

// A picture of one colour in a fresh folder; "bmp", "png" through Qt,
// "jpg" through our encoder.
inline std::string PictureFile(int width, int height, const char* format, QColor color = Qt::red) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(color);
  const std::filesystem::path file = testsupport::FreshDir("picture") / (std::string("picture.") + format);
  if (std::string(format) == "jpg") {
    std::string error;
    cinelume::WriteJpegFile(image, 90, file, &error);
  } else {
    image.save(QString::fromStdString(file.string()), format);
  }
  return file.string();
}

}  // namespace documenttest
