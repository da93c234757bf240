#include "vectrel/authoring/glyph_outline_data.h"

#include "vectrel/encoding/glyph_shape.h"
#include "vectrel/encoding/shape_records.h"

namespace vectrel {

std::unique_ptr<GlyphShape> MakeGlyphShape(const GlyphSteps& steps) {
  auto shape = std::make_unique<GlyphShape>();
  for (const auto& s : steps) {
    switch (s.kind) {
      case GlyphStep::Kind::kFirstMove:
        shape->AddShapeRecord(std::make_unique<StyleChangeRecord>(false, true, false, true, s.a, s.b, 0, 1, 0));
        break;
      case GlyphStep::Kind::kMove:
        shape->AddShapeRecord(std::make_unique<StyleChangeRecord>(false, false, false, true, s.a, s.b, 0, 0, 0));
        break;
      case GlyphStep::Kind::kStraight:
        shape->AddShapeRecord(std::make_unique<StraightEdgeRecord>(s.a, s.b));
        break;
      case GlyphStep::Kind::kCurve:
        shape->AddShapeRecord(std::make_unique<CurvedEdgeRecord>(s.a, s.b, s.c, s.d));
        break;
    }
  }
  shape->AddShapeRecord(std::make_unique<EndShapeRecord>());
  return shape;
}

}  // namespace vectrel
