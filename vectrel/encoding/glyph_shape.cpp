#include "vectrel/encoding/glyph_shape.h"

#include <stdexcept>

namespace vectrel {

void GlyphShape::AddShapeRecord(std::unique_ptr<ShapeRecord> record) {
  if (!record) throw std::invalid_argument("null glyph shape record");
  records_.push_back(std::move(record));
}

void GlyphShape::Write(OutputBuffer& buffer) {
  buffer.WriteBits(static_cast<std::uint32_t>(fill_bits_), 4);
  buffer.WriteBits(static_cast<std::uint32_t>(line_bits_), 4);
  for (const auto& record : records_) {
    record->SetFillBits(fill_bits_);
    record->SetLineBits(line_bits_);
    record->Write(buffer);
  }
}

}  // namespace vectrel
