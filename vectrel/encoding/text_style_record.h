#pragma once

#include <cstdint>

#include "vectrel/encoding/color.h"
#include "vectrel/encoding/text_record.h"

namespace vectrel {

// Type-1 text record: selects font, colour (always RGBA), offsets and
// height for the glyph records after it. Offsets and height are cut to 16
// bits.
class TextStyleRecord final : public TextRecord {
 public:
  TextStyleRecord(bool has_font, bool has_color, bool has_x_offset, bool has_y_offset,
                  std::uint16_t font_id, int text_height, const Color& color, int x_offset,
                  int y_offset);

  int AdvanceBitsNeeded() const override { return 0; }
  int GlyphBitsNeeded() const override { return 0; }
  void Write(OutputBuffer& buffer, int glyph_bits, int advance_bits) override;

 private:
  bool has_font_;
  bool has_color_;
  bool has_x_offset_;
  bool has_y_offset_;
  std::uint16_t font_id_;
  int text_height_;
  Color color_;
  int x_offset_;
  int y_offset_;
};

}  // namespace vectrel
