#include "player/bitmap.h"

#include "player/bitmap_decoder.h"

namespace swfplayer {

const QImage& BitmapCharacter::Image() const {
  if (!image_) {
    switch (encoding_) {
      case Encoding::kJpeg: image_ = DecodeSwfJpeg(data_); break;
      case Encoding::kJpegWithAlpha: image_ = DecodeJpegWithAlpha(data_); break;
      case Encoding::kLossless: image_ = DecodeLossless(data_, false); break;
      case Encoding::kLosslessAlpha: image_ = DecodeLossless(data_, true); break;
    }
    if (!image_->isNull()) *image_ = image_->convertToFormat(QImage::Format_ARGB32_Premultiplied);
  }
  return *image_;
}

}  // namespace swfplayer
