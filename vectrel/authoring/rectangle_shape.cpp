#include "vectrel/authoring/rectangle_shape.h"

#include "vectrel/encoding/define_shape3.h"

namespace vectrel {

void RectangleShape::AppendEdges(DefineShape3Record& shape) const {
  const int w = bounds().xmax - bounds().xmin + 1;
  const int h = bounds().ymax - bounds().ymin + 1;
  shape.AddShapeRecord(std::make_unique<StraightEdgeRecord>(w, 0));
  shape.AddShapeRecord(std::make_unique<StraightEdgeRecord>(0, h));
  shape.AddShapeRecord(std::make_unique<StraightEdgeRecord>(-w, 0));
  shape.AddShapeRecord(std::make_unique<StraightEdgeRecord>(0, -h));
}

}  // namespace vectrel
