#include "vectrel/encoding/shape_with_style.h"

#include <stdexcept>

namespace vectrel {

void WriteStyleCount(OutputBuffer& buffer, std::size_t count) {
  if (count < 255) {
    buffer.WriteU8(static_cast<std::uint32_t>(count));
  } else {
    buffer.WriteU8(0xFF);
    buffer.WriteU16(static_cast<std::uint32_t>(count));
  }
}

ShapeWithStyle::ShapeWithStyle(std::vector<std::unique_ptr<FillStyle>> fill_styles,
                               std::vector<LineStyle> line_styles)
    : fill_styles_(std::move(fill_styles)), line_styles_(std::move(line_styles)) {
  if (fill_styles_.size() > kMaxStyles || line_styles_.size() > kMaxStyles) {
    throw std::length_error("too many styles in one shape");
  }
  fill_bits_ = UnsignedBits(static_cast<std::uint32_t>(fill_styles_.size()), 0);
  line_bits_ = UnsignedBits(static_cast<std::uint32_t>(line_styles_.size()), 0);
}

void ShapeWithStyle::AddShapeRecord(std::unique_ptr<ShapeRecord> record) {
  if (!record) throw std::invalid_argument("null shape record");
  record->SetFillBits(fill_bits_);
  record->SetLineBits(line_bits_);
  records_.push_back(std::move(record));
}

void ShapeWithStyle::Write(OutputBuffer& buffer) const {
  WriteStyleCount(buffer, fill_styles_.size());
  for (const auto& style : fill_styles_) style->Write(buffer);
  WriteStyleCount(buffer, line_styles_.size());
  for (const LineStyle& style : line_styles_) style.Write(buffer);
  buffer.WriteBits(static_cast<std::uint32_t>(fill_bits_), 4);
  buffer.WriteBits(static_cast<std::uint32_t>(line_bits_), 4);
  for (const auto& record : records_) record->Write(buffer);
  buffer.Align();
}

}  // namespace vectrel
