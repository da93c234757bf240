#include "vectrel/encoding/text_style_record.h"

namespace vectrel {

TextStyleRecord::TextStyleRecord(bool has_font, bool has_color, bool has_x_offset, bool has_y_offset,
                                 std::uint16_t font_id, int text_height, const Color& color,
                                 int x_offset, int y_offset)
    : has_font_(has_font),
      has_color_(has_color),
      has_x_offset_(has_x_offset),
      has_y_offset_(has_y_offset),
      font_id_(font_id),
      text_height_(text_height),
      color_(color),
      x_offset_(x_offset),
      y_offset_(y_offset) {
  color_.has_alpha = true;
}

void TextStyleRecord::Write(OutputBuffer& buffer, int /*glyph_bits*/, int /*advance_bits*/) {
  buffer.WriteBits(1, 1);  // TextRecordType
  buffer.WriteBits(0, 3);  // reserved
  buffer.WriteBits(has_font_ ? 1 : 0, 1);
  buffer.WriteBits(has_color_ ? 1 : 0, 1);
  buffer.WriteBits(has_y_offset_ ? 1 : 0, 1);
  buffer.WriteBits(has_x_offset_ ? 1 : 0, 1);
  if (has_font_) buffer.WriteU16(font_id_);
  if (has_color_) WriteColor(buffer, color_);
  if (has_x_offset_) buffer.WriteU16(static_cast<std::uint32_t>(x_offset_));
  if (has_y_offset_) buffer.WriteU16(static_cast<std::uint32_t>(y_offset_));
  if (has_font_) buffer.WriteU16(static_cast<std::uint32_t>(text_height_));
}

}  // namespace vectrel
