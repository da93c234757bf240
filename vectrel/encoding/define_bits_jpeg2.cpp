#include "vectrel/encoding/define_bits_jpeg2.h"

#include <limits>
#include <stdexcept>

namespace vectrel {

namespace {
// Id and the six marker bytes around the file.
constexpr std::size_t kOverhead = 8;
}  // namespace

DefineBitsJpeg2Record::DefineBitsJpeg2Record(std::shared_ptr<const Bytes> data) : data_(std::move(data)) {
  if (data_ && data_->size() > std::numeric_limits<std::uint32_t>::max() - kOverhead) {
    throw std::length_error("JPEG file too large for one tag");
  }
}

void DefineBitsJpeg2Record::Write(OutputBuffer& file) {
  OutputBuffer body;
  body.WriteU16(CharacterId());
  // An end-of-image, start-of-image pair ahead of the file, as players expect.
  body.WriteU8(0xFF);
  body.WriteU8(0xD9);
  body.WriteU8(0xFF);
  body.WriteU8(0xD8);
  if (data_ && !data_->empty()) body.AddBlock(data_->data(), static_cast<std::uint32_t>(data_->size()));
  body.WriteU8(0xFF);
  body.WriteU8(0xD9);
  WriteTagHeader(file, kTagDefineBitsJpeg2, body.Length(), &body);
}

}  // namespace vectrel
