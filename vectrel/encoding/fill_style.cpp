#include "vectrel/encoding/fill_style.h"

namespace vectrel {

void SolidFill::Write(OutputBuffer& buffer) const {
  buffer.WriteU8(0x00);
  WriteColor(buffer, color_);
}

bool Gradient::Add(int ratio, const Color& color) {
  if (count() >= kMaxRecords) return false;
  records_.push_back(GradientRecord{ratio, color});
  return true;
}

void Gradient::Write(OutputBuffer& buffer) const {
  buffer.WriteU8(static_cast<std::uint32_t>(records_.size()));
  for (const GradientRecord& r : records_) {
    buffer.WriteU8(static_cast<std::uint32_t>(r.ratio));
    WriteColor(buffer, r.color);
  }
}

void GradientFill::Write(OutputBuffer& buffer) const {
  buffer.WriteU8(linear_ ? 0x10 : 0x12);
  WriteMatrix(buffer, matrix_);
  gradient_.Write(buffer);
}

void BitmapFill::Write(OutputBuffer& buffer) const {
  buffer.WriteU8(repeat_ ? 0x40 : 0x41);
  buffer.WriteU16(bitmap_id_);
  WriteMatrix(buffer, matrix_);
}

}  // namespace vectrel
