#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace vectrel {

class GlyphShape;

// One record of a glyph's SHAPE, kept as plain data so that every
// definition of a font can build its glyph shapes afresh.
struct GlyphStep {
  enum class Kind : std::uint8_t {
    kFirstMove,  // selects fill style 1 and moves
    kMove,       // moves only (further contours)
    kStraight,
    kCurve,
  };
  Kind kind = Kind::kFirstMove;
  std::int32_t a = 0;  // dx, or control dx
  std::int32_t b = 0;  // dy, or control dy
  std::int32_t c = 0;  // anchor dx
  std::int32_t d = 0;  // anchor dy
  bool operator==(const GlyphStep&) const = default;
};

using GlyphSteps = std::vector<GlyphStep>;

// The glyph's records followed by the end record.
std::unique_ptr<GlyphShape> MakeGlyphShape(const GlyphSteps& steps);

}  // namespace vectrel
