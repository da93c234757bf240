#include "vectrel/authoring/polygon_shape.h"

#include <algorithm>

#include "vectrel/encoding/define_shape3.h"

namespace vectrel {

PolygonShape::PolygonShape(int origin_x, int origin_y)
    : ShapeObject(Bounds{origin_x, origin_y, origin_x, origin_y}) {
  steps_.reserve(8);
  steps_.push_back(PathStep{true, origin_x, origin_y, 0, 0, true});
}

void PolygonShape::AddStraightLine(int dx, int dy) {
  steps_.push_back(PathStep{true, dx, dy, 0, 0, false});
  RecomputeBounds();
}

void PolygonShape::AddCurvedLine(int control_dx, int control_dy, int anchor_dx, int anchor_dy) {
  steps_.push_back(PathStep{false, anchor_dx, anchor_dy, control_dx, control_dy, false});
  RecomputeBounds();
}

void PolygonShape::AddNewPath(int x, int y) {
  steps_.push_back(PathStep{true, x, y, 0, 0, true});
  RecomputeBounds();
}

void PolygonShape::RecomputeBounds() {
  Bounds b{steps_[0].x, steps_[0].y, steps_[0].x, steps_[0].y};
  int cx = steps_[0].x, cy = steps_[0].y;
  for (std::size_t i = 1; i < steps_.size(); ++i) {
    const auto& s = steps_[i];
    if (s.new_sub_path) {
      cx = s.x;
      cy = s.y;
    } else if (s.straight) {
      cx += s.x;
      cy += s.y;
    } else {
      cx += s.control_x + s.x;
      cy += s.control_y + s.y;
    }
    b.xmin = std::min(b.xmin, cx);
    b.xmax = std::max(b.xmax, cx);
    b.ymin = std::min(b.ymin, cy);
    b.ymax = std::max(b.ymax, cy);
  }
  set_bounds(b);
}

void PolygonShape::AppendEdges(DefineShape3Record& shape) const {
  for (std::size_t i = 1; i < steps_.size(); ++i) {
    const auto& s = steps_[i];
    if (s.new_sub_path) {
      shape.AddShapeRecord(std::make_unique<StyleChangeRecord>(false, false, false, true, s.x, s.y, 0, 0, 0));
    } else if (s.straight) {
      shape.AddShapeRecord(std::make_unique<StraightEdgeRecord>(s.x, s.y));
    } else {
      shape.AddShapeRecord(std::make_unique<CurvedEdgeRecord>(s.control_x, s.control_y, s.x, s.y));
    }
  }
}

}  // namespace vectrel
