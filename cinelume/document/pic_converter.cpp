#include "cinelume/document/pic_converter.h"

#include <QImage>
#include <QImageReader>
#include <QString>
#include <algorithm>
#include <cctype>
#include <filesystem>

#include "cinelume/document/error_box.h"
#include "cinelume/document/jpeg_encoder.h"

namespace cinelume {

namespace {

std::string UpperExtension(const std::string& file) {
  std::string ext = std::filesystem::path(file).extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::toupper(c); });
  return ext;
}

}  // namespace

TPic::TPic(std::string untitled_path, IErrorBox* error_box)
    : JpegFile(std::move(untitled_path) + ".jpg"), error_box_(error_box) {}

bool TPic::Convert() {
  refused_ = false;
  if (SourceFile.empty()) return false;
  QImageReader reader(QString::fromStdString(SourceFile));
  reader.setAutoTransform(false);
  const QByteArray format = reader.format();
  if (format.isEmpty()) throw EPictureError("Cannot read the picture " + SourceFile);

  const bool bmp = UpperExtension(SourceFile) == ".BMP";
  const bool jpeg = format == "jpeg" || format == "jpg";
  if (!bmp && !jpeg) return false;

  // The size comes from the header, so an oversize picture is refused
  // before anything is decoded.
  const QSize size = reader.size();
  if (size.isValid() && (size.width() > kMaxWidth || size.height() > kMaxHeight)) {
    if (error_box_ != nullptr) {
      error_box_->ShowError(bmp ? "This picture width>800 or height>600!" : "The picture width>800 or height>600!");
    }
    refused_ = true;
    return false;
  }
  const QImage image = reader.read();
  if (image.isNull()) throw EPictureError("Cannot read the picture " + SourceFile + ": " + reader.errorString().toStdString());
  if (image.width() > kMaxWidth || image.height() > kMaxHeight) {
    if (error_box_ != nullptr) {
      error_box_->ShowError(bmp ? "This picture width>800 or height>600!" : "The picture width>800 or height>600!");
    }
    refused_ = true;
    return false;
  }
  std::string error;
  if (!WriteJpegFile(image, kQuality, JpegFile, &error)) {
    throw EPictureError("Cannot write the picture " + JpegFile + ": " + error);
  }
  Width = image.width();
  Height = image.height();
  return true;
}

}  // namespace cinelume
