#include "vectrel/encoding/define_font.h"

#include <stdexcept>

namespace vectrel {

void DefineFontRecord::AddGlyphShape(std::unique_ptr<GlyphShape> glyph) {
  if (!glyph) throw std::invalid_argument("null glyph shape");
  glyph->set_fill_bits(1);
  glyph->set_line_bits(0);
  glyphs_.push_back(std::move(glyph));
}

void DefineFontRecord::Write(OutputBuffer& file) {
  const auto table_size = static_cast<std::uint32_t>(2 * glyphs_.size());
  OutputBuffer glyph_data;
  std::vector<std::uint32_t> offsets;
  offsets.reserve(glyphs_.size());
  for (const auto& glyph : glyphs_) {
    offsets.push_back(table_size + glyph_data.Length());
    glyph->Write(glyph_data);
    // A glyph that lacks its end record must still not shift the next one.
    glyph_data.Align();
  }
  OutputBuffer body;
  body.WriteU16(CharacterId());
  for (std::uint32_t offset : offsets) body.WriteU16(offset);
  body.Append(glyph_data);
  WriteTagHeader(file, kTagDefineFont, body.Length(), &body);
}

}  // namespace vectrel
