#pragma once

#include <memory>
#include <vector>

#include "vectrel/encoding/glyph_shape.h"
#include "vectrel/encoding/tag_record.h"

namespace vectrel {

// DefineFont (tag 10): the glyph shapes of one font, indexed from 0 in the
// order they were added.
class DefineFontRecord final : public CharacterRecord {
 public:
  DefineFontRecord() = default;

  // Glyphs of a font use fill style 1 and no line style: fill bits 1, line bits 0.
  void AddGlyphShape(std::unique_ptr<GlyphShape> glyph);
  int glyph_count() const { return static_cast<int>(glyphs_.size()); }

  // A font without glyphs is written as its id alone.
  void Write(OutputBuffer& file) override;

 private:
  std::vector<std::unique_ptr<GlyphShape>> glyphs_;
};

}  // namespace vectrel
