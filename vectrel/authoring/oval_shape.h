#pragma once

#include "vectrel/authoring/shape_object.h"

namespace vectrel {

// Eight quadratic curves round the bounds, starting at the lower right
// point at 45 degrees. Circles are ovals with square bounds.
class OvalShape : public ShapeObject {
 public:
  OvalShape(int xmin, int ymin, int xmax, int ymax) : ShapeObject(Bounds{xmin, ymin, xmax, ymax}) {}
  static std::unique_ptr<OvalShape> Circle(int center_x, int center_y, int radius) {
    return std::make_unique<OvalShape>(center_x - radius, center_y - radius, center_x + radius, center_y + radius);
  }

 protected:
  void AppendEdges(DefineShape3Record& shape) const override;
  std::pair<int, int> StartPoint() const override;
};

}  // namespace vectrel
